// Menu bar hot tracking with the real mouse: the title under the cursor lights up, framed with
// a flat border, while the control is enabled and the system's hot tracking is on. The system
// setting is changed for the test and put back (lock "settings"); the cursor is the desktop's
// (lock "desktop": under Wine another process can move it).
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>

#include "support/form.h"
#include "support/hosted_control.h"
#include "support/pixels.h"
#include "support/settings.h"

using namespace brocade_test;

namespace {

constexpr COLORREF kPen = RGB(200, 20, 120);

void MoveMouseTo(long x, long y) {
    INPUT input = {INPUT_MOUSE};
    input.mi.dx = (x * 65536 + GetSystemMetrics(SM_CXSCREEN) / 2) / GetSystemMetrics(SM_CXSCREEN);
    input.mi.dy = (y * 65536 + GetSystemMetrics(SM_CYSCREEN) / 2) / GetSystemMetrics(SM_CYSCREEN);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
}

bool UnderWine() { return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr; }

struct Hover {
    const char *name;
    bool enabled, systemHotTracking, lit;
};

// A shown form with "&File" and "&Edit" in its bar and the control, flat borders, on it.
class HotTracking : public testing::TestWithParam<Hover> {
protected:
    void SetUp() override {
        MoveMouseTo(GetSystemMetrics(SM_CXSCREEN) - 5, GetSystemMetrics(SM_CYSCREEN) - 5);  // off the form
        form.AddPopup("&File", {"&Open"});
        form.AddPopup("&Edit", {"&Copy"});
        DrawMenuBar(form);
        control.emplace(HostedControl::InAtl(form));
        ASSERT_TRUE(*control);
        ASSERT_EQ(Put(*control, L"UseCustomColors", true).hr, S_OK);
        ASSERT_EQ(Put(*control, L"MenuHighlightBorder", kPen).hr, S_OK);
        ASSERT_EQ(Put(*control, L"MenuBorder", 1).hr, S_OK);
    }
    bool Lit() const { return GetMenuState(GetMenu(form), 1, MF_BYPOSITION) & MF_HILITE; }
    RECT Edit() const {  // in window coordinates
        RECT title = {}, frame = {};
        GetMenuItemRect(form, GetMenu(form), 1, &title);
        GetWindowRect(form, &frame);
        OffsetRect(&title, -frame.left, -frame.top);
        return title;
    }
    void HoverEdit() {
        RECT frame, title = Edit();
        GetWindowRect(form, &frame);
        const int before = form.Count(WM_NCMOUSEMOVE);
        MoveMouseTo(frame.left + (title.left + title.right) / 2, frame.top + (title.top + title.bottom) / 2);
        WaitFor([&] { return form.Count(WM_NCMOUSEMOVE) > before; }, 3000, "the mouse over the bar");
    }

    ScopedSystemParameter setting{SPI_GETHOTTRACKING, SPI_SETHOTTRACKING, GetParam().systemHotTracking};
    Form form{FormOptions{true}};
    std::optional<HostedControl> control;
};

}  // namespace

TEST_P(HotTracking, TheTitleUnderTheMouseLightsUpWithAFlatFrame) {
    VARIANT_BOOL enabled = GetParam().enabled ? VARIANT_TRUE : VARIANT_FALSE;
    ASSERT_EQ((*control)->put_Enabled(&enabled), S_OK);
    HoverEdit();
    if (!GetParam().lit) {
        EXPECT_FALSE(Lit());
        return;
    }
    ASSERT_TRUE(WaitFor([&] { return Lit(); }, 3000, "the title to light up"));
    const RECT title = Edit();
    WaitFor([&] { return WindowPixels(form).At(title.left, title.top) == kPen; }, 3000, "the frame's corner");
    const Surface pixels = WindowPixels(form);
    EXPECT_EQ(Hex(pixels.At(title.left, (title.top + title.bottom) / 2)), Hex(kPen)) << "left side";
    EXPECT_EQ(Hex(pixels.At((title.left + title.right) / 2, title.top)), Hex(kPen)) << "top side";
    EXPECT_NE(Hex(pixels.At(title.left + 3, title.top + 3)), Hex(kPen)) << "inside";
}

INSTANTIATE_TEST_SUITE_P(Loops, HotTracking,
                         testing::Values(Hover{"Lit", true, true, true}, Hover{"ControlDisabled", false, true, false},
                                         Hover{"SystemHotTrackingOff", true, false, false}),
                         [](const testing::TestParamInfo<Hover> &info) { return info.param.name; });

using HotTrackingLeft = HotTracking;
TEST_P(HotTrackingLeft, TheTitleGoesDarkWithinThePollOnceTheMouseLeavesTheBar) {
    if (UnderWine()) GTEST_SKIP() << "Wine's HiliteMenuItem ignores MF_UNHILITE and selects the title instead";
    HoverEdit();
    ASSERT_TRUE(WaitFor([&] { return Lit(); }, 3000, "the title to light up"));
    RECT client;
    GetClientRect(form, &client);
    POINT inside = {client.right / 2, client.bottom / 2};
    ClientToScreen(form, &inside);
    MoveMouseTo(inside.x, inside.y);  // no WM_NCMOUSEMOVE comes: the poll finds the mouse gone
    EXPECT_TRUE(WaitFor([&] { return !Lit(); }, 1000, "the title to go dark"));
}

INSTANTIATE_TEST_SUITE_P(Loops, HotTrackingLeft, testing::Values(Hover{"Left", true, true, true}),
                         [](const testing::TestParamInfo<Hover> &info) { return info.param.name; });
