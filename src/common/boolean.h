// Booleans of the automation interface: 16-bit, True is -1, False is 0.
#pragma once

namespace brocade {

using Boolean = short;
constexpr Boolean kTrue = -1;
constexpr Boolean kFalse = 0;

inline Boolean ToBoolean(bool value) { return value ? kTrue : kFalse; }
// Any non-zero value counts as True, as automation clients expect.
inline bool IsTrue(Boolean value) { return value != 0; }

}  // namespace brocade
