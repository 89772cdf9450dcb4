#include "render/highlight_edge.h"

#include "common/gdi.h"
#include "common/color_utils.h"
#include "render/gradient_math.h"

namespace brocade {

namespace {

void DrawSystemEdge(HDC dc, const RECT &rect, UINT edge) {
    RECT copy = rect;
    DrawEdge(dc, &copy, edge, BF_RECT);
}

void OutlineRectangle(HDC dc, const RECT &rect, COLORREF borderColor) {
    HGDIOBJ hollow = GetStockObject(NULL_BRUSH);
    if (!hollow) return;
    SelectGuard brushSelection(dc, hollow);
    UniquePen pen(CreatePen(PS_INSIDEFRAME, 1, PlainRgb(OleToRGB(borderColor))));
    if (!pen) return;
    SelectGuard penSelection(dc, pen.Get());
    Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
}

}  // namespace

void DrawHighlightEdge(HDC dc, const RECT &rect, const PaintStyle &style, long appearance) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) return;  // no bar, no edge
    switch (appearance) {
    case kAppearance3DRaised: DrawSystemEdge(dc, rect, BDR_RAISEDINNER); break;
    case kAppearance3DSunken: DrawSystemEdge(dc, rect, BDR_SUNKENOUTER); break;
    case kAppearanceEdgeEtched: DrawSystemEdge(dc, rect, EDGE_ETCHED); break;
    case kAppearanceFlatWithBorder: OutlineRectangle(dc, rect, style.menuHighlightBorder); break;
    default: break;  // bdFlat and anything else
    }
}

}  // namespace brocade
