// The system's menu animation, which the control switches off while its menus may open: for
// the session only, never in the user's profile, and back on when the loop ends or the control
// goes.
#include <gtest/gtest.h>

#include <vector>

#include "support/form.h"
#include "support/hosted_control.h"
#include "support/menus.h"
#include "support/settings.h"

using namespace brocade_test;

namespace {

constexpr wchar_t kDesktop[] = L"Control Panel\\Desktop", kMask[] = L"UserPreferencesMask";

// The user's profile value that holds menu animation among other preferences.
std::vector<BYTE> ProfileMask() {
    BYTE bytes[64];
    DWORD size = sizeof bytes;
    if (RegGetValueW(HKEY_CURRENT_USER, kDesktop, kMask, RRF_RT_REG_BINARY, nullptr, bytes, &size)) return {};
    return std::vector<BYTE>(bytes, bytes + size);
}

// Menu animation on in the session and in the profile, so that a write to the profile shows;
// the profile's value is put back byte for byte, and the session's by the scoped parameter.
class AnimationOn : public testing::Test {
protected:
    AnimationOn() {
        SystemParametersInfoW(SPI_SETMENUANIMATION, 0, reinterpret_cast<void *>(TRUE), SPIF_UPDATEINIFILE);
        profile = ProfileMask();
    }
    ~AnimationOn() override {
        if (!saved.empty())
            RegSetKeyValueW(HKEY_CURRENT_USER, kDesktop, kMask, REG_BINARY, saved.data(), static_cast<DWORD>(saved.size()));
    }
    static bool Animated() { return SystemParameter(SPI_GETMENUANIMATION) != 0; }

    ScopedSystemParameter session{SPI_GETMENUANIMATION, SPI_SETMENUANIMATION, TRUE};
    std::vector<BYTE> saved = ProfileMask();
    std::vector<BYTE> profile;  // with animation on
    Form form;                  // hidden until the control is there, then activated
    HMENU file = form.AddPopup("&File", {"&Open", "E&xit"});

    void Activate() {
        ShowWindow(form, SW_SHOW);
        SetForegroundWindow(form);
        WaitFor([] { return !Animated(); }, 2000, "animation switched off at activation");
    }
};

TEST_F(AnimationOn, IsOffForTheMenuLoopAndOnAgainAfterIt) {
    ASSERT_TRUE(Animated());
    HostedControl control = HostedControl::InAtl(form);
    ASSERT_TRUE(control);
    Activate();
    bool animatedInLoop = true;
    std::vector<BYTE> profileInLoop;
    ASSERT_TRUE(WithOpenPopup(form, file, 60, 60, [&](HWND) {
        animatedInLoop = Animated();
        profileInLoop = ProfileMask();
        return true;
    }));
    EXPECT_FALSE(animatedInLoop);
    EXPECT_EQ(profileInLoop, profile) << "the user's profile was written";
    EXPECT_TRUE(Animated()) << "the end of the loop puts it back";
    EXPECT_EQ(ProfileMask(), profile);
}

TEST_F(AnimationOn, ComesBackWhenTheControlGoes) {
    HostedControl control = HostedControl::InAtl(form);
    ASSERT_TRUE(control);
    Activate();
    control.Close();
    EXPECT_TRUE(Animated());
    EXPECT_EQ(ProfileMask(), profile) << "the user's profile was written";
}

}  // namespace
