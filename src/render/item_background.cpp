#include "render/item_background.h"

#include "render/highlight_fill.h"

namespace brocade {

void EraseItemBackground(HDC dc, int cx, int cy, const PaintStyle &style) {
    FillPlain(dc, RECT{0, 0, cx, cy}, style.menuBackground);
}

void FillBitmapColumn(HDC dc, int bitmapWidth, int itemWidth, int bottom, const PaintStyle &style) {
    long left = 0;
    if (style.rightToLeft) {
        left = itemWidth - (bitmapWidth + 1);
        if (style.menuBorder == kBorderFlat) left -= 2;
    }
    RECT column = {left, 0, left + bitmapWidth + 1, bottom};
    if (style.highlightStyle != kOffice2003) {
        FillPlain(dc, column, style.bitmapBackground);
    } else if (!style.rightToLeft) {
        FillHighlight(dc, column, style.menuBackground, kHorizontalLeftToRight, style.bitmapBackground);
    } else {
        FillHighlight(dc, column, style.bitmapBackground, kHorizontalLeftToRight, style.menuBackground);
    }
}

}  // namespace brocade
