// Registering and replacing windows, hooked sets, and the errors the registry lets through.
#include "common/collection_error.h"
#include "subclass/subclass_info.h"
#include "subclass/subclass_test_support.h"
#include "subclass/subclass_wnd.h"

using namespace brocade;
using namespace subclass_test;

using Registry = SubclassTest;

namespace {

long CollectionErrorNumber(const std::function<void()> &operation) {
    try {
        operation();
    } catch (const CollectionError &error) {
        return error.Number();
    }
    return 0;
}

}  // namespace

TEST(SubclassInfo, HookedSetRejectsDuplicatesAndIgnoresMessageZero) {
    cSubclassInfo record(nullptr, nullptr, nullptr);
    record.AddMessage(0x117);
    EXPECT_EQ(record.IsMessageHooked(0x117), kTrue);
    EXPECT_EQ(record.IsMessageHooked(0x116), kFalse);
    EXPECT_EQ(CollectionErrorNumber([&] { record.AddMessage(0x117); }), 457);

    record.AddMessage(0);
    EXPECT_EQ(record.IsMessageHooked(0), kFalse);
    record.RemoveMessage(0);
    record.RemoveMessage(0x2B);  // never hooked: no error
    record.RemoveMessage(0x117);
    EXPECT_EQ(record.IsMessageHooked(0x117), kFalse);
}

TEST(SubclassInfo, MessagesBeyondTheUserRangeAreHookedLikeAnyOther) {
    cSubclassInfo record(nullptr, nullptr, nullptr);
    record.AddMessage(0x7FF);    // WM_USER + 1023
    record.AddMessage(0x800);    // WM_USER + 1024
    record.AddMessage(0xC123);   // a registered message
    EXPECT_EQ(record.IsMessageHooked(0x7FF), kTrue);
    EXPECT_EQ(record.IsMessageHooked(0x800), kTrue);
    EXPECT_EQ(record.IsMessageHooked(0x801), kFalse);
    EXPECT_EQ(record.IsMessageHooked(0xC123), kTrue);
    EXPECT_EQ(record.IsMessageHooked(0xC124), kFalse);
    EXPECT_EQ(CollectionErrorNumber([&] { record.AddMessage(0xC123); }), 457);
    record.RemoveMessage(0x800);
    record.RemoveMessage(0xC123);
    EXPECT_EQ(record.IsMessageHooked(0x800), kFalse);
    EXPECT_EQ(record.IsMessageHooked(0xC123), kFalse);
    EXPECT_EQ(record.IsMessageHooked(0x7FF), kTrue);
}

TEST_F(Registry, RegisteredMessagesAreRoutedToo) {
    const UINT registered = RegisterWindowMessageW(L"BrocadeSubclassTestMessage");
    ASSERT_GE(registered, 0xC000u);
    TestListener listener('L');
    HostWindow window;
    SubclassWnd::SubclassWindow(window, &listener);
    SubclassWnd::HookMessage(window, registered);
    SubclassWnd::HookMessage(window, registered);

    EXPECT_EQ(SendMessageW(window, registered, 0, 0), kOwnResult);
    EXPECT_EQ(Trace(registered), "LO");
    SubclassWnd::UnhookMessage(window, registered);
    SendMessageW(window, registered, 0, 0);
    EXPECT_EQ(Trace(registered), "LOO");
}

TEST_F(Registry, HookingTwiceLeavesOneEntryThatOneUnhookRemoves) {
    TestListener listener('L');
    HostWindow window;
    SubclassWnd::SubclassWindow(window, &listener);
    SubclassWnd::HookMessage(window, kProbe);
    SubclassWnd::HookMessage(window, kProbe);
    SendMessageW(window, kProbe, 0, 0);
    EXPECT_EQ(Trace(kProbe), "LO");

    SubclassWnd::UnhookMessage(window, kProbe);
    Journal().clear();
    SendMessageW(window, kProbe, 0, 0);
    EXPECT_EQ(Trace(kProbe), "O");
    SubclassWnd::UnhookMessage(window, kProbe);  // no longer hooked: nothing happens
}

TEST_F(Registry, MessageZeroIsNeverHooked) {
    TestListener listener('L');
    HostWindow window;
    SubclassWnd::SubclassWindow(window, &listener);
    SubclassWnd::HookMessage(window, 0);
    SendMessageW(window, WM_NULL, 0, 0);
    EXPECT_EQ(listener.calls, 0);
}

TEST_F(Registry, SubclassingAgainReplacesListenerAndHookedSet) {
    TestListener first('A'), second('B');
    HostWindow window;
    WNDPROC before = window.Procedure();
    SubclassWnd::SubclassWindow(window, &first);
    SubclassWnd::HookMessage(window, kProbe);

    SubclassWnd::SubclassWindow(window, &second);
    SendMessageW(window, kProbe, 0, 0);
    EXPECT_EQ(Trace(kProbe), "O");  // the first hooked set went with the first record

    SubclassWnd::HookMessage(window, kProbe);
    SendMessageW(window, kProbe, 0, 0);
    EXPECT_EQ(Trace(kProbe), "OBO");
    EXPECT_EQ(first.calls, 0);

    SubclassWnd::UnsubclassWindow(window);
    EXPECT_EQ(window.Procedure(), before);
    EXPECT_EQ(SubclassWnd::IsWindowSubclassed(window), kFalse);
}

namespace {
WNDPROC foreignSaved;
LRESULT CALLBACK ForeignProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == kProbe) Journal().push_back({'F', hwnd, msg, wParam, lParam});
    return CallWindowProcW(foreignSaved, hwnd, msg, wParam, lParam);
}
}  // namespace

TEST_F(Registry, UnsubclassingRestoresAnEarlierSubclassToo) {
    TestListener listener('L');
    HostWindow window;
    foreignSaved = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ForeignProc)));
    SubclassWnd::SubclassWindow(window, &listener);
    SubclassWnd::HookMessage(window, kProbe);

    EXPECT_EQ(SendMessageW(window, kProbe, 0, 0), kOwnResult);
    EXPECT_EQ(Trace(kProbe), "LFO");
    SubclassWnd::UnsubclassWindow(window);
    EXPECT_EQ(window.Procedure(), &ForeignProc);
}

TEST_F(Registry, UnsubclassingAWindowNeverSubclassedChangesNothing) {
    TestListener listener('L');
    HostWindow registered, never;
    SubclassWnd::UnsubclassWindow(never);  // registry empty
    EXPECT_EQ(never.Procedure(), &HostProc);

    SubclassWnd::SubclassWindow(registered, &listener);
    SubclassWnd::UnsubclassWindow(never);  // registry holds another window
    EXPECT_EQ(never.Procedure(), &HostProc);
    EXPECT_EQ(SubclassWnd::IsWindowSubclassed(never), kFalse);
    EXPECT_EQ(SubclassWnd::IsWindowSubclassed(registered), kTrue);
    EXPECT_EQ(registered.Procedure(), &SubclassWnd::SubclassWndProc);
}

TEST_F(Registry, UnknownWindowsAreIgnoredWhileTheRegistryIsEmpty) {
    HostWindow never;
    EXPECT_EQ(SubclassWnd::CallSavedWndProc(never, kProbe, 0, 0), 0);
    EXPECT_EQ(CollectionErrorNumber([&] { SubclassWnd::HookMessage(never, kProbe); }), 0);
    EXPECT_EQ(Trace(kProbe), "");
}

TEST_F(Registry, UnknownWindowsRaiseNotFoundOnceTheRegistryHoldsAny) {
    TestListener listener('L');
    HostWindow registered, never;
    SubclassWnd::SubclassWindow(registered, &listener);

    EXPECT_EQ(CollectionErrorNumber([&] { SubclassWnd::CallSavedWndProc(never, kProbe, 0, 0); }), 5);
    EXPECT_EQ(CollectionErrorNumber([&] { SubclassWnd::HookMessage(never, kProbe); }), 5);
    SubclassWnd::UnhookMessage(never, kProbe);  // suppressed
    EXPECT_EQ(SubclassWnd::IsWindowSubclassed(never), kFalse);
    EXPECT_EQ(Trace(kProbe), "");
}

TEST_F(Registry, HandleZeroIsIgnored) {
    TestListener listener('L');
    SubclassWnd::SubclassWindow(nullptr, &listener);
    EXPECT_EQ(SubclassWnd::IsWindowSubclassed(nullptr), kFalse);
    EXPECT_EQ(SubclassWnd::CallSavedWndProc(nullptr, kProbe, 0, 0), 0);  // still empty
}

TEST_F(Registry, UnsubclassedWindowNoLongerReachesItsListener) {
    TestListener listener('L');
    HostWindow window;
    SubclassWnd::SubclassWindow(window, &listener);
    SubclassWnd::HookMessage(window, kProbe);
    SubclassWnd::UnsubclassWindow(window);

    EXPECT_EQ(SendMessageW(window, kProbe, 0, 0), kOwnResult);
    EXPECT_EQ(Trace(kProbe), "O");
    EXPECT_EQ(window.Procedure(), &HostProc);
}
