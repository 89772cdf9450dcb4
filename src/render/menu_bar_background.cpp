#include "render/menu_bar_background.h"

#include "render/highlight_fill.h"

namespace brocade {

void FillMenuBarItem(HDC dc, int cx, int cy, bool selected, const PaintStyle &style) {
    RECT title = {0, 0, cx, cy};
    if (selected && style.highlightStyle == kXP) {
        const COLORREF fill = style.inMenuLoop ? style.menuBarBackground : style.menuHighlight;
        FillHighlight(dc, title, fill, kXP, style.menuHighlightBorder);
    } else if (selected && style.highlightStyle == kOffice2003) {
        if (style.inMenuLoop)
            FillPlain(dc, title, style.menuBarBackground);
        else
            FillHighlight(dc, title, style.menuBackground, kVerticalTopToBottom, style.menuHighlight);
    } else if (selected && style.useCustomColors) {
        FillPlain(dc, title, style.menuBackground);
    } else {
        FillPlain(dc, title, style.menuBarBackground);
    }
}

}  // namespace brocade
