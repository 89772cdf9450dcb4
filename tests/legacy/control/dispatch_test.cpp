// The control's dispatch of hooked messages on a real subclassed form: results, routing,
// the menu-loop state and the system settings it switches.
#include <gtest/gtest.h>

#include "control/control_test_support.h"
#include "subclass/subclass_wnd.h"
#include "support/test_support.h"

using namespace brocade_test;
using brocade::Control;

class Dispatch : public testing::Test {
protected:
    MessageLog log;
    HWND form = nullptr;
    std::unique_ptr<HostedControl> hosted;

    void SetUp() override {
        form = CreateForm(&log);
        hosted = std::make_unique<HostedControl>(form);
        log.messages.clear();
    }
    void TearDown() override {
        hosted.reset();
        DestroyWindow(form);
    }
    Control &control() { return *hosted->control; }
};

TEST_F(Dispatch, TheHostFormIsFoundAboveTheContainerAndSubclassed) {
    EXPECT_EQ(control().HostWindow(), form);
    EXPECT_TRUE(brocade::IsTrue(brocade::SubclassWnd::IsWindowSubclassed(form)));
    EXPECT_EQ(Control::LiveControlCount(), 1);
}

TEST_F(Dispatch, InitMenuPopupRunsTheOwnProcedureOnceAndReturnsZero) {
    HMENU popup = GetSubMenu(GetMenu(form), 0);
    EXPECT_EQ(SendMessageW(form, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0), 0);
    EXPECT_EQ(log.Count(WM_INITMENUPOPUP), 1);

    brocade::Boolean off = brocade::kFalse;
    control().SetEnabled(off);
    log.messages.clear();
    SendMessageW(form, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
    EXPECT_EQ(log.Count(WM_INITMENUPOPUP), 1) << "while disabled the window handles it alone";
}

TEST_F(Dispatch, UnhookedAndRoutedMessagesReachTheOwnProcedure) {
    SendMessageW(form, WM_USER + 300, 0, 0);
    SendMessageW(form, WM_SYSCOLORCHANGE, 0, 0);
    SendMessageW(form, WM_INITMENU, reinterpret_cast<WPARAM>(GetMenu(form)), 0);
    EXPECT_EQ(log.Count(WM_USER + 300), 1);
    EXPECT_EQ(log.Count(WM_SYSCOLORCHANGE), 1);
    EXPECT_EQ(log.Count(WM_INITMENU), 1);
}

TEST_F(Dispatch, TheMenuLoopFlagFollowsEnterAndExit) {
    EXPECT_FALSE(control().InMenuLoop());
    SendMessageW(form, WM_ENTERMENULOOP, FALSE, 0);
    EXPECT_TRUE(control().InMenuLoop());
    SendMessageW(form, WM_EXITMENULOOP, FALSE, 0);
    EXPECT_FALSE(control().InMenuLoop());

    brocade::Boolean off = brocade::kFalse;
    control().SetEnabled(off);
    SendMessageW(form, WM_ENTERMENULOOP, FALSE, 0);
    EXPECT_FALSE(control().InMenuLoop()) << "a disabled control leaves the menus to the system";
    EXPECT_EQ(log.Count(WM_ENTERMENULOOP), 2);
}

TEST_F(Dispatch, ActivationSwitchesMenuAnimationOffAndDeactivationRestoresIt) {
    BOOL saved = FALSE;
    SystemParametersInfoA(SPI_GETMENUANIMATION, 0, &saved, 0);
    SystemParametersInfoA(SPI_SETMENUANIMATION, 0, reinterpret_cast<void *>(TRUE), 0);
    // The control saved the setting at construction; make a new one that sees TRUE.
    hosted.reset();
    hosted = std::make_unique<HostedControl>(form);

    SendMessageW(form, WM_ACTIVATE, WA_ACTIVE, 0);
    BOOL animation = TRUE;
    SystemParametersInfoA(SPI_GETMENUANIMATION, 0, &animation, 0);
    EXPECT_FALSE(animation);

    SendMessageW(form, WM_ACTIVATEAPP, FALSE, 0);
    SystemParametersInfoA(SPI_GETMENUANIMATION, 0, &animation, 0);
    EXPECT_TRUE(animation) << "deactivation puts back the value saved at construction";

    SendMessageW(form, WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, 1), 0);  // minimized: no match
    SystemParametersInfoA(SPI_GETMENUANIMATION, 0, &animation, 0);
    EXPECT_TRUE(animation);
    SystemParametersInfoA(SPI_SETMENUANIMATION, 0, reinterpret_cast<void *>(static_cast<UINT_PTR>(saved)), 0);
}

TEST_F(Dispatch, MdiDestroyPostsThePurgeInsteadOfPurgingAtOnce) {
    SendMessageW(form, WM_MDIDESTROY, 0, 0);
    EXPECT_EQ(log.Count(Control::kPurgeMessage), 0);
    PumpMessages();
    EXPECT_EQ(log.Count(Control::kPurgeMessage), 1);
}

TEST_F(Dispatch, RefreshRebuildsCachedObjectsOnlyInRunModeAndUnlocked) {
    HBRUSH before = control().PopupBackgroundBrush();
    brocade::Boolean on = brocade::kTrue, off = brocade::kFalse;
    control().SetLockRefresh(on);
    control().Refresh(form);
    EXPECT_EQ(control().PopupBackgroundBrush(), before) << "locked: nothing rebuilt";
    control().SetLockRefresh(off);  // exactly one refresh
    HBRUSH after = control().PopupBackgroundBrush();
    EXPECT_NE(after, nullptr);
    control().SetLockRefresh(off);  // already False: nothing
    EXPECT_EQ(control().PopupBackgroundBrush(), after);

    hosted->site.userMode = false;
    control().Refresh(form);
    EXPECT_EQ(control().PopupBackgroundBrush(), after) << "design mode: nothing rebuilt";
}

TEST_F(Dispatch, AListenerCallHoldsTheHostAliveForItsDuration) {
    EXPECT_EQ(hosted->site.keepAlive, 0);
    SendMessageW(form, WM_SYSCOLORCHANGE, 0, 0);
    EXPECT_EQ(hosted->site.keepAlive, 0) << "every hold is let go";
}

TEST(DispatchDesignMode, ADesignTimeControlDoesNotAttach) {
    MessageLog log;
    HWND form = CreateForm(&log);
    {
        HostedControl hosted(form, false);
        EXPECT_EQ(hosted.control->HostWindow(), nullptr);
        EXPECT_FALSE(brocade::IsTrue(brocade::SubclassWnd::IsWindowSubclassed(form)));
    }
    DestroyWindow(form);
}
