// The control's hook wrappers: the twenty menu messages and the tooltip window.
#include <windows.h>
#include <commctrl.h>

#include "common/collection_error.h"
#include "subclass/menu_message_set.h"
#include "subclass/subclass_test_support.h"
#include "subclass/subclass_wnd.h"
#include "subclass/tooltip_hook.h"

using namespace brocade;
using namespace subclass_test;

using MessageSets = SubclassTest;

namespace {

// The menu set by number, as the host sees it on the wire.
const UINT kMenuSetNumbers[] = {0x116, 0x117, 0x11F, 0x2C,  0x2B,  0x120, 0xA0,
                                0x211, 0x212, 0x1C,  0x06,  0x15,  0x230, 0x222,
                                0x02,  0x1A,  0x24,  0x221, 0x465, 0x4E};
// Neighbours of members that must not be hooked.
const UINT kOutsiders[] = {0x464, 0x466, 0x125, 0x2D, kProbe};

// Consumes everything it sees, so the host window never handles the stray messages.
void ConsumeEverything(TestListener &listener) {
    listener.handler = [](HWND, UINT, WPARAM, LPARAM, Boolean &route) -> LRESULT {
        route = kFalse;
        return 0;
    };
}

std::vector<UINT> MessagesSeenBy(char who) {
    std::vector<UINT> seen;
    for (const Delivery &delivery : Journal())
        if (delivery.who == who) seen.push_back(delivery.msg);
    return seen;
}

}  // namespace

TEST_F(MessageSets, MenuSetHooksExactlyTheTwentyMenuMessages) {
    TestListener listener('L');
    ConsumeEverything(listener);
    HostWindow window;
    SubclassWnd::SubclassWindow(window, &listener);
    HookMenuMessages(window);
    HookMenuMessages(window);  // again: still one entry each

    for (UINT msg : kMenuSetNumbers) SendMessageW(window, msg, 0, 0);
    for (UINT msg : kOutsiders) SendMessageW(window, msg, 0, 0);
    EXPECT_EQ(MessagesSeenBy('L'), std::vector<UINT>(std::begin(kMenuSetNumbers), std::end(kMenuSetNumbers)));

    UnhookMenuMessages(window);
    Journal().clear();
    for (UINT msg : kMenuSetNumbers) SendMessageW(window, msg, 0, 0);
    EXPECT_TRUE(MessagesSeenBy('L').empty());
    EXPECT_EQ(SubclassWnd::IsWindowSubclassed(window), kTrue);
}

TEST_F(MessageSets, MenuSetNeedsASubclassedWindow) {
    TestListener listener('L');
    HostWindow registered, never;
    SubclassWnd::SubclassWindow(registered, &listener);

    EXPECT_THROW(HookMenuMessages(never), CollectionError);
    UnhookMenuMessages(never);
    EXPECT_EQ(SubclassWnd::IsWindowSubclassed(never), kFalse);
    EXPECT_EQ(never.Procedure(), &HostProc);
}

TEST_F(MessageSets, TooltipWindowRoutesWindowFromPointToTheListener) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    HWND tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                   0, 0, 0, 0, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(tooltip);
    LONG_PTR ownProcedure = GetWindowLongPtrW(tooltip, GWLP_WNDPROC);
    const HWND answer = reinterpret_cast<HWND>(0x1234);
    TestListener listener('L');
    listener.handler = [answer](HWND, UINT, WPARAM, LPARAM, Boolean &route) -> LRESULT {
        route = kFalse;
        return reinterpret_cast<LRESULT>(answer);
    };

    AttachTooltipWindow(tooltip, &listener);
    POINT point = {5, 5};
    EXPECT_EQ(SendMessageW(tooltip, TTM_WINDOWFROMPOINT, 0, reinterpret_cast<LPARAM>(&point)),
              reinterpret_cast<LRESULT>(answer));
    EXPECT_EQ(Trace(0x410), "L");

    DetachTooltipWindow(tooltip);
    EXPECT_EQ(SubclassWnd::IsWindowSubclassed(tooltip), kFalse);
    EXPECT_EQ(GetWindowLongPtrW(tooltip, GWLP_WNDPROC), ownProcedure);
    SendMessageW(tooltip, TTM_WINDOWFROMPOINT, 0, reinterpret_cast<LPARAM>(&point));
    EXPECT_EQ(listener.calls, 1);
    DestroyWindow(tooltip);
}
