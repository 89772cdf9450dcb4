// What reaches the listener and the window's own procedure, and whose result is returned.
#include "subclass/subclass_test_support.h"
#include "subclass/subclass_wnd.h"

#include <stdexcept>

using namespace brocade;
using namespace subclass_test;

using Routing = SubclassTest;

TEST_F(Routing, UnhookedMessageReachesTheSavedProcedureUnchanged) {
    TestListener listener('L');
    HostWindow window;
    SubclassWnd::SubclassWindow(window, &listener);
    SubclassWnd::HookMessage(window, kOtherProbe);
    ASSERT_EQ(window.Procedure(), &SubclassWnd::SubclassWndProc);

    EXPECT_EQ(SendMessageW(window, kProbe, 0x1234, 0x5678), kOwnResult);
    ASSERT_EQ(Trace(kProbe), "O");
    EXPECT_EQ(Journal()[0].hwnd, static_cast<HWND>(window));
    EXPECT_EQ(Journal()[0].wParam, 0x1234u);
    EXPECT_EQ(Journal()[0].lParam, 0x5678);
    EXPECT_EQ(listener.calls, 0);
}

TEST_F(Routing, FlagLeftTrueRunsTheSavedProcedureAfterTheListenerAndItsResultWins) {
    TestListener listener('L');
    HostWindow window;
    SubclassWnd::SubclassWindow(window, &listener);
    SubclassWnd::HookMessage(window, kProbe);

    EXPECT_EQ(SendMessageW(window, kProbe, 1, 2), kOwnResult);
    EXPECT_EQ(Trace(kProbe), "LO");
    EXPECT_EQ(listener.flagOnEntry, kTrue);
    EXPECT_EQ(Journal()[0].wParam, 1u);
    EXPECT_EQ(Journal()[0].lParam, 2);
}

TEST_F(Routing, FlagSetFalseConsumesTheMessageWithTheListenersResult) {
    TestListener listener('L');
    listener.handler = [](HWND, UINT, WPARAM, LPARAM, Boolean &route) -> LRESULT {
        route = kFalse;
        return kListenerResult;
    };
    HostWindow window;
    SubclassWnd::SubclassWindow(window, &listener);
    SubclassWnd::HookMessage(window, kProbe);

    EXPECT_EQ(SendMessageW(window, kProbe, 0, 0), kListenerResult);
    EXPECT_EQ(Trace(kProbe), "L");
}

TEST_F(Routing, ListenerRunningTheSavedProcedureItselfSeesItRunOnce) {
    TestListener listener('L');
    listener.handler = [](HWND hwnd, UINT msg, WPARAM w, LPARAM l, Boolean &route) -> LRESULT {
        LRESULT own = SubclassWnd::CallSavedWndProc(hwnd, msg, w, l);
        route = kFalse;
        return own + 1;
    };
    HostWindow window;
    SubclassWnd::SubclassWindow(window, &listener);
    SubclassWnd::HookMessage(window, kProbe);

    EXPECT_EQ(SendMessageW(window, kProbe, 0, 0), kOwnResult + 1);
    EXPECT_EQ(Trace(kProbe), "LO");
}

TEST_F(Routing, NcDestroyReachesTheSavedProcedureEvenWhenTheListenerConsumesIt) {
    TestListener listener('L');
    listener.handler = [](HWND, UINT, WPARAM, LPARAM, Boolean &route) -> LRESULT {
        route = kFalse;
        return 0;
    };
    HostWindow window;
    HWND handle = window;
    SubclassWnd::SubclassWindow(window, &listener);
    SubclassWnd::HookMessage(window, WM_NCDESTROY);
    LastNcDestroy() = {};

    DestroyWindow(window);
    EXPECT_EQ(Trace(WM_NCDESTROY), "LO");
    // By the time the own procedure sees it, the window is back on that procedure.
    EXPECT_EQ(LastNcDestroy().procedure, &HostProc);
    EXPECT_EQ(LastNcDestroy().subclassed, kFalse);
    EXPECT_EQ(SubclassWnd::IsWindowSubclassed(handle), kFalse);
}

TEST_F(Routing, EveryWindowLeavesTheRegistryWhenDestroyed) {
    TestListener listener('L');
    HostWindow window;
    HWND handle = window;
    SubclassWnd::SubclassWindow(window, &listener);
    LastNcDestroy() = {};

    DestroyWindow(window);
    EXPECT_EQ(Trace(WM_NCDESTROY), "O");
    EXPECT_EQ(LastNcDestroy().procedure, &HostProc);
    EXPECT_EQ(SubclassWnd::IsWindowSubclassed(handle), kFalse);
    EXPECT_EQ(listener.calls, 0);
}

TEST_F(Routing, ThrowingListenerDoesNotStopTheWindowsOwnProcedure) {
    TestListener listener('L');
    listener.handler = [](HWND, UINT, WPARAM, LPARAM, Boolean &) -> LRESULT {
        throw std::runtime_error("listener failed");
    };
    HostWindow window;
    SubclassWnd::SubclassWindow(window, &listener);
    SubclassWnd::HookMessage(window, kProbe);

    EXPECT_EQ(SendMessageW(window, kProbe, 0, 0), kOwnResult);
    EXPECT_EQ(Trace(kProbe), "LO");
    EXPECT_EQ(listener.references, 0);
}

TEST_F(Routing, ThrowingListenerKeepsTheFlagItHadSetAndResultZero) {
    TestListener listener('L');
    listener.handler = [](HWND, UINT, WPARAM, LPARAM, Boolean &route) -> LRESULT {
        route = kFalse;
        throw 42;
    };
    HostWindow window;
    SubclassWnd::SubclassWindow(window, &listener);
    SubclassWnd::HookMessage(window, kProbe);

    EXPECT_EQ(SendMessageW(window, kProbe, 0, 0), 0);
    EXPECT_EQ(Trace(kProbe), "L");
}

TEST_F(Routing, ListenerIsHeldForTheDurationOfEachCall) {
    TestListener listener('L');
    HostWindow window;
    SubclassWnd::SubclassWindow(window, &listener);
    SubclassWnd::HookMessage(window, kProbe);
    EXPECT_EQ(listener.references, 0);  // the registry itself holds none

    SendMessageW(window, kProbe, 0, 0);
    EXPECT_EQ(listener.referencesDuringLastCall, 1);
    EXPECT_EQ(listener.references, 0);
}

TEST_F(Routing, ListenerThatCannotBeHeldIsSkipped) {
    TestListener listener('L');
    listener.refuseReference = true;
    HostWindow window;
    SubclassWnd::SubclassWindow(window, &listener);
    SubclassWnd::HookMessage(window, kProbe);

    EXPECT_EQ(SendMessageW(window, kProbe, 0, 0), kOwnResult);
    EXPECT_EQ(Trace(kProbe), "O");
}

TEST_F(Routing, WindowWithoutListenerForwardsHookedMessages) {
    HostWindow window;
    SubclassWnd::SubclassWindow(window, nullptr);
    SubclassWnd::HookMessage(window, kProbe);

    EXPECT_EQ(SendMessageW(window, kProbe, 0, 0), kOwnResult);
    EXPECT_EQ(Trace(kProbe), "O");
}
