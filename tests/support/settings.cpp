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

namespace {

int CALLBACK NoteFont(const LOGFONTW *, const TEXTMETRICW *, DWORD, LPARAM found) {
    *reinterpret_cast<bool *>(found) = true;
    return 0;
}

}  // namespace

testing::AssertionResult FontInstalledFor(BYTE charset) {
    LOGFONTW wanted = {};
    wanted.lfCharSet = charset;
    bool found = false;
    if (HDC screen = GetDC(nullptr)) {
        EnumFontFamiliesExW(screen, &wanted, NoteFont, reinterpret_cast<LPARAM>(&found), 0);
        ReleaseDC(nullptr, screen);
    }
    if (found) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "no font of character set " << static_cast<int>(charset)
                                       << " is installed, and this test needs one: install the Debian package "
                                          "fonts-wqy-microhei (scripts/setup installs it)";
}

}  // namespace brocade_test
