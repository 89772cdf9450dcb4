// WM_MENUSELECT on a real form with a real status bar: which events the host gets, and what
// part 0 of the status bar shows, as the selection moves and the menu closes.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "help/help_test_support.h"
#include "help/menu_help_support.h"
#include "help/status_bar.h"

using namespace brocade;
using help_test::ConvertedMenu;
using help_test::LoadedLibrary;
using help_test::TestForm;
using help_test::TestHelpHost;
using help_test::ToCodePage;

namespace {

using Events = std::vector<std::string>;

class MenuSelect : public testing::Test {
protected:
    explicit MenuSelect(TestForm::Visibility visibility = TestForm::kHidden) : form("msctls_statusbar32", visibility) {}

    TestForm form;
    TestHelpHost host;
    MenuSelectionHelp help{host};
    ConvertedMenu menu;
    HMENU submenu = nullptr;

    static constexpr UINT kOpen = 101, kSave = 102, kPrint = 104;

    void SetUp() override {
        host.statusBar = FindStatusBar(form.Handle());
        ASSERT_NE(host.statusBar, nullptr);
        form.SetMenuHelp(&help);
        menu.AddItem(kOpen, "&Open...\tCtrl+O", 1001);
        menu.AddSeparator(1002);
        menu.AddItem(kSave, "&Save", 1003);
        submenu = menu.AddSubmenu("&Recent", 1004);
        menu.AddItem(kPrint, "&Print", 1005);
        host.AddRecord(1001, "&Open...\tCtrl+O");
        host.AddRecord(1002, "");
        host.AddRecord(1003, "&Save");
        host.AddRecord(1004, "&Recent");
        host.AddRecord(1005, "&Print", "Prints the document");
    }

    void SetStatus(const char *text) {
        SendMessageA(form.StatusBar(), SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text));
    }
};

}  // namespace

TEST_F(MenuSelect, SelectingAnItemOffersItsHelpAndWritesPartZero) {
    host.messages.AddMessage("Save", "Saves the document");
    form.Select(menu.Handle(), kSave, MF_HILITE);
    EXPECT_EQ(host.events, Events{"Show:&Save:Saves the document"});
    EXPECT_EQ(form.StatusText(), "Saves the document");

    host.messages.AddMessage("Print", "Prints the document");
    form.Select(menu.Handle(), kPrint, MF_HILITE);
    EXPECT_EQ(form.StatusText(), "Prints the document");
}

TEST_F(MenuSelect, ACompositeMessageServesAnItemWithAmpersandDotsAndShortcut) {
    host.messages.AddCompositeMessage("&Open...|Opens an existing document");
    form.Select(menu.Handle(), kOpen, MF_HILITE);
    EXPECT_EQ(host.events, Events{"Show:&Open...:Opens an existing document"});
    EXPECT_EQ(form.StatusText(), "Opens an existing document");
}

TEST_F(MenuSelect, AnItemWithoutHelpOffersAnEmptyTextAndClearsTheBar) {
    SetStatus("Earlier help");
    form.Select(menu.Handle(), kSave, MF_HILITE);
    EXPECT_EQ(host.events, Events{"Show:&Save:"});
    EXPECT_EQ(form.StatusText(), "");
}

TEST_F(MenuSelect, TheTextTheHandlerLeavesIsTheTextShown) {
    host.messages.AddMessage("Save", "Saves the document");
    host.onShowMenuHelp = [](MenuItemRecord &, std::string &text) { text = "Saves, said the host"; };
    form.Select(menu.Handle(), kSave, MF_HILITE);
    EXPECT_EQ(form.StatusText(), "Saves, said the host");
}

TEST_F(MenuSelect, WithoutAutoShowHelpTheHostGetsTheHelpAndTheBarStays) {
    host.autoShowHelp = false;
    host.messages.AddMessage("Save", "Saves the document");
    SetStatus("The host's own text");
    form.Select(menu.Handle(), kSave, MF_HILITE);
    EXPECT_EQ(host.events, Events{"Show:&Save:Saves the document"});
    EXPECT_EQ(form.StatusText(), "The host's own text");
}

TEST_F(MenuSelect, ClosingTheMenuClearsTheBarAndRaisesClearMenuHelp) {
    SetStatus("Help of the last item");
    form.CloseMenu();
    EXPECT_EQ(host.events, Events{"Clear"});
    EXPECT_EQ(form.StatusText(), "");
}

TEST_F(MenuSelect, ClosingRaisesClearMenuHelpEvenWithoutAutoShowHelp) {
    host.autoShowHelp = false;
    SetStatus("The host's own text");
    form.CloseMenu();
    EXPECT_EQ(host.events, Events{"Clear"});
    EXPECT_EQ(form.StatusText(), "The host's own text");
}

TEST_F(MenuSelect, ASeparatorClearsWithAutoShowHelpAndRaisesNothingWithout) {
    SetStatus("Help of the last item");
    form.Select(menu.Handle(), 0, MF_SEPARATOR | MF_HILITE);
    EXPECT_EQ(host.events, Events{"Clear"});
    EXPECT_EQ(form.StatusText(), "");

    host.events.clear();
    host.autoShowHelp = false;
    SetStatus("The host's own text");
    form.Select(menu.Handle(), 0, MF_SEPARATOR | MF_HILITE);
    EXPECT_EQ(host.events, Events{});
    EXPECT_EQ(form.StatusText(), "The host's own text");
}

TEST_F(MenuSelect, ASubmenuTitleClearsTheHelp) {
    host.messages.AddMessage("Recent", "Never shown: a submenu title has no help");
    SetStatus("Help of the last item");
    form.Select(menu.Handle(), 3, MF_POPUP | MF_HILITE);  // the low word is the position here
    EXPECT_EQ(host.events, Events{"Clear"});
    EXPECT_EQ(form.StatusText(), "");
}

TEST_F(MenuSelect, ANullMenuThatIsNotTheCloseDoesNothing) {
    SetStatus("Kept");
    form.Select(nullptr, kSave, MF_HILITE);
    EXPECT_EQ(host.events, Events{});
    EXPECT_EQ(form.StatusText(), "Kept");
}

// This system's ANSI code page is 1252, which cannot hold Japanese text: the default help in
// code page 932 must still reach the bar as the characters it stands for.
TEST_F(MenuSelect, JapaneseDefaultHelpReachesTheBarIntact) {
    LoadedLibrary library("BrocadeRes.dll");
    ASSERT_NE(library.Get(), nullptr);
    host.defaultHelp.LoadDefaultHelp(library.Get(), kEnglish);
    host.defaultHelp.LoadDefaultHelp(library.Get(), kJapanese);
    EXPECT_EQ(GetACP(), 1252u);

    std::string caption = ToCodePage(L"\x958B\x304F", 932);  // 開く
    menu.AddItem(110, caption, 1010);
    host.AddRecord(1010, caption, "", kJapanese);
    form.Select(menu.Handle(), 110, MF_HILITE);

    ASSERT_EQ(host.Count("Show:"), 1);
    EXPECT_EQ(form.StatusTextW(), L"\x65E2\x5B58\x306E\x6587\x66F8\x3092\x958B\x304D\x307E\x3059");  // 既存の文書を開きます
}

TEST_F(MenuSelect, AFormWithoutAStatusBarStillGetsTheEvents) {
    host.statusBar = FindStatusBar(TestForm(nullptr).Handle());
    EXPECT_EQ(host.statusBar, nullptr);
    host.messages.AddMessage("Save", "Saves the document");
    form.Select(menu.Handle(), kSave, MF_HILITE);
    form.CloseMenu();
    EXPECT_EQ(host.events, (Events{"Show:&Save:Saves the document", "Clear"}));
}

// --- The system's own menu loop -----------------------------------------------------------------

class ShownMenuSelect : public MenuSelect {
protected:
    ShownMenuSelect() : MenuSelect(TestForm::kShown) {}
};

TEST_F(ShownMenuSelect, TheMenuLoopsSelectionsAndCloseReachTheHost) {
    host.messages.AddMessage("Open", "Opens an existing document");
    std::string shownWhileOpen;
    INPUT down[2] = {};
    down[0].type = down[1].type = INPUT_KEYBOARD;
    down[0].ki.wVk = down[1].ki.wVk = VK_DOWN;
    down[1].ki.dwFlags = KEYEVENTF_KEYUP;
    form.Track(menu.Handle(), {[&] { SendInput(2, down, sizeof(INPUT)); },
                               [&] { shownWhileOpen = form.StatusText(); }});
    EXPECT_EQ(shownWhileOpen, "Opens an existing document");
    ASSERT_FALSE(host.events.empty());
    EXPECT_EQ(host.events.front(), "Show:&Open...:Opens an existing document");
    EXPECT_EQ(host.events.back(), "Clear");
    EXPECT_EQ(form.StatusText(), "");
}
