// Hot tracking through the control on a subclassed form, driven by real mouse input: the
// title under the mouse lights up, and the control's poll un-highlights it once the mouse has
// left the bar.
#include <gtest/gtest.h>

#include "control/control_test_support.h"
#include "frame/frame_test_support.h"
#include "support/test_support.h"

namespace frame_test {
namespace {

using brocade_test::HostedControl;

void MoveMouseTo(long x, long y) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = static_cast<LONG>((x * 65536 + GetSystemMetrics(SM_CXSCREEN) / 2) / GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = static_cast<LONG>((y * 65536 + GetSystemMetrics(SM_CYSCREEN) / 2) / GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
}

class ControlHotTracking : public ::testing::Test {
protected:
    BOOL savedSetting = TRUE;
    HWND form = nullptr;
    std::unique_ptr<HostedControl> hosted;

    void SetUp() override {
        SystemParametersInfoW(SPI_GETHOTTRACKING, 0, &savedSetting, 0);
        SystemParametersInfoW(SPI_SETHOTTRACKING, 0, reinterpret_cast<PVOID>(TRUE), 0);
        MoveMouseTo(GetSystemMetrics(SM_CXSCREEN) - 5, GetSystemMetrics(SM_CYSCREEN) - 5);  // off the form
        brocade_test::PumpMessages(20);
        // A form without a caption: Wine, with no window manager, takes seconds to destroy one
        // with a caption.
        // Right of where the other test programs open their windows and menus, whose selection
        // the mouse would move.
        form = CreatePlainWindow(700, 600, 300, 200, WS_POPUP | WS_BORDER);
        HMENU bar = CreateMenu();
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(CreatePopupMenu()), L"&File");
        SetMenu(form, bar);
        hosted = std::make_unique<HostedControl>(form);
        ShowWindow(form, SW_SHOW);
        UpdateWindow(form);
        brocade_test::PumpMessages(100);
    }
    void TearDown() override {
        hosted.reset();
        DestroyWindow(form);
        SystemParametersInfoW(SPI_SETHOTTRACKING, 0, reinterpret_cast<PVOID>(static_cast<INT_PTR>(savedSetting)), 0);
    }
    bool TitleHighlighted() {
        return (GetMenuState(GetMenu(form), 0, MF_BYPOSITION) & MF_HILITE) != 0;
    }
    RECT Title() {
        RECT rect = {};
        GetMenuItemRect(form, GetMenu(form), 0, &rect);
        return rect;
    }
    void HoverTitle() {
        const RECT title = Title();
        MoveMouseTo((title.left + title.right) / 2, (title.top + title.bottom) / 2);
        brocade_test::PumpMessages(120);
    }
};

TEST_F(ControlHotTracking, TheMouseOverATitleHighlightsItAndThePollClearsItAfterwards) {
    HoverTitle();
    ASSERT_TRUE(TitleHighlighted());
    EXPECT_TRUE(hosted->control->HotTracking().Hot());
    EXPECT_EQ(hosted->control->HotTracking().HotWindow(), form);

    // Into the client area: no WM_NCMOUSEMOVE comes, the poll finds the mouse gone.
    RECT client;
    GetClientRect(form, &client);
    POINT inside = {client.right / 2, client.bottom / 2};
    ClientToScreen(form, &inside);
    MoveMouseTo(inside.x, inside.y);
    brocade_test::PumpMessages(300);
    EXPECT_FALSE(hosted->control->HotTracking().Hot());
    if (!UnderWine()) {
        EXPECT_FALSE(TitleHighlighted());
    }
}

TEST_F(ControlHotTracking, AMenuLoopEndsHotTracking) {
    HoverTitle();
    ASSERT_TRUE(hosted->control->HotTracking().Hot());
    SendMessageW(form, WM_ENTERMENULOOP, FALSE, 0);
    EXPECT_FALSE(hosted->control->HotTracking().Hot());
    if (!UnderWine()) {
        EXPECT_FALSE(TitleHighlighted());
    }
    // Moves over the bar change nothing while the menu loop lasts, nor does the poll.
    SendMessageW(form, WM_NCMOUSEMOVE, HTMENU, 0);
    brocade_test::PumpMessages(120);
    EXPECT_FALSE(hosted->control->HotTracking().Hot());
    SendMessageW(form, WM_EXITMENULOOP, FALSE, 0);
    EXPECT_FALSE(hosted->control->HotTracking().Hot());
    // Afterwards the next move over the title makes it hot again.
    SendMessageW(form, WM_NCMOUSEMOVE, HTMENU, 0);
    EXPECT_TRUE(hosted->control->HotTracking().Hot());
}

TEST_F(ControlHotTracking, ADisabledControlTracksNothing) {
    brocade::Boolean off = brocade::kFalse;
    hosted->control->SetEnabled(off);
    HoverTitle();
    EXPECT_FALSE(TitleHighlighted());
    EXPECT_FALSE(hosted->control->HotTracking().Hot());
}

}  // namespace
}  // namespace frame_test
