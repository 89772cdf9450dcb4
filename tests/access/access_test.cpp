// What screen readers and keyboard users get from menus the control has taken over, and what a
// user who chose a high-contrast scheme sees.
#include <gtest/gtest.h>
#include <oleacc.h>

#include <map>
#include <string>

#include "support/automation.h"
#include "support/form.h"
#include "support/hosted_control.h"
#include "support/menus.h"
#include "../routing/menu_items.h"

using namespace brocade_test;

namespace {

// A marked Unicode caption: FF FE, then the UTF-16LE units of U+3042 U+30A2 (no zero byte).
const char kMarked[] = "\xFF\xFE\x42\x30\xA2\x30";
const char *const kItems[] = {"&Open\tCtrl+O", "-", "E&xit", kMarked};

std::wstring ItemStringW(HMENU menu, int position) {
    wchar_t text[128] = {};
    MENUITEMINFOW info = {sizeof info, MIIM_STRING};
    info.dwTypeData = text, info.cch = 128;
    return GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info) ? text : L"<none>";
}

std::string ItemStringA(HMENU menu, int position) {
    char text[128] = {};
    return std::string(text, static_cast<size_t>(GetMenuStringA(menu, position, text, 128, MF_BYPOSITION)));
}

std::wstring Widened(const char *ansi) {
    wchar_t wide[128] = {};
    MultiByteToWideChar(CP_ACP, 0, ansi, -1, wide, 128);
    return wide;
}

}  // namespace

// Wine keeps an item's old text through ModifyMenu(MF_OWNERDRAW) by itself; Windows needs the
// string set again, so here only a wrong or lost string fails.
TEST(Access, ConvertedItemsKeepTheirTextAndRestoreGivesBackTheBytes) {
    for (const bool teardown : {false, true}) {
        SCOPED_TRACE(teardown ? "teardown" : "Enabled False");
        Form form;
        HMENU popup = form.AddPopup("&File", {kItems[0], kItems[1], kItems[2], kItems[3]});
        HostedControl control = HostedControl::InAtl(form);
        ASSERT_TRUE(control);
        DrawItemThroughForm(form, popup, 0);
        for (int i = 0; i < 4; ++i) {
            SCOPED_TRACE(kItems[i]);
            EXPECT_TRUE(OwnerDrawn(popup, i));
            EXPECT_GT(ItemData(popup, i), 1000u) << "the item data is the record's serial";
            if (i != 1) {
                EXPECT_EQ(ItemStringW(popup, i), Widened(kItems[i]));
            }
        }
        if (teardown) control.Close();
        else ASSERT_EQ(Put(control, L"Enabled", false).hr, S_OK);
        for (int i = 0; i < 4; ++i) {
            EXPECT_FALSE(OwnerDrawn(popup, i)) << kItems[i];
            if (i != 1) {
                EXPECT_EQ(ItemStringA(popup, i), kItems[i]);
            }
        }
    }
}

// The items still paint through the control in the system's menu loop, and a typed mnemonic
// still chooses its item with the string present (Windows sends WM_MENUCHAR for owner-drawn
// items, which the control answers; Wine matches the string itself and sends none).
TEST(Access, RealPopupPaintsThroughTheControlAndAnswersMnemonics) {
    Form form({true});
    HMENU popup = form.AddPopup("&File", {"&Open", "E&xit"});
    HostedControl control = HostedControl::InAtl(form);
    ASSERT_TRUE(control);
    ASSERT_EQ(Put(control, L"UseCustomColors", true).hr, S_OK);
    ASSERT_EQ(Put(control, L"MenuBackground", 0x20C810).hr, S_OK);
    bool painted = false;
    ASSERT_TRUE(WithOpenPopup(form, popup, 50, 50, [&](HWND window) {
        const Surface shown = WindowPixels(window);
        for (int x = 0; x < shown.Width() && !painted; ++x) painted = shown.At(x, shown.Height() / 2) == 0x20C810;
        if (painted) PressKeys({'X'});
        return painted;
    }));
    EXPECT_TRUE(painted) << "the control's background colour is not on the item";
    EXPECT_TRUE(WaitFor([&] {
        for (const Form::Message &m : form.received)
            if (m.msg == WM_COMMAND && LOWORD(m.wParam) == 101) return true;
        return false;
    }, 2000, "typing x choosing E&xit"));
}

// The menu bar's and the system menu's standard accessible objects name their items.
TEST(Access, StandardAccessibleObjectsNameTheItems) {
    Form form({true});
    form.AddPopup("&File", {"&Open"});
    form.AddPopup("&Edit", {"&Copy"});
    HostedControl control = HostedControl::InAtl(form);
    ASSERT_TRUE(control);
    HMENU bar = GetMenu(form);
    ASSERT_TRUE(WaitFor([&] { return OwnerDrawn(bar, 0) && OwnerDrawn(bar, 1); }, 2000, "the bar's conversion"));
    ComPtr<IAccessible> menu;
    HRESULT hr = AccessibleObjectFromWindow(form, static_cast<DWORD>(OBJID_MENU), IID_IAccessible,
                                            reinterpret_cast<void **>(menu.Out()));
    LONG count = 0;
    if (FAILED(hr) || !menu || FAILED(menu->get_accChildCount(&count)) || count == 0)
        GTEST_SKIP() << "Wine's oleacc makes no accessible object for OBJID_MENU (hr " << std::hex << hr << ")";
    ASSERT_EQ(count, 2);
    const wchar_t *names[] = {L"File", L"Edit"};
    for (LONG child = 1; child <= 2; ++child) {
        VARIANT id;
        V_VT(&id) = VT_I4, V_I4(&id) = child;
        BSTR name = nullptr;
        ASSERT_EQ(menu->get_accName(id, &name), S_OK);
        EXPECT_STREQ(name, names[child - 1]);
        SysFreeString(name);
    }
    ComPtr<IAccessible> system;
    EXPECT_EQ(AccessibleObjectFromWindow(form, static_cast<DWORD>(OBJID_SYSMENU), IID_IAccessible,
                                         reinterpret_cast<void **>(system.Out())), S_OK);
}

namespace {

bool HighContrastReported() {
    HIGHCONTRASTW now = {sizeof now};
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof now, &now, 0) && (now.dwFlags & HCF_HIGHCONTRASTON);
}

// The colours of a row of the item (by default the middle one, through the caption), with how
// often each shows.
std::map<COLORREF, int> Row(const Surface &item, int y = -1) {
    std::map<COLORREF, int> row;
    for (int x = 0; x < item.Width(); ++x) ++row[item.At(x, y < 0 ? item.Height() / 2 : y)];
    return row;
}

}  // namespace

// The setting is switched for this session only (no profile write) and put back.
TEST(Access, HighContrastDrawsInSystemColoursAndTheHostsColoursComeBack) {
    Form form;
    HMENU popup = form.AddPopup("&Alpha", {"&Alpha", "&Beta"});  // captions without built-in pictures
    HostedControl control = HostedControl::InAtl(form);
    ASSERT_TRUE(control);
    ASSERT_EQ(Put(control, L"UseCustomColors", true).hr, S_OK);
    for (auto [name, value] : {std::pair<const wchar_t *, LONG>{L"MenuBackground", 0x20C810},
                               {L"MenuHighlight", 0x1040F0}, {L"HighlightStyle", 1}, {L"MenuBorder", 2}})
        ASSERT_EQ(Put(control, name, value).hr, S_OK) << name;
    const Surface custom = DrawItemThroughForm(form, popup, 1, true);
    ASSERT_GT(Row(custom, 2).size(), 8u) << "a gradient in the host's colours";

    HIGHCONTRASTW saved = {sizeof saved};
    SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof saved, &saved, 0);
    HIGHCONTRASTW on = saved;
    on.dwFlags |= HCF_HIGHCONTRASTON;
    const bool kept = SystemParametersInfoW(SPI_SETHIGHCONTRAST, sizeof on, &on, 0) && HighContrastReported();
    if (kept) {
        SendMessageW(form, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
        const Surface selected = DrawItemThroughForm(form, popup, 1, true), plain = DrawItemThroughForm(form, popup, 0);
        SystemParametersInfoW(SPI_SETHIGHCONTRAST, sizeof saved, &saved, 0);
        std::map<COLORREF, int> bar = Row(selected), row = Row(plain);
        EXPECT_GT(bar[GetSysColor(COLOR_HIGHLIGHT)], selected.Width() / 2) << "a solid highlight bar";
        EXPECT_GT(bar[GetSysColor(COLOR_HIGHLIGHTTEXT)], 0) << "the selected caption shows";
        EXPECT_LE(Row(selected, 2).size(), 2u) << "a gradient or a shadow";
        EXPECT_GT(row[GetSysColor(COLOR_MENU)], plain.Width() / 2);
        EXPECT_GT(row[GetSysColor(COLOR_MENUTEXT)], 0);
        EXPECT_EQ(bar.count(0x20C810) + bar.count(0x1040F0) + row.count(0x20C810), 0u) << "the host's colours";
    }
    SendMessageW(form, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
    const Surface back = DrawItemThroughForm(form, popup, 1, true);
    ASSERT_EQ(back.Width(), custom.Width());
    for (int y = 0; y < back.Height(); ++y)
        for (int x = 0; x < back.Width(); ++x) ASSERT_EQ(back.At(x, y), custom.At(x, y)) << x << "," << y;
    if (!kept)
        GTEST_SKIP() << "Wine does not keep SPI_SETHIGHCONTRAST (it always reports high contrast off): only the "
                        "switch back to the host's colours through WM_SETTINGCHANGE is tested";
}
