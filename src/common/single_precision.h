// Rounding to single precision that holds on every target: 32-bit x86 keeps floats in 80-bit
// registers unless they are stored, which would change gradient weights at the last bit.
#pragma once

namespace brocade {

inline float ToSingle(double value) {
#if defined(__FLT_EVAL_METHOD__) && __FLT_EVAL_METHOD__ != 0
    volatile float stored = static_cast<float>(value);
    return stored;
#else
    return static_cast<float>(value);
#endif
}

}  // namespace brocade
