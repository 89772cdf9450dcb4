// Events as a connected host receives them: from the scan of a real popup, from the keyboard
// moving the selection, and property change notifications.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "support/event_sink.h"
#include "support/form.h"
#include "support/hosted_control.h"
#include "support/menus.h"

using namespace brocade_test;

TEST(Events, ARealPopupIsScannedItemByItemAndTheKeyboardSelectionsHelpReachesHostAndStatusBar) {
    Form form(FormOptions{true, true});
    HMENU file = form.AddPopup("&File", {"&Open\tCtrl+O", "-", "E&xit"});
    HostedControl control = HostedControl::InAtl(form);
    ASSERT_TRUE(control);
    EventSink sink;
    ASSERT_TRUE(sink.Connect(control));
    std::wstring offered;
    sink.onShowMenuHelp = [&](_CMenuItem *, BSTR *help) { offered = *help ? *help : L""; };

    bool pressed = false;
    char status[256] = "";
    ASSERT_TRUE(WithOpenPopup(form, file, 60, 60, [&](HWND) {
        if (!std::exchange(pressed, true)) PressKeys({VK_DOWN});
        if (sink.Count(kShowMenuHelp) == 0) return false;
        SendMessageA(form.StatusBar(), SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(status));
        return true;
    }));
    const std::vector<std::wstring> scanned = sink.Captions(kSetMenuItemAttributes);
    EXPECT_NE(std::find(scanned.begin(), scanned.end(), L"&Open"), scanned.end());
    EXPECT_NE(std::find(scanned.begin(), scanned.end(), L"E&xit"), scanned.end());
    EXPECT_EQ(sink.Captions(kShowMenuHelp).front(), L"&Open");
    EXPECT_FALSE(offered.empty());
    EXPECT_EQ(std::wstring(status, status + strlen(status)), offered) << "AutoShowHelp writes it to part 0";
    EXPECT_GT(sink.Count(kClearMenuHelp), 0) << "the menu closed";
}

TEST(Events, APropertyChangeIsNotifiedWithItsDispidOnlyWhenTheValueChanges) {
    Form form;
    HostedControl control = HostedControl::WithSite(form);
    ASSERT_TRUE(control);
    PropertyNotifySink notified;
    ASSERT_TRUE(notified.Connect(control));
    const DISPID style = Dispid(control, L"HighlightStyle");
    ASSERT_EQ(Put(control, L"HighlightStyle", 3).hr, S_OK);
    EXPECT_EQ(notified.Count(style), 1);
    ASSERT_EQ(Put(control, L"HighlightStyle", 3).hr, S_OK);
    EXPECT_EQ(notified.Count(style), 1);
}
