#include "render/pixel_gradients.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "render/dc_pixels.h"
#include "render/gradient_math.h"

namespace brocade {

namespace {

// Logical coordinates beyond the 32-bit range cannot be drawn; they only bound loops.
long ClampCoordinate(long long value) { return static_cast<long>(std::clamp<long long>(value, LONG_MIN, LONG_MAX)); }

// Remembers the last weight's colour: neighbouring pixels often share a weight.
class WeightColors {
public:
    WeightColors(COLORREF c1, COLORREF c2) : mix_(c1, c2) {}
    COLORREF At(float weight) {
        if (!valid_ || weight != weight_) {
            weight_ = weight;
            color_ = mix_.At(weight);
            valid_ = true;
        }
        return color_;
    }

private:
    GradientMix mix_;
    COLORREF color_ = 0;
    float weight_ = 0;
    bool valid_ = false;
};

struct DiagonalRamp {
    long long right, bottom;
    int width, height;
    // Both quotients are one statement: a zero extent leaves the weight at its initial 0.
    bool Defined() const { return width != 0 && height != 0; }
    float Column(long long x) const { return ToSingle(static_cast<double>(right - x) / width); }
    float Row(long long y) const { return ToSingle(static_cast<double>(bottom - y) / height); }
};

void DiagonalPixelByPixel(HDC dc, const RECT &rect, const DiagonalRamp &ramp, WeightColors &colors) {
    for (long long x = rect.left; x < rect.right; ++x)
        for (long long y = rect.top; y < rect.bottom; ++y) {
            float weight = ramp.Defined() ? ProductWeight(ramp.Column(x), ramp.Row(y)) : 0.0f;
            SetPixelV(dc, static_cast<int>(x), static_cast<int>(y), colors.At(weight));
        }
}

struct RadialRamp {
    long long centreX, centreY;
    int halfWidth, halfHeight;
    float Column(long long i) const { return ToSingle(static_cast<double>(halfWidth - i) / halfWidth); }
    float Row(long long j) const { return ToSingle(static_cast<double>(halfHeight - j) / halfHeight); }
};

void RadialPixelByPixel(HDC dc, const RadialRamp &ramp, WeightColors &colors) {
    for (long long i = 0; i < ramp.halfWidth; ++i)
        for (long long j = 0; j < ramp.halfHeight; ++j) {
            COLORREF color = colors.At(ProductWeight(ramp.Column(i), ramp.Row(j)));
            const int right = static_cast<int>(ramp.centreX + i), left = static_cast<int>(ramp.centreX - i);
            const int below = static_cast<int>(ramp.centreY + j), above = static_cast<int>(ramp.centreY - j);
            SetPixelV(dc, right, below, color);
            SetPixelV(dc, left, below, color);
            SetPixelV(dc, right, above, color);
            SetPixelV(dc, left, above, color);
        }
}

}  // namespace

void FillDiagonal(HDC dc, const RECT &rect, COLORREF c1, COLORREF c2) {
    const DiagonalRamp ramp{rect.right, rect.bottom, WrappedExtent(rect.left, rect.right),
                            WrappedExtent(rect.top, rect.bottom)};
    WeightColors colors(c1, c2);
    DcPixels pixels;
    if (!pixels.Prepare(dc, rect)) {
        DiagonalPixelByPixel(dc, rect, ramp, colors);
        return;
    }
    if (pixels.Empty()) return;
    // Each pixel is set once, so the copy is filled row by row, straight into each row.
    const RECT &visible = pixels.Bounds();
    const bool defined = ramp.Defined();
    const size_t width = static_cast<size_t>(visible.right - visible.left);
    std::vector<float> columns(width, 0.0f);
    if (defined)
        for (size_t i = 0; i < width; ++i) columns[i] = ramp.Column(visible.left + static_cast<long>(i));
    for (long y = visible.top; y < visible.bottom; ++y) {
        uint32_t *row = pixels.Row(y);
        if (!defined) {
            std::fill(row, row + width, DcPixels::PixelOf(colors.At(0.0f)));
            continue;
        }
        const float rowWeight = ramp.Row(y);
        for (size_t i = 0; i < width; ++i) row[i] = DcPixels::PixelOf(colors.At(ProductWeight(columns[i], rowWeight)));
    }
    pixels.Store();
}

void FillRadial(HDC dc, const RECT &rect, COLORREF c1, COLORREF c2) {
    const int halfWidth = HalfExtent(WrappedExtent(rect.left, rect.right));
    const int halfHeight = HalfExtent(WrappedExtent(rect.top, rect.bottom));
    if (halfWidth <= 0 || halfHeight <= 0) return;
    const RadialRamp ramp{static_cast<long long>(rect.left) + halfWidth, static_cast<long long>(rect.top) + halfHeight,
                          halfWidth, halfHeight};
    WeightColors colors(c1, c2);
    // Every pixel within half an extent (exclusive) of the centre, in both directions.
    const RECT reach = {ClampCoordinate(ramp.centreX - halfWidth + 1), ClampCoordinate(ramp.centreY - halfHeight + 1),
                        ClampCoordinate(ramp.centreX + halfWidth), ClampCoordinate(ramp.centreY + halfHeight)};
    DcPixels pixels;
    if (!pixels.Prepare(dc, reach)) {
        RadialPixelByPixel(dc, ramp, colors);
        return;
    }
    if (pixels.Empty()) return;
    // Each colour serves up to four pixels, mirrored about the centre: it is computed once.
    const RECT &visible = pixels.Bounds();
    auto visibleColumn = [&](long long x) { return x >= visible.left && x < visible.right; };
    auto visibleRow = [&](long long y) { return y >= visible.top && y < visible.bottom; };
    std::vector<float> rows(static_cast<size_t>(halfHeight));
    for (int j = 0; j < halfHeight; ++j) rows[j] = ramp.Row(j);
    for (long long i = 0; i < halfWidth; ++i) {
        const long long right = ramp.centreX + i, left = ramp.centreX - i;
        if (!visibleColumn(right) && !visibleColumn(left)) continue;
        const float column = ramp.Column(i);
        for (long long j = 0; j < halfHeight; ++j) {
            const long long below = ramp.centreY + j, above = ramp.centreY - j;
            if (!visibleRow(below) && !visibleRow(above)) continue;
            const COLORREF color = colors.At(ProductWeight(column, rows[j]));
            for (long long x : {right, left})
                for (long long y : {below, above})
                    if (visibleColumn(x) && visibleRow(y))
                        pixels.Set(static_cast<long>(x), static_cast<long>(y), color);
        }
    }
    pixels.Store();
}

}  // namespace brocade
