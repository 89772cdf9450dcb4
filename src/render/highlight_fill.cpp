#include "render/highlight_fill.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "common/gdi.h"
#include "common/enums.h"
#include "render/dc_pixels.h"
#include "render/gradient_math.h"
#include "render/pixel_gradients.h"

namespace brocade {

namespace {

// A new band starts only when the weight has moved by more than this.
constexpr double kBandStep = 0.025;
// Above any real weight, so the first position always starts a band.
constexpr float kNoBandYet = 1.5f;

// The bands of one fill, collected first and painted together: into a copy of the DC's pixels
// written back with one call where the DC allows it (a brush and a FillRect per band cost far
// more), else one FillRect per band. Either way each band's span gets its colour exactly.
class Bands {
public:
    explicit Bands(bool vertical) : vertical_(vertical) {}

    // Bands run from the previous stop to the current position; for the styles that run
    // backwards that rectangle is reversed along the gradient axis, and the filled span is the
    // same either way. Across the axis the rectangle is the caller's: reversed there, it is empty.
    void Add(const RECT &band, COLORREF color) {
        RECT span = band;
        if (vertical_) {
            span.top = std::min(band.top, band.bottom);
            span.bottom = std::max(band.top, band.bottom);
        } else {
            span.left = std::min(band.left, band.right);
            span.right = std::max(band.left, band.right);
        }
        if (span.right > span.left && span.bottom > span.top) bands_.push_back({span, color});
    }

    void Paint(HDC dc) const {
        if (bands_.empty() || PaintInCopy(dc)) return;
        for (const Band &band : bands_) {
            UniqueBrush brush(CreateSolidBrush(band.color));
            if (brush) FillRect(dc, &band.span, brush.Get());
        }
    }

private:
    struct Band {
        RECT span;
        COLORREF color;
    };
    bool vertical_;
    std::vector<Band> bands_;

    bool PaintInCopy(HDC dc) const {
        RECT area = bands_.front().span;
        long long covered = 0;
        bool sameAcross = true;  // every band spans the same rows (or columns) across the axis
        for (const Band &band : bands_) {
            const RECT &s = band.span;
            area = {std::min(area.left, s.left), std::min(area.top, s.top), std::max(area.right, s.right),
                    std::max(area.bottom, s.bottom)};
            covered += static_cast<long long>(s.right - s.left) * (s.bottom - s.top);
            const RECT &first = bands_.front().span;
            sameAcross = sameAcross && (vertical_ ? s.left == first.left && s.right == first.right
                                                  : s.top == first.top && s.bottom == first.bottom);
        }
        // The bands never overlap: when they cover the whole area nothing needs reading.
        const bool whole = covered == static_cast<long long>(area.right - area.left) * (area.bottom - area.top);
        DcPixels pixels;
        if (!(whole ? pixels.Prepare(dc, area) : pixels.Load(dc, area))) return false;
        if (pixels.Empty()) return true;
        const RECT &visible = pixels.Bounds();
        if (!vertical_ && sameAcross) {
            // Columns of colour: one row is painted band by band and copied to the others.
            const long top = std::max(visible.top, bands_.front().span.top);
            const long bottom = std::min(visible.bottom, bands_.front().span.bottom);
            if (top >= bottom) return true;
            for (const Band &band : bands_)
                pixels.SetRow(top, std::max(band.span.left, visible.left), std::min(band.span.right, visible.right),
                              band.color);
            for (long y = top + 1; y < bottom; ++y) pixels.CopyRow(top, y);
        } else {
            for (const Band &band : bands_) {
                const long top = std::max(band.span.top, visible.top), bottom = std::min(band.span.bottom, visible.bottom);
                const long left = std::max(band.span.left, visible.left), right = std::min(band.span.right, visible.right);
                for (long y = top; y < bottom; ++y) pixels.SetRow(y, left, right, band.color);
            }
        }
        pixels.Store();
        return true;
    }
};

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
    Bands bands(false);
    for (long long x = start;; x += step) {
        TakeWeight(fromRight ? x - left : right - x, width, weight);
        if (WeightMovedABand(lastWeight, weight) || x == end) {
            lastWeight = weight;
            rect.left = static_cast<long>(stop);
            rect.right = static_cast<long>(x);
            bands.Add(rect, ColorAtWeight(c1, c2, weight));
            stop = x;
        }
        if (x == end) break;
    }
    bands.Paint(dc);
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
    Bands bands(true);
    for (long long y = start;; y += step) {
        TakeWeight(fromBottom ? y - top + 1 : bottom - y, height, weight);
        if (WeightMovedABand(lastWeight, weight)) {
            lastWeight = weight;
            rect.top = static_cast<long>(stop);
            rect.bottom = static_cast<long>(y);
            bands.Add(rect, ColorAtWeight(c1, c2, weight));
            stop = y;
        }
        if (y == end) break;
    }
    bands.Paint(dc);
}

// Styles 3 and 6: band pairs stepping out from the centre, one per pixel offset; the
// outermost column or row (both when the extent is even) is left unpainted.
void FillCentreBands(HDC dc, RECT &rect, COLORREF c1, COLORREF c2, bool vertical) {
    LONG &low = vertical ? rect.top : rect.left;
    LONG &high = vertical ? rect.bottom : rect.right;
    const int half = HalfExtent(WrappedExtent(low, high));
    const long centre = low + half;
    long previous = 0;
    Bands bands(vertical);
    const GradientMix mix(c1, c2);  // a colour per pixel offset: the channels are split once
    for (long i = 0; i < half; ++i) {
        const COLORREF color = mix.At(ToSingle(static_cast<double>(half - i) / half));
        low = centre + previous;
        high = centre + i;
        bands.Add(rect, color);
        low = centre - i;
        high = centre - previous;
        bands.Add(rect, color);
        previous = i;
    }
    bands.Paint(dc);
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

// With the DC's own brush colour (DC_BRUSH), so a solid fill makes and deletes no brush.
void FillSolid(HDC dc, const RECT &rect, COLORREF color) {
    if (IsEmptyOrReversed(rect)) return;
    const COLORREF previous = SetDCBrushColor(dc, PlainRgb(color));
    if (previous == CLR_INVALID) return;
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    SetDCBrushColor(dc, previous);
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
