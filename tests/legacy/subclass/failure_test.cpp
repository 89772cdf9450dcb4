// Windows whose procedure cannot be replaced from here are left untouched and unregistered.
#include "subclass/subclass_test_support.h"
#include "subclass/subclass_wnd.h"

#include <thread>

using namespace brocade;
using namespace subclass_test;

using SubclassFailure = SubclassTest;

namespace {

// A host window owned by a thread of its own, pumping its messages until the object goes.
class WindowOnAnotherThread {
public:
    WindowOnAnotherThread() : ready_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
        thread_ = std::thread([this] {
            HostWindow window;
            hwnd_ = window;
            threadId_ = GetCurrentThreadId();
            SetEvent(ready_);
            MSG msg;
            while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
        });
        WaitForSingleObject(ready_, 10000);
    }
    ~WindowOnAnotherThread() {
        PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
        thread_.join();
        CloseHandle(ready_);
    }
    operator HWND() const { return hwnd_; }

private:
    HANDLE ready_;
    HWND hwnd_ = nullptr;
    DWORD threadId_ = 0;
    std::thread thread_;
};

}  // namespace

TEST_F(SubclassFailure, DestroyedWindowIsNotRegistered) {
    TestListener listener('L');
    HWND gone;
    {
        HostWindow window;
        gone = window;
    }
    SubclassWnd::SubclassWindow(gone, &listener);
    EXPECT_EQ(SubclassWnd::IsWindowSubclassed(gone), kFalse);
    // The registry is empty again, not holding a stale entry.
    EXPECT_EQ(SubclassWnd::CallSavedWndProc(gone, kProbe, 0, 0), 0);
}

TEST_F(SubclassFailure, WindowOfAnotherProcessIsNotRegistered) {
    TestListener listener('L');
    HWND desktop = GetDesktopWindow();
    DWORD process = 0;
    GetWindowThreadProcessId(desktop, &process);
    if (process == GetCurrentProcessId()) GTEST_SKIP() << "the desktop window belongs to this process";

    SubclassWnd::SubclassWindow(desktop, &listener);
    EXPECT_EQ(SubclassWnd::IsWindowSubclassed(desktop), kFalse);
    EXPECT_EQ(SubclassWnd::CallSavedWndProc(desktop, kProbe, 0, 0), 0);
}

// SetWindowLongPtrW itself accepts a window of another thread of the same process (on Windows
// as under Wine); the registry refuses it because that window's messages would consult its
// own thread's registry.
TEST_F(SubclassFailure, WindowOfAnotherThreadIsLeftAlone) {
    TestListener listener('L');
    WindowOnAnotherThread window;
    ASSERT_TRUE(IsWindow(window));

    SubclassWnd::SubclassWindow(window, &listener);
    EXPECT_EQ(SubclassWnd::IsWindowSubclassed(window), kFalse);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)), &HostProc);
    EXPECT_EQ(SendMessageW(window, kProbe, 0, 0), kOwnResult);
    EXPECT_EQ(listener.calls, 0);
}
