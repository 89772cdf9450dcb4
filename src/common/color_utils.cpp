#include "common/color_utils.h"

#include <cmath>

#include "common/single_precision.h"

namespace brocade {

// Halves go to even whatever rounding mode the host left the FPU in. (std::nearbyint follows
// that mode, and with this runtime saves and restores the floating-point environment on every
// call, which would be the bulk of every gradient pixel.)
int RoundEven(double value) {
    if (!(std::fabs(value) < 2147483648.0)) return 0;  // no int holds it
    long long whole = static_cast<long long>(value);   // towards zero, then down to the floor
    if (static_cast<double>(whole) > value) --whole;
    const double fraction = value - static_cast<double>(whole);
    if (fraction > 0.5 || (fraction == 0.5 && (whole & 1) != 0)) ++whole;
    return static_cast<int>(whole);
}

COLORREF OleToRGB(DWORD oleColor) {
    if (oleColor & 0x80000000u) return GetSysColor(static_cast<int>(oleColor & 0x7FFFFFFFu));
    return oleColor;
}

void SplitRGB(COLORREF color, int &red, int &green, int &blue) {
    red = color & 255;
    green = (color >> 8) & 255;
    blue = (color >> 16) & 255;
}

int ColorDistance(COLORREF first, COLORREF second) {
    int r1, g1, b1, r2, g2, b2;
    SplitRGB(first, r1, g1, b1);
    SplitRGB(second, r2, g2, b2);
    return RoundEven((std::abs(r1 - r2) + std::abs(g1 - g2) + std::abs(b1 - b2)) / 3.0);
}

namespace {
int ClampChannel(int value) { return value > 255 ? 255 : value; }
}  // namespace

COLORREF ScaleColor(COLORREF color, float factor) {
    int r, g, b;
    SplitRGB(color, r, g, b);
    // The factor is single precision; the product is taken in double precision.
    double f = factor;
    return RGB(ClampChannel(RoundEven(f * r)), ClampChannel(RoundEven(f * g)),
               ClampChannel(RoundEven(f * b)));
}

COLORREF DarkenColor(COLORREF color) { return ScaleColor(color, 0.8f); }
COLORREF LightenColor(COLORREF color) { return ScaleColor(color, 1.1f); }

COLORREF BlendColors(COLORREF first, COLORREF second, float weightOfFirst) {
    float w = weightOfFirst > 1.0f ? 1.0f : (weightOfFirst < 0.0f ? 0.0f : weightOfFirst);
    float v = ToSingle(1.0 - w);  // rounded to single precision on x87 too
    int r1, g1, b1, r2, g2, b2;
    SplitRGB(first, r1, g1, b1);
    SplitRGB(second, r2, g2, b2);
    auto mix = [w, v](int a, int b) {
        return ClampChannel(RoundEven(static_cast<double>(w) * a + static_cast<double>(v) * b));
    };
    return RGB(mix(r1, r2), mix(g1, g2), mix(b1, b2));
}

COLORREF GetMeanColor(COLORREF first, COLORREF second) { return BlendColors(first, second, 0.5f); }

}  // namespace brocade
