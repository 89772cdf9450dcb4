#include "render/item_background.h"

#include "render/highlight_fill.h"

namespace brocade {

void EraseItemBackground(HDC dc, int cx, int cy, const PaintStyle &style) {
    FillPlain(dc, RECT{0, 0, cx, cy}, style.menuBackground);
}

void FillBitmapColumn(HDC dc, int bitmapWidth, int itemWidth, int bottom, const PaintStyle &style,
                      GradientCache *gradients) {
    // The column reaches one pixel (at 96 DPI) past its width.
    const long width = bitmapWidth + style.Px(1);
    long left = 0;
    if (style.rightToLeft) {
        left = itemWidth - width;
        if (style.menuBorder == kBorderFlat) left -= style.Px(2);
    }
    RECT column = {left, 0, left + width, bottom};
    if (style.highlightStyle != kOffice2003) {
        FillPlain(dc, column, style.bitmapBackground);
        return;
    }
    const COLORREF from = style.rightToLeft ? style.bitmapBackground : style.menuBackground;
    const COLORREF to = style.rightToLeft ? style.menuBackground : style.bitmapBackground;
    if (!gradients || !gradients->Fill(dc, column, from, kHorizontalLeftToRight, to)) FillHighlight(dc, column, from, kHorizontalLeftToRight, to);
}

}  // namespace brocade
