// The scan as a host sees it: serials as item data from 1001, mnemonics answered through
// WM_MENUCHAR, every converted menu given back byte for byte, and a handler that rescans the
// menu bar from inside the scan.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "routing/menu_items.h"
#include "support/event_sink.h"
#include "support/form.h"
#include "support/hosted_control.h"

using namespace brocade_test;

namespace {

// A new control's first scan: a context menu of the form (which has no menu bar to scan).
class FirstScan : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(control);
        SendMessageW(form, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
    }
    Form form;
    HMENU popup = form.MakePopup({"&Open", "-", "&Close", "&Help", "&History", "&&Fish", "Total&", "E&xit"});
    HostedControl control = HostedControl::WithSite(form);
};

}  // namespace

TEST_F(FirstScan, GivesEveryItemSeparatorsIncludedASerialFrom1001AsItsItemData) {
    for (int i = 0; i < GetMenuItemCount(popup); ++i) {
        EXPECT_TRUE(OwnerDrawn(popup, i)) << i;
        EXPECT_EQ(ItemData(popup, i), 1001u + i) << i;
    }
    HMENU next = form.MakePopup({"&Paste"});
    SendMessageW(form, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(next), 0);
    EXPECT_EQ(ItemData(next, 0), 1009u) << "serials go on from menu to menu";
}

TEST_F(FirstScan, AnswersWmMenuCharWithThePositionOfTheFirstItemWhoseMnemonicWasTyped) {
    constexpr LRESULT kFormsAnswer = MAKELONG(0, MNC_CLOSE);
    form.onMessage = [&](UINT msg, WPARAM, LPARAM, LRESULT &result) {
        result = kFormsAnswer;
        return msg == WM_MENUCHAR;
    };
    // The key and the position chosen; -1: the form's own procedure answers.
    const std::pair<wchar_t, int> typed[] = {{L'c', 2}, {L'C', 2}, {L'o', 0}, {L'h', 3}, {L'H', 3},
                                             {L'&', 5}, {L'x', 7}, {L't', -1}, {L'q', -1}, {L' ', -1}};
    for (const auto &[key, position] : typed) {
        // Sent by the test: Wine answers owner-drawn items' mnemonics itself and never sends it.
        const int before = form.Count(WM_MENUCHAR);
        const LRESULT answer =
            SendMessageW(form, WM_MENUCHAR, MAKEWPARAM(key, MF_POPUP), reinterpret_cast<LPARAM>(popup));
        EXPECT_EQ(answer, position < 0 ? kFormsAnswer : MAKELONG(position, MNC_EXECUTE)) << "typed '" << char(key) << "'";
        EXPECT_EQ(form.Count(WM_MENUCHAR) - before, position < 0 ? 1 : 0) << "typed '" << char(key) << "'";
    }
}

namespace {

// Each item of a menu tree as a host reads it back: its ANSI bytes, id, state bits, submenu and
// whether owner-drawn. A grayed item may come back disabled too (MFS_GRAYED holds both bits), so
// MF_DISABLED is not compared.
void Read(HMENU menu, std::vector<std::string> &items) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        std::string text(GetMenuStringA(menu, i, nullptr, 0, MF_BYPOSITION) + 1, '\0');
        text.resize(GetMenuStringA(menu, i, &text[0], static_cast<int>(text.size()), MF_BYPOSITION));
        std::ostringstream read;
        read << '"' << text << "\" id " << GetMenuItemID(menu, i) << " state "
             << (GetMenuState(menu, i, MF_BYPOSITION) & (MF_CHECKED | MF_GRAYED | MF_SEPARATOR))
             << (GetSubMenu(menu, i) ? " opens a submenu" : "") << (OwnerDrawn(menu, i) ? " owner-drawn" : "");
        items.push_back(read.str());
        if (HMENU sub = GetSubMenu(menu, i)) Read(sub, items);
    }
}

// The control closes (true) or is disabled.
class GivesBack : public testing::TestWithParam<bool> {};

}  // namespace

TEST_P(GivesBack, EveryConvertedItemAsAStringItemByteForByte) {
    Form form, other;
    const std::string longText = std::string(300, 'W') + "&x\tCtrl+W";
    HMENU file = form.AddPopup("&File", {"&Open\tCtrl+O", "-", "Fish && Chips", longText.c_str(), "\xC4\xD6\xDC\xE4"});
    CheckMenuItem(file, 0, MF_BYPOSITION | MF_CHECKED);
    EnableMenuItem(file, 2, MF_BYPOSITION | MF_GRAYED);
    HMENU more = form.AddPopup("&More", {"&Inner"}, file);
    HMENU context = form.MakePopup({"Cu&t", "-", "&Paste"});
    HMENU tools = other.AddPopup("&Tools", {"&Options"});
    HMENU system = GetSystemMenu(form, FALSE);
    // Disabling gives back the menu bars and system menus of the form and the registered
    // windows; a control that closes gives back every menu it converted.
    std::vector<HMENU> menus = {GetMenu(form), system, GetMenu(other)};
    if (GetParam()) menus.push_back(context);
    std::vector<std::string> before, after;
    for (HMENU menu : menus) Read(menu, before);

    HostedControl control = HostedControl::WithSite(form);
    ASSERT_TRUE(control);
    ASSERT_EQ(Call(control, L"RegisterWindowMenu", {Handle(other)}).hr, S_OK);
    SendMessageW(form, WM_INITMENU, reinterpret_cast<WPARAM>(GetMenu(form)), 0);
    for (HMENU popup : {file, more, context}) SendMessageW(form, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
    SendMessageW(form, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(system), MAKELPARAM(0, TRUE));
    SendMessageW(other, WM_INITMENU, reinterpret_cast<WPARAM>(GetMenu(other)), 0);
    SendMessageW(other, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(tools), 0);
    for (HMENU menu : {GetMenu(form), file, more, context, system, GetMenu(other), tools})
        EXPECT_EQ(OwnerDrawnCount(menu), GetMenuItemCount(menu)) << "every item converted";

    if (GetParam())
        control.Close();
    else
        ASSERT_EQ(Put(control, L"Enabled", false).hr, S_OK);
    for (HMENU menu : menus) Read(menu, after);
    EXPECT_EQ(after, before);
    if (GetParam()) return;
    ASSERT_EQ(Put(control, L"Enabled", true).hr, S_OK);
    EXPECT_TRUE(OwnerDrawn(GetMenu(other), 0)) << "enabled again: the registered window's menu bar is converted";
    EXPECT_TRUE(OwnerDrawn(GetMenu(form), 0)) << "enabled again: the form's menu bar is converted";
}

INSTANTIATE_TEST_SUITE_P(Scan, GivesBack, testing::Bool(), [](const testing::TestParamInfo<bool> &info) {
    return info.param ? "WhenClosed" : "WhenDisabled";
});

// A host whose SetMenuItemAttributes handler changes a property that redraws the menu bar: the
// bar's scan would start again inside itself, for ever.
TEST(Scan, AHandlerThatRedrawsTheMenuBarFromInsideItsScanGetsOneEventPerTitle) {
    Form form;
    form.AddPopup("&File", {"&Open"});
    form.AddPopup("&Edit", {"&Copy"});
    HMENU bar = GetMenu(form);
    HostedControl control = HostedControl::InAtl(form);
    ASSERT_TRUE(control);
    ASSERT_TRUE(WaitFor([&] { return OwnerDrawn(bar, 0) && OwnerDrawn(bar, 1); }, 2000, "the first redraw of the bar"));
    ASSERT_EQ(Put(control, L"UseCustomColors", true).hr, S_OK);
    EventSink sink;
    ASSERT_TRUE(sink.Connect(control));
    LONG colour = 0x102030;
    sink.onSetMenuItemAttributes = [&](_CMenuItem *) { Put(control, L"MenuBarBackground", ++colour); };
    // The host rewrites its titles, so that they are scanned again on every system.
    auto rewrite = [&](int title) {
        ModifyMenuA(bar, title, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(GetSubMenu(bar, title)), "&Title");
    };
    rewrite(0);
    rewrite(1);
    SendMessageW(form, WM_INITMENU, reinterpret_cast<WPARAM>(bar), 0);
    EXPECT_EQ(sink.Count(kSetMenuItemAttributes), 2);
    rewrite(0);
    SendMessageW(form, WM_INITMENU, reinterpret_cast<WPARAM>(bar), 0);
    EXPECT_GT(sink.Count(kSetMenuItemAttributes), 2) << "a later scan of the bar runs";
    EXPECT_TRUE(OwnerDrawn(bar, 0));
}
