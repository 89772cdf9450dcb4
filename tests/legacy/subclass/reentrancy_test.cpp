// Registry calls from inside a listener call: the message being routed finishes on the record
// it started with.
#include "subclass/subclass_test_support.h"
#include "subclass/subclass_wnd.h"

using namespace brocade;
using namespace subclass_test;

using Reentrancy = SubclassTest;

TEST_F(Reentrancy, ListenerUnsubclassingItsWindowStillLetsTheMessageThrough) {
    TestListener listener('L');
    listener.handler = [](HWND hwnd, UINT, WPARAM, LPARAM, Boolean &) -> LRESULT {
        SubclassWnd::UnsubclassWindow(hwnd);
        return kListenerResult;
    };
    HostWindow window;
    SubclassWnd::SubclassWindow(window, &listener);
    SubclassWnd::HookMessage(window, kProbe);

    EXPECT_EQ(SendMessageW(window, kProbe, 0, 0), kOwnResult);
    EXPECT_EQ(Trace(kProbe), "LO");
    EXPECT_EQ(window.Procedure(), &HostProc);

    SendMessageW(window, kProbe, 0, 0);
    EXPECT_EQ(Trace(kProbe), "LOO");
}

TEST_F(Reentrancy, ListenerDestroyingItsWindow) {
    TestListener listener('L');
    listener.handler = [](HWND hwnd, UINT msg, WPARAM, LPARAM, Boolean &) -> LRESULT {
        if (msg == kProbe) DestroyWindow(hwnd);
        return kListenerResult;
    };
    HostWindow window;
    HWND handle = window;
    SubclassWnd::SubclassWindow(window, &listener);
    SubclassWnd::HookMessage(window, kProbe);
    SubclassWnd::HookMessage(window, WM_NCDESTROY);

    SendMessageW(window, kProbe, 0, 0);
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_EQ(SubclassWnd::IsWindowSubclassed(handle), kFalse);
    // The destruction is routed while the probe is: the listener sees both, and the outer
    // call still ends in the saved procedure.
    EXPECT_EQ(Trace(WM_NCDESTROY), "LO");
    EXPECT_EQ(Trace(kProbe), "LO");
    EXPECT_EQ(listener.references, 0);
}

TEST_F(Reentrancy, ListenerSubclassingAnotherWindowAndMessagingIt) {
    TestListener outer('A'), inner('B');
    HostWindow first, second;
    HWND secondHandle = second;
    outer.handler = [&inner, secondHandle](HWND, UINT, WPARAM, LPARAM, Boolean &) -> LRESULT {
        SubclassWnd::SubclassWindow(secondHandle, &inner);
        SubclassWnd::HookMessage(secondHandle, kProbe);
        return SendMessageW(secondHandle, kProbe, 2, 0);
    };
    SubclassWnd::SubclassWindow(first, &outer);
    SubclassWnd::HookMessage(first, kProbe);

    EXPECT_EQ(SendMessageW(first, kProbe, 1, 0), kOwnResult);
    ASSERT_EQ(Trace(kProbe), "ABOO");
    EXPECT_EQ(Journal()[1].hwnd, secondHandle);
    EXPECT_EQ(Journal()[2].hwnd, secondHandle);
    EXPECT_EQ(Journal()[3].hwnd, static_cast<HWND>(first));
    EXPECT_EQ(SubclassWnd::IsWindowSubclassed(second), kTrue);
}

TEST_F(Reentrancy, ListenerHandingItsWindowToAnotherListener) {
    TestListener first('A'), second('B');
    first.handler = [&second](HWND hwnd, UINT, WPARAM, LPARAM, Boolean &) -> LRESULT {
        SubclassWnd::SubclassWindow(hwnd, &second);
        SubclassWnd::HookMessage(hwnd, kProbe);
        return kListenerResult;
    };
    HostWindow window;
    SubclassWnd::SubclassWindow(window, &first);
    SubclassWnd::HookMessage(window, kProbe);

    EXPECT_EQ(SendMessageW(window, kProbe, 0, 0), kOwnResult);
    SendMessageW(window, kProbe, 0, 0);
    EXPECT_EQ(Trace(kProbe), "AOBO");

    SubclassWnd::UnsubclassWindow(window);
    EXPECT_EQ(window.Procedure(), &HostProc);
}

TEST_F(Reentrancy, HookedSetChangesInsideACallApplyToTheNextMessage) {
    TestListener listener('L');
    listener.handler = [](HWND hwnd, UINT msg, WPARAM, LPARAM, Boolean &) -> LRESULT {
        if (msg == kProbe) {
            SubclassWnd::UnhookMessage(hwnd, kProbe);
            SubclassWnd::HookMessage(hwnd, kOtherProbe);
        }
        return 0;
    };
    HostWindow window;
    SubclassWnd::SubclassWindow(window, &listener);
    SubclassWnd::HookMessage(window, kProbe);

    SendMessageW(window, kProbe, 0, 0);
    SendMessageW(window, kProbe, 0, 0);
    SendMessageW(window, kOtherProbe, 0, 0);
    EXPECT_EQ(Trace(kProbe), "LOO");
    EXPECT_EQ(Trace(kOtherProbe), "LO");
}

TEST_F(Reentrancy, NestedMessagesToTheSameWindow) {
    TestListener listener('L');
    listener.handler = [](HWND hwnd, UINT msg, WPARAM depth, LPARAM, Boolean &) -> LRESULT {
        if (depth < 2) SendMessageW(hwnd, msg, depth + 1, 0);
        return 0;
    };
    HostWindow window;
    SubclassWnd::SubclassWindow(window, &listener);
    SubclassWnd::HookMessage(window, kProbe);

    EXPECT_EQ(SendMessageW(window, kProbe, 0, 0), kOwnResult);
    ASSERT_EQ(Trace(kProbe), "LLLOOO");
    const WPARAM expectedDepths[] = {0, 1, 2, 2, 1, 0};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(Journal()[i].wParam, expectedDepths[i]) << i;
    EXPECT_EQ(listener.references, 0);
}
