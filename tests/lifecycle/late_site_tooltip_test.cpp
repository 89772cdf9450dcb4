// The tooltip of a control its container loads first and sites afterwards: it is made when the
// site arrives, and takes the loaded properties.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "support/event_sink.h"
#include "support/form.h"
#include "support/hosted_control.h"

using namespace brocade_test;

namespace {

HWND TooltipOwnedBy(HWND form) {
    struct Search {
        HWND owner, found;
    } search{form, nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM data) -> BOOL {
            auto *search = reinterpret_cast<Search *>(data);
            wchar_t name[32] = {};
            GetClassNameW(window, name, 32);
            if (lstrcmpiW(name, TOOLTIPS_CLASSW) || GetWindow(window, GW_OWNER) != search->owner) return TRUE;
            search->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

int Delay(HWND tooltip, WPARAM which) { return LOWORD(SendMessageW(tooltip, TTM_GETDELAYTIME, which, 0)); }

bool g_due = false;
void CALLBACK Due(HWND, UINT, UINT_PTR, DWORD) { g_due = true; }

class LoadedThenSited : public testing::TestWithParam<bool> {};

TEST_P(LoadedThenSited, TheTooltipTakesTheLoadedDelaysStyleAndActivation) {
    const bool showTooltip = GetParam();
    Form form(FormOptions{true});
    HMENU file = form.AddPopup("&File", {"&Open", "&Save"});
    PropertyBag bag;
    bag.values[L"ShowTooltip"] = Variant(showTooltip);
    bag.values[L"TooltipInitialDelay"] = Variant(10);
    bag.values[L"TooltipAutopopDelay"] = Variant(4000);
    bag.values[L"TooltipReshowDelay"] = Variant(30);
    bag.values[L"TootipStyle"] = Variant(1);  // bdRectangle
    SiteOptions options;
    options.bag = &bag;
    options.siteAfterLoad = true;
    HostedControl control = HostedControl::WithSite(form, options);
    ASSERT_TRUE(control);
    ASSERT_EQ(control.InitResult(), S_OK);
    HWND tooltip = TooltipOwnedBy(form);
    ASSERT_TRUE(tooltip);
    EXPECT_EQ(Delay(tooltip, TTDT_INITIAL), 10);
    EXPECT_EQ(Delay(tooltip, TTDT_AUTOPOP), 4000);
    EXPECT_EQ(Delay(tooltip, TTDT_RESHOW), 30);
    EXPECT_EQ(GetWindowLongW(tooltip, GWL_STYLE) & TTS_BALLOON, 0) << "a rectangle, not a balloon";

    EventSink sink;
    ASSERT_TRUE(sink.Connect(control));
    sink.onSetMenuItemAttributes = [](_CMenuItem *item) {
        BSTR text = SysAllocString(L"Opens a document");
        item->put_TooltTipText(&text);
        SysFreeString(text);
    };
    SetForegroundWindow(form);  // tips show for the active window's tools
    RECT client;
    GetClientRect(form, &client);
    POINT centre = {client.right / 2, client.bottom / 2};
    ClientToScreen(form, &centre);
    SetCursorPos(centre.x, centre.y);
    // Wine's menu loop sends WM_MENUSELECT without MF_MOUSESELECT even for the mouse: the
    // messages of a mouse selection are sent to the form as Windows' menu loop sends them.
    SendMessageW(form, WM_ENTERMENULOOP, TRUE, 0);
    SendMessageW(form, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(file), MAKELPARAM(0, FALSE));
    SendMessageW(form, WM_MENUSELECT, MAKEWPARAM(GetMenuItemID(file, 0), MF_HILITE | MF_MOUSESELECT),
                 reinterpret_cast<LPARAM>(file));
    EXPECT_EQ(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), 1) << "the selection gave the tooltip its tool";
    // The tooltip's own show timer (its initial delay, 10 ms) is due long before this one of
    // the test's: when it fires, an active tooltip has shown.
    g_due = false;
    const UINT_PTR timer = SetTimer(nullptr, 0, 400, &Due);
    WaitFor([] { return g_due; }, 3000, "the test's timer");
    KillTimer(nullptr, timer);
    EXPECT_EQ(IsWindowVisible(tooltip) != FALSE, showTooltip);
    SendMessageW(form, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    SendMessageW(form, WM_EXITMENULOOP, TRUE, 0);
}

INSTANTIATE_TEST_SUITE_P(Lifecycle, LoadedThenSited, testing::Bool(),
                         [](const testing::TestParamInfo<bool> &info) {
                             return info.param ? "SavedShowingTips" : "SavedWithoutTips";
                         });

}  // namespace
