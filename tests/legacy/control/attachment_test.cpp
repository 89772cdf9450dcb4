// Registered windows, MDI frames and clients, two controls on one window, and teardown.
#include <gtest/gtest.h>

#include <thread>

#include "control/control_test_support.h"
#include "subclass/subclass_wnd.h"
#include "support/test_support.h"

using namespace brocade_test;
using brocade::Control;
using brocade::IsTrue;
using brocade::kFalse;
using brocade::kTrue;
namespace SubclassWnd = brocade::SubclassWnd;

namespace {

// An MDI frame with its client and children, created the way an MDI application does.
struct MdiApplication {
    MessageLog frameLog;
    HWND frame = nullptr;
    HWND client = nullptr;

    MdiApplication() {
        frame = CreateForm(&frameLog, L"mdi frame");
        CLIENTCREATESTRUCT ccs = {GetSubMenu(GetMenu(frame), 0), 5000};
        client = CreateWindowExW(0, L"MDIClient", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 300, 200,
                                 frame, nullptr, GetModuleHandleW(nullptr), &ccs);
    }
    ~MdiApplication() { DestroyWindow(frame); }

    HWND NewChild(const wchar_t *title) {
        MDICREATESTRUCTW mcs = {L"MDICHILD", title, GetModuleHandleW(nullptr), 0, 0, 150, 100, 0, 0};
        return reinterpret_cast<HWND>(SendMessageW(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
    }
};

void RegisterChildClass() {
    static bool done = [] {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = DefMDIChildProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"MDICHILD";
        return RegisterClassW(&wc) != 0;
    }();
    (void)done;
}

}  // namespace

TEST(RegisteredWindows, RegisteringTwiceRegistersOnceAndStopUnhooks) {
    MessageLog formLog, otherLog;
    HWND form = CreateForm(&formLog);
    HWND other = CreateForm(&otherLog, L"other");
    WNDPROC original = ProcedureOf(other);
    {
        HostedControl hosted(form);
        Control &control = *hosted.control;
        control.RegisterWindowMenu(other, kFalse);
        control.RegisterWindowMenu(other, kFalse);
        EXPECT_EQ(control.RegisteredWindows(), std::vector<HWND>{other});
        EXPECT_TRUE(IsTrue(SubclassWnd::IsWindowSubclassed(other)));

        SendMessageW(other, WM_ENTERMENULOOP, FALSE, 0);
        EXPECT_TRUE(control.InMenuLoop()) << "a registered window's menu messages reach the control";
        SendMessageW(other, WM_EXITMENULOOP, FALSE, 0);

        control.RegisterWindowMenu(other, kTrue);
        EXPECT_TRUE(control.RegisteredWindows().empty());
        EXPECT_EQ(ProcedureOf(other), original);
    }
    DestroyWindow(other);
    DestroyWindow(form);
}

TEST(RegisteredWindows, BadWindowsAreIgnoredQuietly) {
    MessageLog formLog;
    HWND form = CreateForm(&formLog);
    HWND dead = CreateForm(nullptr, L"dead");
    DestroyWindow(dead);
    HWND foreign = nullptr;
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::thread other([&] {
        foreign = CreateWindowExW(0, L"STATIC", L"foreign", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                                  nullptr);
        SetEvent(ready);
        WaitForSingleObject(done, 10000);
        DestroyWindow(foreign);
    });
    WaitForSingleObject(ready, 10000);
    {
        HostedControl hosted(form);
        Control &control = *hosted.control;
        for (HWND bad : {static_cast<HWND>(nullptr), form, dead, foreign}) {
            control.RegisterWindowMenu(bad, kFalse);
            control.RegisterWindowMenu(bad, kTrue);
        }
        EXPECT_TRUE(control.RegisteredWindows().empty());
        EXPECT_FALSE(IsTrue(SubclassWnd::IsWindowSubclassed(foreign)));
    }
    SetEvent(done);
    other.join();
    CloseHandle(ready);
    CloseHandle(done);
    DestroyWindow(form);
}

TEST(RegisteredWindows, ADestroyedWindowLeavesTheList) {
    MessageLog formLog;
    HWND form = CreateForm(&formLog);
    HWND other = CreateForm(nullptr, L"other");
    HostedControl hosted(form);
    hosted.control->RegisterWindowMenu(other, kFalse);
    DestroyWindow(other);
    EXPECT_TRUE(hosted.control->RegisteredWindows().empty());
    DestroyWindow(form);
}

TEST(Teardown, EveryWindowGetsItsOwnProcedureBackAndTheListEmpties) {
    MessageLog formLog;
    HWND form = CreateForm(&formLog);
    HWND first = CreateForm(nullptr, L"first");
    HWND second = CreateForm(nullptr, L"second");
    WNDPROC formProc = ProcedureOf(form), firstProc = ProcedureOf(first), secondProc = ProcedureOf(second);
    int live = Control::LiveControlCount();
    {
        HostedControl hosted(form);
        EXPECT_EQ(Control::LiveControlCount(), live + 1);
        hosted.control->RegisterWindowMenu(first, kFalse);
        hosted.control->RegisterWindowMenu(second, kFalse);
        hosted.control->Teardown();
        EXPECT_TRUE(hosted.control->RegisteredWindows().empty());
        EXPECT_EQ(Control::LiveControlCount(), live);
    }
    EXPECT_EQ(ProcedureOf(form), formProc);
    EXPECT_EQ(ProcedureOf(first), firstProc);
    EXPECT_EQ(ProcedureOf(second), secondProc);
    for (HWND window : {form, first, second}) DestroyWindow(window);
}

TEST(Teardown, TwoControlsOnOneWindowTheLastAttachedHearsItAndEitherTeardownUnhooks) {
    MessageLog formLog;
    HWND form = CreateForm(&formLog);
    WNDPROC original = ProcedureOf(form);
    HostedControl first(form);
    HostedControl second(form);
    SendMessageW(form, WM_ENTERMENULOOP, FALSE, 0);
    EXPECT_FALSE(first.control->InMenuLoop());
    EXPECT_TRUE(second.control->InMenuLoop());
    SendMessageW(form, WM_EXITMENULOOP, FALSE, 0);

    first.control->Teardown();
    EXPECT_EQ(ProcedureOf(form), original);
    second.control->Teardown();  // nothing left to remove: no crash
    EXPECT_EQ(ProcedureOf(form), original);
    DestroyWindow(form);
}

TEST(Mdi, AControlOnAnMdiFormRegistersTheClientAndEachActivatedChild) {
    RegisterChildClass();
    MdiApplication app;
    HostedControl hosted(app.frame);
    Control &control = *hosted.control;
    EXPECT_EQ(control.MdiClientWindow(), app.client);
    EXPECT_EQ(control.RegisteredWindows(), std::vector<HWND>{app.client});

    HWND child1 = app.NewChild(L"one");
    HWND child2 = app.NewChild(L"two");
    ASSERT_TRUE(child1 && child2);
    SendMessageW(app.client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(child1), 0);
    SendMessageW(app.client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(child2), 0);
    auto &windows = control.RegisteredWindows();
    EXPECT_NE(std::find(windows.begin(), windows.end(), child1), windows.end());
    EXPECT_NE(std::find(windows.begin(), windows.end(), child2), windows.end());

    SendMessageW(app.client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(child1), 0);
    EXPECT_EQ(std::find(windows.begin(), windows.end(), child1), windows.end()) << "a destroyed child leaves the list";
    control.Teardown();
    EXPECT_TRUE(control.RegisteredWindows().empty());
    EXPECT_FALSE(IsTrue(SubclassWnd::IsWindowSubclassed(app.client)));
}

TEST(Mdi, AControlOnAnMdiChildHooksTheFrameOnlyWhileItsChildIsActive) {
    RegisterChildClass();
    MdiApplication app;
    HWND child1 = app.NewChild(L"one");
    HWND child2 = app.NewChild(L"two");
    SendMessageW(app.client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(child1), 0);
    PumpMessages();

    TestSite site;
    site.container = CreateContainer(child1);
    Control control(site);
    control.InitNew();
    EXPECT_EQ(control.HostWindow(), child1);
    EXPECT_EQ(control.MdiFrameWindow(), app.frame);
    EXPECT_TRUE(control.FrameHooked()) << "its child is the active one";
    EXPECT_TRUE(IsTrue(SubclassWnd::IsWindowSubclassed(app.frame)));

    SendMessageW(app.client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(child2), 0);
    EXPECT_FALSE(control.FrameHooked());
    EXPECT_FALSE(IsTrue(SubclassWnd::IsWindowSubclassed(app.frame)));

    SendMessageW(app.client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(child1), 0);
    EXPECT_TRUE(control.FrameHooked());
    EXPECT_EQ(control.RedrawTarget(child1), app.frame) << "redraws go to the frame while it is hooked";

    control.Teardown();
    EXPECT_FALSE(IsTrue(SubclassWnd::IsWindowSubclassed(app.frame)));
    EXPECT_FALSE(IsTrue(SubclassWnd::IsWindowSubclassed(child1)));
}
