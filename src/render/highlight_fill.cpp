#include "render/highlight_fill.h"

#include <algorithm>
#include <cmath>

#include "common/gdi.h"
#include "control/enums.h"
#include "render/gradient_math.h"
#include "render/pixel_gradients.h"

namespace brocade {

namespace {

// A new band starts only when the weight has moved by more than this.
constexpr double kBandStep = 0.025;
// Above any real weight, so the first position always starts a band.
constexpr float kNoBandYet = 1.5f;

// Bands run from the previous stop to the current position; for the styles that run
// backwards that rectangle is reversed along the gradient axis, and the filled span is the
// same either way. Across the axis the rectangle is the caller's: reversed there, it is empty.
void PaintBand(HDC dc, const RECT &band, HBRUSH brush, bool vertical) {
    RECT span = band;
    if (vertical) {
        span.top = std::min(band.top, band.bottom);
        span.bottom = std::max(band.top, band.bottom);
    } else {
        span.left = std::min(band.left, band.right);
        span.right = std::max(band.left, band.right);
    }
    if (span.right > span.left && span.bottom > span.top) FillRect(dc, &span, brush);
}

void PaintBand(HDC dc, const RECT &band, COLORREF color, bool vertical) {
    UniqueBrush brush(CreateSolidBrush(color));
    if (brush) PaintBand(dc, band, brush.Get(), vertical);
}

bool WeightMovedABand(float lastWeight, float weight) {
    return static_cast<double>(std::fabs(ToSingle(static_cast<double>(lastWeight) - weight))) > kBandStep;
}

// Styles 1 and 2: positions L..R inclusive (or back), the end position closing the last band.
void FillHorizontalBands(HDC dc, RECT &rect, COLORREF c1, COLORREF c2, bool fromRight) {
    const long left = rect.left, right = rect.right;
    const int width = WrappedExtent(left, right);
    const long long start = fromRight ? right : left, end = fromRight ? left : right, step = fromRight ? -1 : 1;
    if ((end - start) * step < 0) return;
    float lastWeight = kNoBandYet, weight = 0.0f;
    long long stop = start;
    for (long long x = start;; x += step) {
        TakeWeight(fromRight ? x - left : right - x, width, weight);
        if (WeightMovedABand(lastWeight, weight) || x == end) {
            lastWeight = weight;
            rect.left = static_cast<long>(stop);
            rect.right = static_cast<long>(x);
            PaintBand(dc, rect, ColorAtWeight(c1, c2, weight), false);
            stop = x;
        }
        if (x == end) break;
    }
}

// Styles 4 and 5: rows T..B-1 (or back); with no band forced at the end, the last row of the
// range keeps what lay under it.
void FillVerticalBands(HDC dc, RECT &rect, COLORREF c1, COLORREF c2, bool fromBottom) {
    const long top = rect.top, bottom = rect.bottom;
    const int height = WrappedExtent(top, bottom);
    const long long start = fromBottom ? static_cast<long long>(bottom) - 1 : top;
    const long long end = fromBottom ? top : static_cast<long long>(bottom) - 1, step = fromBottom ? -1 : 1;
    if ((end - start) * step < 0) return;
    float lastWeight = kNoBandYet, weight = 0.0f;
    long long stop = start;
    for (long long y = start;; y += step) {
        TakeWeight(fromBottom ? y - top + 1 : bottom - y, height, weight);
        if (WeightMovedABand(lastWeight, weight)) {
            lastWeight = weight;
            rect.top = static_cast<long>(stop);
            rect.bottom = static_cast<long>(y);
            PaintBand(dc, rect, ColorAtWeight(c1, c2, weight), true);
            stop = y;
        }
        if (y == end) break;
    }
}

// Styles 3 and 6: band pairs stepping out from the centre, one per pixel offset; the
// outermost column or row (both when the extent is even) is left unpainted.
void FillCentreBands(HDC dc, RECT &rect, COLORREF c1, COLORREF c2, bool vertical) {
    LONG &low = vertical ? rect.top : rect.left;
    LONG &high = vertical ? rect.bottom : rect.right;
    const int half = HalfExtent(WrappedExtent(low, high));
    const long centre = low + half;
    long previous = 0;
    for (long i = 0; i < half; ++i) {
        const float weight = ToSingle(static_cast<double>(half - i) / half);
        UniqueBrush brush(CreateSolidBrush(ColorAtWeight(c1, c2, weight)));  // one colour, both bands
        low = centre + previous;
        high = centre + i;
        if (brush) PaintBand(dc, rect, brush.Get(), vertical);
        low = centre - i;
        high = centre - previous;
        if (brush) PaintBand(dc, rect, brush.Get(), vertical);
        previous = i;
    }
}

bool IsEmptyOrReversed(const RECT &rect) { return rect.right <= rect.left || rect.bottom <= rect.top; }

// A c1 fill with a one-pixel c2 frame inside the rectangle.
void FillXP(HDC dc, const RECT &rect, COLORREF c1, COLORREF c2) {
    if (IsEmptyOrReversed(rect)) return;
    UniqueBrush brush(CreateSolidBrush(PlainRgb(c1)));
    UniquePen pen(CreatePen(PS_INSIDEFRAME, 1, PlainRgb(c2)));
    if (!brush || !pen) return;
    SelectGuard brushSelection(dc, brush.Get());
    SelectGuard penSelection(dc, pen.Get());
    Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
}

void FillSolid(HDC dc, const RECT &rect, COLORREF color) {
    if (IsEmptyOrReversed(rect)) return;
    UniqueBrush brush(CreateSolidBrush(PlainRgb(color)));
    if (brush) FillRect(dc, &rect, brush.Get());
}

}  // namespace

void FillHighlight(HDC dc, RECT &rect, COLORREF c1, long style, COLORREF c2) {
    switch (style) {
    case kHorizontalLeftToRight: FillHorizontalBands(dc, rect, c1, c2, false); break;
    case kHorizontalRightToLeft: FillHorizontalBands(dc, rect, c1, c2, true); break;
    case kHorizontalCenter: FillCentreBands(dc, rect, c1, c2, false); break;
    case kVerticalTopToBottom: FillVerticalBands(dc, rect, c1, c2, false); break;
    case kVerticalBottomToTop: FillVerticalBands(dc, rect, c1, c2, true); break;
    case kVerticalCenter: FillCentreBands(dc, rect, c1, c2, true); break;
    case kDiagonal: FillDiagonal(dc, rect, c1, c2); break;
    case kRadial: FillRadial(dc, rect, c1, c2); break;
    case kXP: FillXP(dc, rect, c1, c2); break;
    default: FillSolid(dc, rect, c1); break;  // Plain, Office 2003 and anything else
    }
}

void FillPlain(HDC dc, RECT rect, COLORREF color) { FillHighlight(dc, rect, color, kPlain, color); }

}  // namespace brocade
