// Arithmetic shared by the gradient fills: extents held in 16 bits, single-precision weights
// and the colour at a weight.
#pragma once
#include <windows.h>

#include <cstdint>

#include "common/color_utils.h"
#include "common/single_precision.h"

namespace brocade {

// An extent (high - low) as a signed 16-bit integer: extents over 32,767 wrap.
inline int WrappedExtent(long low, long high) {
    return static_cast<int16_t>(static_cast<uint16_t>(static_cast<long long>(high) - low));
}

// RoundEven(extent / 2), the half extent of the centre and radial styles.
inline int HalfExtent(int extent) { return RoundEven(extent / 2.0); }

// A weight: the integer quotient taken to single precision. A zero divisor leaves the weight as
// it was, the way the failing division is skipped and the fill goes on.
inline void TakeWeight(long long numerator, int divisor, float &weight) {
    if (divisor != 0) weight = ToSingle(static_cast<double>(numerator) / divisor);
}

inline float ProductWeight(float first, float second) {
    return ToSingle(static_cast<double>(first) * static_cast<double>(second));
}

// The per-channel mix RoundEven(w x c1 + (1 - w) x c2) with 1 - w in single precision.
inline COLORREF ColorAtWeight(COLORREF first, COLORREF second, float weight) {
    return BlendColors(first, second, weight);
}

// BlendColors for one pair of colours over many weights, with the channels split once and the
// rounding inline, for the fills that compute a colour per pixel. Same results as
// BlendColors.
class GradientMix {
public:
    GradientMix(COLORREF first, COLORREF second) {
        int r1, g1, b1, r2, g2, b2;
        SplitRGB(first, r1, g1, b1);
        SplitRGB(second, r2, g2, b2);
        first_[0] = r1, first_[1] = g1, first_[2] = b1;
        second_[0] = r2, second_[1] = g2, second_[2] = b2;
    }
    COLORREF At(float weight) const {
        const float w = weight > 1.0f ? 1.0f : (weight < 0.0f ? 0.0f : weight);
        const float v = ToSingle(1.0 - w);
        int channel[3];
        for (int i = 0; i < 3; ++i) {
            const int value =
                RoundEvenNonNegative(static_cast<double>(w) * first_[i] + static_cast<double>(v) * second_[i]);
            channel[i] = value > 255 ? 255 : value;
        }
        return RGB(channel[0], channel[1], channel[2]);
    }

private:
    double first_[3], second_[3];

    // RoundEven for the values a mix of channels can take (0 to a little over 255).
    static int RoundEvenNonNegative(double value) {
        const int whole = static_cast<int>(value);
        const double fraction = value - whole;
        return whole + ((fraction > 0.5 || (fraction == 0.5 && (whole & 1) != 0)) ? 1 : 0);
    }
};

// Drops the high byte, which GDI would read as a palette flag; painters draw plain RGB.
inline COLORREF PlainRgb(COLORREF color) { return color & 0x00FFFFFFu; }

}  // namespace brocade
