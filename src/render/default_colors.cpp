#include "render/default_colors.h"

#include "common/os_version.h"
#include "common/color_utils.h"

#ifndef SPI_GETFLATMENU
#define SPI_GETFLATMENU 0x1022
#endif

namespace brocade {

void ComputeDefaultColors(long style, OLE_COLOR c[kColorCount]) {
    c[kTextColor] = 0x80000007;
    c[kHighlightedTextColor] = 0x8000000E;
    c[kDisabledTextColor] = 0x80000011;
    COLORREF menu = GetSysColor(COLOR_MENU);
    c[kMenuBackground] = c[kBitmapBackground] = c[kMenuBarBackground] = menu;
    c[kMenuHighlight] = 0x8000000D;
    c[kMenuHighlightBorder] = 0x80000010;
    c[kTooltipBackground] = 0x80000018;
    c[kTooltipTextColor] = 0x80000017;

    if (GetOSVersionNumber() > 5.0f) {
        BOOL flat = FALSE;
        if (SystemParametersInfoW(SPI_GETFLATMENU, 0, &flat, 0) && flat)
            c[kMenuBarBackground] = GetSysColor(COLOR_MENUBAR);
    }
    if (style != kXP && style != kOffice2003) return;

    if (OleToRGB(c[kMenuBackground]) == 0xC8D0D4) c[kMenuBackground] = GetSysColor(COLOR_HIGHLIGHTTEXT);
    if (OleToRGB(c[kMenuBackground]) == OleToRGB(c[kTextColor])) c[kMenuBackground] = GetSysColor(COLOR_MENU);
    if (OleToRGB(c[kMenuBackground]) == 0xFFFFFF)
        c[kBitmapBackground] = 0x8000000F;
    else
        c[kBitmapBackground] = DarkenColor(OleToRGB(c[kMenuBackground]));
    if (style == kOffice2003) {
        c[kHighlightedTextColor] = 0x80000007;
        c[kBitmapBackground] = OleToRGB(0x8000000F);
    }
    if (OleToRGB(c[kBitmapBackground]) == 0xC8D0D4) {
        c[kMenuHighlight] = 0xD6BEB5;
        c[kMenuHighlightBorder] = 0x6B2408;
    } else {
        c[kMenuHighlightBorder] = GetSysColor(COLOR_HIGHLIGHT);
        c[kMenuHighlight] = GetMeanColor(OleToRGB(0x80000005), c[kMenuHighlightBorder]);
        if (OleToRGB(c[kMenuHighlight]) == OleToRGB(c[kHighlightedTextColor]))
            c[kHighlightedTextColor] = c[kTextColor];
    }
    if (style == kOffice2003) {
        COLORREF t = GetMeanColor(OleToRGB(0x80000004), 0xFFFFFF);
        t = GetMeanColor(t, 0xFFFFFF);
        c[kMenuBackground] = ScaleColor(t, 1.0f);
    }
}

}  // namespace brocade
