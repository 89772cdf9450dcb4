#include "support/settings.h"

namespace brocade_test {

ScopedSysColors::ScopedSysColors(std::initializer_list<std::pair<int, COLORREF>> colours) {
    std::vector<COLORREF> values;
    for (const auto &colour : colours) {
        elements_.push_back(colour.first);
        saved_.push_back(GetSysColor(colour.first));
        values.push_back(colour.second);
    }
    SetSysColors(static_cast<int>(elements_.size()), elements_.data(), values.data());
}

ScopedSysColors::~ScopedSysColors() {
    SetSysColors(static_cast<int>(elements_.size()), elements_.data(), saved_.data());
}

UINT SystemParameter(UINT getAction) {
    UINT value = 0;  // a BOOL or a UINT, both 32 bits
    SystemParametersInfoW(getAction, 0, &value, 0);
    return value;
}

ScopedSystemParameter::ScopedSystemParameter(UINT getAction, UINT setAction, UINT value)
    : setAction_(setAction), saved_(SystemParameter(getAction)) {
    SystemParametersInfoW(setAction, 0, reinterpret_cast<void *>(static_cast<UINT_PTR>(value)), 0);
}

ScopedSystemParameter::~ScopedSystemParameter() {
    SystemParametersInfoW(setAction_, 0, reinterpret_cast<void *>(static_cast<UINT_PTR>(saved_)), 0);
}

}  // namespace brocade_test
