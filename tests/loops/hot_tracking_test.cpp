// Menu bar hot tracking with the real mouse: the title under the cursor lights up, framed with
// a flat border, while the control is enabled and the system's hot tracking is on; it goes dark
// within the poll once the mouse leaves the bar. The system setting is changed for the test and
// put back (lock "settings"); the cursor is the desktop's (lock "desktop": under Wine another
// process can move it).
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>

#include "support/form.h"
#include "support/hosted_control.h"
#include "support/menus.h"
#include "support/settings.h"

using namespace brocade_test;

namespace {

constexpr COLORREF kPen = RGB(200, 20, 120);

struct Hover {
    const char *name;
    bool enabled, systemHotTracking, lit;
};

// A shown form with "&File" and "&Edit" in its bar and the control on it, flat borders; the
// mouse moved from off the form onto "&Edit".
class HotTracking : public testing::TestWithParam<Hover> {
protected:
    void SetUp() override {
        MoveMouseTo(GetSystemMetrics(SM_CXSCREEN) - 5, GetSystemMetrics(SM_CYSCREEN) - 5);
        form.AddPopup("&File", {"&Open"});
        form.AddPopup("&Edit", {"&Copy"});
        control.emplace(HostedControl::InAtl(form));
        ASSERT_TRUE(*control);
        ASSERT_EQ(Put(*control, L"UseCustomColors", true).hr, S_OK);
        ASSERT_EQ(Put(*control, L"MenuHighlightBorder", kPen).hr, S_OK);
        ASSERT_EQ(Put(*control, L"MenuBorder", 1).hr, S_OK);  // Flat
        VARIANT_BOOL enabled = GetParam().enabled ? VARIANT_TRUE : VARIANT_FALSE;
        ASSERT_EQ((*control)->put_Enabled(&enabled), S_OK);
        RECT frame = {};
        GetMenuItemRect(form, GetMenu(form), 1, &title);
        GetWindowRect(form, &frame);
        const int moves = form.Count(WM_NCMOUSEMOVE);
        MoveMouseTo((title.left + title.right) / 2, (title.top + title.bottom) / 2);
        ASSERT_TRUE(WaitFor([&] { return form.Count(WM_NCMOUSEMOVE) > moves; }, 3000, "the mouse over the bar"));
        OffsetRect(&title, -frame.left, -frame.top);
    }
    bool Lit() const { return GetMenuState(GetMenu(form), 1, MF_BYPOSITION) & MF_HILITE; }

    ScopedSystemParameter setting{SPI_GETHOTTRACKING, SPI_SETHOTTRACKING, GetParam().systemHotTracking};
    Form form{FormOptions{true}};
    std::optional<HostedControl> control;
    RECT title = {};  // "&Edit" in window coordinates
};

}  // namespace

TEST_P(HotTracking, TheTitleUnderTheMouseLightsUpWithAFlatFrame) {
    if (!GetParam().lit) {
        EXPECT_FALSE(Lit());
        return;
    }
    ASSERT_TRUE(WaitFor([&] { return Lit(); }, 3000, "the title to light up"));
    WaitFor([&] { return WindowPixels(form).At(title.left, title.top) == kPen; }, 3000, "the frame's corner");
    const Surface pixels = WindowPixels(form);
    EXPECT_EQ(Hex(pixels.At(title.left, (title.top + title.bottom) / 2)), Hex(kPen)) << "left side";
    EXPECT_EQ(Hex(pixels.At((title.left + title.right) / 2, title.top)), Hex(kPen)) << "top side";
}

TEST_P(HotTracking, TheTitleGoesDarkWithinThePollOnceTheMouseLeavesTheBar) {
    if (GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version"))
        GTEST_SKIP() << "Wine's HiliteMenuItem ignores MF_UNHILITE and selects the title instead";
    ASSERT_TRUE(WaitFor([&] { return Lit() == GetParam().lit; }, 3000, "the title to light up"));
    RECT frame;
    GetWindowRect(form, &frame);
    MoveMouseTo((frame.left + frame.right) / 2, (frame.top + frame.bottom) / 2);  // into the client area: only the poll sees it
    EXPECT_TRUE(WaitFor([&] { return !Lit(); }, 1000, "the title to go dark"));
}

INSTANTIATE_TEST_SUITE_P(Loops, HotTracking,
                         testing::Values(Hover{"Lit", true, true, true}, Hover{"ControlDisabled", false, true, false},
                                         Hover{"SystemHotTrackingOff", true, false, false}),
                         [](const testing::TestParamInfo<Hover> &info) { return info.param.name; });
