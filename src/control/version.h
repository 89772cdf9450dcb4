// The control's own version numbers; Version reads "major.minor.revision".
#pragma once

namespace brocade {

constexpr int kVersionMajor = 1;
constexpr int kVersionMinor = 0;
constexpr int kVersionRevision = 0;
constexpr const wchar_t *kVersionText = L"1.0.0";
constexpr const wchar_t *kProductName = L"Brocade";

}  // namespace brocade
