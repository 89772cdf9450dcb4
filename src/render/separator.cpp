#include "render/separator.h"

#include "common/color_utils.h"
#include "render/gradient_math.h"
#include "render/highlight_fill.h"
#include "render/item_background.h"

namespace brocade {

namespace {

// Equal column and menu colours: the system's sunken line.
void DrawSunkenLine(HDC dc, int cx, int mid, const PaintStyle &style) {
    RECT line = {IsFlatBorder(style.menuBorder) ? 0 : style.Px(2), mid, cx - style.Px(2), mid + 2};
    DrawEdge(dc, &line, BDR_SUNKENOUTER, BF_RECT);
}

// Default colours that differ: one darkened row, and two lightened rows below it.
void DrawShadedLines(HDC dc, int cx, int cy, int bitmapWidth, int mid, const PaintStyle &style) {
    if (!style.hasBackgroundPicture) FillBitmapColumn(dc, bitmapWidth, cx, cy, style);
    const long gap = style.Px(2);
    const long left = style.rightToLeft ? 0 : bitmapWidth + gap;
    const long right = style.rightToLeft ? cx - bitmapWidth - gap : cx - gap;
    FillPlain(dc, RECT{left, mid, right, mid + 1}, DarkenColor(DarkenColor(style.menuBackground)));
    const long lightTop = RoundEven(cy / 2.0 + 1);
    FillPlain(dc, RECT{left, lightTop, right, lightTop + 2}, LightenColor(LightenColor(style.menuBackground)));
}

// Custom colours that differ, or the XP and Office 2003 styles: a thin disabled-text line.
void DrawThinLine(HDC dc, int cx, int cy, int bitmapWidth, int mid, const PaintStyle &style) {
    if (!style.hasBackgroundPicture) {
        int columnItemWidth = cx;
        if (style.menuBorder == kBorderFlatWithShadow) columnItemWidth = cx - style.Px(2);
        if (style.menuBorder == kBorderFlat) columnItemWidth = cx + style.Px(2);
        FillBitmapColumn(dc, bitmapWidth, columnItemWidth, cy, style);
    }
    const long left = style.rightToLeft ? 0 : bitmapWidth + style.Px(6);
    const long right = style.rightToLeft ? cx - bitmapWidth - style.Px(6) : cx - style.Px(2);
    FillPlain(dc, RECT{left, mid, right, mid + 1}, style.disabledTextColor);
}

}  // namespace

void DrawSeparator(HDC dc, int cx, int cy, int bitmapWidth, const PaintStyle &style) {
    const int mid = RoundEven(cy / 2.0);
    const bool sameColors = PlainRgb(OleToRGB(style.bitmapBackground)) == PlainRgb(OleToRGB(style.menuBackground));
    const bool themed = style.highlightStyle == kXP || style.highlightStyle == kOffice2003;
    if ((sameColors || !style.useCustomColors) && !themed) {
        if (sameColors)
            DrawSunkenLine(dc, cx, mid, style);
        else
            DrawShadedLines(dc, cx, cy, bitmapWidth, mid, style);
    } else {
        DrawThinLine(dc, cx, cy, bitmapWidth, mid, style);
    }
}

}  // namespace brocade
