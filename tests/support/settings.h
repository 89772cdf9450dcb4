// System settings changed for one test and put back afterwards. Tests using these hold the
// ctest resource lock "settings", as do the tests that read those settings.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>
#include <vector>

namespace brocade_test {

// SetSysColors for the given elements; the old colours come back on destruction.
class ScopedSysColors {
public:
    ScopedSysColors(std::initializer_list<std::pair<int, COLORREF>> colours);
    ~ScopedSysColors();
    ScopedSysColors(const ScopedSysColors &) = delete;
    ScopedSysColors &operator=(const ScopedSysColors &) = delete;

private:
    std::vector<int> elements_;
    std::vector<COLORREF> saved_;
};

// A setting whose get action writes a BOOL or UINT to pvParam and whose set action takes the
// value in pvParam (menu animation, keyboard cues, flat menus, ...). Set for this session only
// (the profile is not written) and without a broadcast: send WM_SETTINGCHANGE to the form when
// the test needs it. The old value comes back on destruction.
class ScopedSystemParameter {
public:
    ScopedSystemParameter(UINT getAction, UINT setAction, UINT value);
    ~ScopedSystemParameter();
    ScopedSystemParameter(const ScopedSystemParameter &) = delete;
    ScopedSystemParameter &operator=(const ScopedSystemParameter &) = delete;
    UINT Saved() const { return saved_; }

private:
    UINT setAction_;
    UINT saved_ = 0;
};

// The value of such a setting now.
UINT SystemParameter(UINT getAction);

// Whether a font of the character set is installed; the failure names the package that gives one.
// Windows reports the character set of the font it really found, so a test that reads back a
// Japanese or Korean font's character set needs such a font.
testing::AssertionResult FontInstalledFor(BYTE charset);

}  // namespace brocade_test
