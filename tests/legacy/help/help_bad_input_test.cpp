// Help and tooltips under bad input: long texts, captions that clean to nothing, menus the
// control never converted or that are gone, a status bar destroyed meanwhile, no tooltip, and
// a host whose answers fail. Nothing escapes the window procedure, and the help still reaches
// the host where it can.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "help/control_tooltip.h"
#include "help/menu_help_support.h"
#include "help/status_bar.h"

using namespace brocade;
using help_test::ConvertedMenu;
using help_test::FirstToolText;
using help_test::TestForm;
using help_test::TestHelpHost;

namespace {

using Events = std::vector<std::string>;

class BadInput : public testing::Test {
protected:
    TestForm form;
    TestHelpHost host;
    MenuSelectionHelp help{host};
    ConvertedMenu menu;

    void SetUp() override {
        host.statusBar = FindStatusBar(form.Handle());
        ASSERT_TRUE(host.CreateTooltip(form.Handle()));
        form.SetMenuHelp(&help);
        menu.AddItem(101, "&Save", 1001);
        host.AddRecord(1001, "&Save", "Saves");
    }
};

}  // namespace

TEST_F(BadInput, HelpAndTooltipTextsOfTenThousandCharacters) {
    std::string longText(10000, 'w');
    host.messages.AddMessage("Save", longText);
    host.records["MENU_1001"]->SetTooltTipText(longText);
    form.SelectWithMouse(menu.Handle(), 101);
    EXPECT_EQ(form.StatusText(), longText);
    EXPECT_EQ(host.events, Events{"Show:&Save:" + longText});
    EXPECT_EQ(host.tooltip->ToolCount(), 1);
    // The window hands out no more than its tip buffer holds.
    std::string tip = FirstToolText(host.tooltip->Hwnd());
    EXPECT_GE(tip.size(), 80u);
    EXPECT_EQ(tip, longText.substr(0, tip.size()));
}

TEST_F(BadInput, CaptionsThatCleanToNothingAreTreatedAsSeparators) {
    host.messages.AddCompositeMessage("|Never shown");  // stored under the empty key
    menu.AddItem(102, "&...", 1002);
    menu.AddItem(103, "&", 1003);
    host.AddRecord(1002, "&...", "A tip");
    host.AddRecord(1003, "&");
    form.SelectWithMouse(menu.Handle(), 102);
    form.SelectWithMouse(menu.Handle(), 103);
    EXPECT_EQ(host.events, (Events{"Clear", "Clear"}));
    EXPECT_EQ(host.tooltip->ToolCount(), 0);

    host.autoShowHelp = false;
    host.events.clear();
    form.SelectWithMouse(menu.Handle(), 102);
    EXPECT_EQ(host.events, Events{});
}

TEST_F(BadInput, CompositesOfBarsOnlyServeNoItem) {
    host.messages.AddCompositeMessage("|");
    host.messages.AddCompositeMessage("Save|||");
    form.Select(menu.Handle(), 101, MF_HILITE);
    EXPECT_EQ(form.StatusText(), "||");
}

TEST_F(BadInput, AMenuTheControlNeverConvertedRaisesNothing) {
    HMENU plain = CreatePopupMenu();
    AppendMenuA(plain, MF_STRING, 201, "&Save");  // no item data
    form.Select(plain, 201, MF_HILITE | MF_MOUSESELECT);
    form.Select(menu.Handle(), 999, MF_HILITE);  // no such command
    DestroyMenu(plain);
    EXPECT_EQ(host.events, Events{});
    EXPECT_EQ(host.tooltip->ToolCount(), 0);
}

TEST_F(BadInput, ItemDataThatIsNoSerialRaisesNothing) {
    HMENU foreign = CreatePopupMenu();
    AppendMenuA(foreign, MF_STRING, 201, "&Save");
    MENUITEMINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_DATA;
    info.dwItemData = static_cast<ULONG_PTR>(-1);
    SetMenuItemInfoA(foreign, 0, TRUE, &info);
    form.Select(foreign, 201, MF_HILITE);
    DestroyMenu(foreign);
    EXPECT_EQ(host.events, Events{});
}

TEST_F(BadInput, AMenuHandleThatIsGoneRaisesNothing) {
    HMENU stale = CreatePopupMenu();
    AppendMenuA(stale, MF_STRING, 101, "&Save");
    DestroyMenu(stale);
    form.Select(stale, 101, MF_HILITE | MF_MOUSESELECT);
    form.Select(reinterpret_cast<HMENU>(static_cast<LONG_PTR>(0x7FFF1234)), 101, MF_HILITE);
    EXPECT_EQ(host.events, Events{});
}

TEST_F(BadInput, AStatusBarDestroyedWhileTheMenuIsOpen) {
    host.messages.AddMessage("Save", "Saves");
    form.Select(menu.Handle(), 101, MF_HILITE);
    form.DestroyStatusBar();
    form.Select(menu.Handle(), 101, MF_HILITE);
    form.CloseMenu();
    EXPECT_EQ(host.events, (Events{"Show:&Save:Saves", "Show:&Save:Saves", "Clear"}));
}

TEST_F(BadInput, WithoutATooltipTheHelpStillArrives) {
    HWND gone = CreateWindowExA(0, "STATIC", nullptr, WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(gone);
    ASSERT_FALSE(host.CreateTooltip(gone));
    host.messages.AddMessage("Save", "Saves");
    form.SelectWithMouse(menu.Handle(), 101);
    form.CloseMenu();
    EXPECT_EQ(host.events, (Events{"Show:&Save:Saves", "Clear"}));
    EXPECT_EQ(form.StatusText(), "");
    EXPECT_TRUE(host.anchorsSet.empty()) << "no tooltip, no anchor";
}

TEST_F(BadInput, ARecordWithoutACaptionFontStillGetsItsTool) {
    host.records["MENU_1001"]->SetCaptionFont(nullptr);
    form.SelectWithMouse(menu.Handle(), 101);
    EXPECT_EQ(host.tooltip->ToolCount(), 1);
    EXPECT_EQ(host.tooltip->Font(), nullptr);
}

TEST_F(BadInput, AHostWhoseEveryAnswerFailsLetsNothingOut) {
    host.failEverything = true;
    EXPECT_NO_THROW(form.SelectWithMouse(menu.Handle(), 101));
    EXPECT_NO_THROW(form.Select(menu.Handle(), 0, MF_POPUP));
    EXPECT_NO_THROW(form.CloseMenu());
    EXPECT_NO_THROW(ConfigureTooltip(host));
    EXPECT_EQ(host.events, Events{});
}

TEST_F(BadInput, AFailingShowMenuHelpHandlerEndsTheHandlingQuietly) {
    host.messages.AddMessage("Save", "Saves");
    host.onShowMenuHelp = [](MenuItemRecord &, std::string &) { throw std::runtime_error("handler failed"); };
    SendMessageA(form.StatusBar(), SB_SETTEXTA, 0, reinterpret_cast<LPARAM>("Kept"));
    EXPECT_NO_THROW(form.SelectWithMouse(menu.Handle(), 101));
    EXPECT_EQ(form.StatusText(), "Kept");
    EXPECT_EQ(host.tooltip->ToolCount(), 0);
    EXPECT_EQ(help.OnMenuSelect(form.Handle(), MAKEWPARAM(101, MF_HILITE), reinterpret_cast<LPARAM>(menu.Handle())),
              0);
}
