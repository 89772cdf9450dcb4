#include "render/item_highlight.h"

#include "render/gradient_math.h"
#include "render/highlight_edge.h"
#include "render/highlight_fill.h"

namespace brocade {

namespace {

bool IsThemedStyle(long highlightStyle) { return highlightStyle == kXP || highlightStyle == kOffice2003; }

RECT HighlightBar(int cx, int cy, int bitmapWidth, bool hasPicture, const PaintStyle &style) {
    const bool hasColumn = hasPicture || PlainRgb(style.bitmapBackground) != PlainRgb(style.menuBackground);
    const bool cover = HighlightCoversBitmap(style);
    const int gap = style.Px(2);
    RECT bar = {0, 0, cx, cy};
    if (hasColumn && !style.rightToLeft && !cover) bar.left = bitmapWidth + gap;
    if (style.menuBorder == kBorderFlatWithShadow) bar.right = cx - gap;
    if (style.rightToLeft && hasColumn && !IsThemedStyle(style.highlightStyle) && !cover) bar.right -= bitmapWidth + gap;
    return bar;
}

}  // namespace

bool HighlightCoversBitmap(const PaintStyle &style) {
    switch (style.highlightOverBitmap) {
    case kOverBitmapCompatible: return IsThemedStyle(style.highlightStyle);
    case kOverBitmapAlways: return true;
    default: return false;  // bdNever and anything else
    }
}

void DrawItemHighlight(HDC dc, int cx, int cy, int bitmapWidth, bool hasPicture, bool isSeparator, bool selected,
                       const PaintStyle &style, GradientCache *gradients) {
    if (isSeparator || !selected) return;
    const RECT bar = HighlightBar(cx, cy, bitmapWidth, hasPicture, style);
    RECT band = bar;  // the fill moves its band rectangle; the edge needs the bar as it was
    long appearance = kAppearanceFlatWithBorder;
    switch (style.highlightStyle) {
    case kXP: FillHighlight(dc, band, style.menuHighlight, kXP, style.menuHighlightBorder); break;
    case kOffice2003:  // the highlight colour at the bottom
        FillHighlight(dc, band, style.menuHighlight, kVerticalBottomToTop, style.menuBackground);
        break;
    default:
        if (!gradients || !gradients->Fill(dc, band, style.menuHighlight, style.highlightStyle, style.menuBackground))
            FillHighlight(dc, band, style.menuHighlight, style.highlightStyle, style.menuBackground);
        appearance = style.highlightAppearance;
        break;
    }
    DrawHighlightEdge(dc, bar, style, appearance);
}

}  // namespace brocade
