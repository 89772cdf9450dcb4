// Menus made by a seeded generator with odd texts (empty, very long, marked Unicode captions,
// "&" at the end, tabs), separators, checked and grayed items and submenus, scanned and drawn
// as the menu would, twice, then given back when the control closes.
#include <gtest/gtest.h>
#include <windows.h>

#include <random>
#include <set>
#include <string>
#include <vector>

#include "support/form.h"
#include "support/gdi_count.h"
#include "support/hosted_control.h"
#include "support/menus.h"

using namespace brocade_test;

namespace {

struct Generator {
    std::mt19937 engine;
    int Below(int limit) { return int(engine() % unsigned(limit)); }

    // Empty, very long, a marked Unicode caption (FF FE, then UTF-16LE units without a zero
    // byte), "&" at the end, or pieces with mnemonics, tabs and a non-ASCII byte.
    std::string Text() {
        const int kind = Below(8);
        std::string text = kind == 1 ? std::string(300 + Below(1200), 'W') + "\tCtrl+W" : kind == 2 ? "\xFF\xFE" : kind == 3 ? "Ends with &" : "";
        for (int i = kind == 2 ? 1 + Below(12) : 0; i > 0; --i) text += {char('A' + Below(26)), "\x4E\x30\x41"[Below(3)]};
        for (int i = kind > 3 ? 1 + Below(30) : 0; i > 0; --i) text += "&&\t. aZ0|\xE9"[Below(11)];
        return text;
    }

    void Fill(HMENU menu, int depth) {
        for (int i = 1 + Below(depth ? 6 : 14); i > 0; --i) {
            const int kind = Below(8);
            HMENU sub = kind == 1 && depth < 3 ? CreatePopupMenu() : nullptr;
            if (sub) Fill(sub, depth + 1);
            const UINT flags = kind == 0 ? MF_SEPARATOR : sub ? MF_POPUP : MF_STRING | (Below(4) ? 0 : MF_CHECKED) | (Below(5) ? 0 : MF_GRAYED);
            AppendMenuA(menu, flags, sub ? reinterpret_cast<UINT_PTR>(sub) : 100 + Below(60000), kind ? Text().c_str() : nullptr);
        }
    }
};

// Every item's text as the host reads it through the ANSI functions, marked when owner-drawn.
void Collect(HMENU menu, std::vector<std::string> &items) {
    for (UINT i = 0; i < UINT(GetMenuItemCount(menu)); ++i) {
        std::string text(GetMenuStringA(menu, i, nullptr, 0, MF_BYPOSITION) + 1, '\0');
        text.resize(GetMenuStringA(menu, i, text.data(), int(text.size()), MF_BYPOSITION));
        MENUITEMINFOW info = {sizeof info, MIIM_FTYPE};
        GetMenuItemInfoW(menu, i, TRUE, &info);
        items.push_back(info.fType & MFT_OWNERDRAW ? text + " (owner-drawn)" : text);
        if (HMENU sub = GetSubMenu(menu, i)) Collect(sub, items);
    }
}

// Opens every popup of the tree as the menu does, drawing each converted item, and collects
// the item data of the converted items.
void Open(HWND form, HMENU menu, std::vector<ULONG_PTR> &serials) {
    SendMessageW(form, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), 0);
    for (UINT i = 0; i < UINT(GetMenuItemCount(menu)); ++i) {
        MENUITEMINFOW info = {sizeof info, MIIM_FTYPE | MIIM_DATA | MIIM_SUBMENU};
        GetMenuItemInfoW(menu, i, TRUE, &info);
        if (info.fType & MFT_OWNERDRAW) serials.push_back(info.dwItemData), DrawItemThroughForm(form, menu, i, i % 2);
        if (info.hSubMenu) Open(form, info.hSubMenu, serials);
    }
}

}  // namespace

TEST(RandomMenus, ConvertedItemsAreNumberedFrom1001AndGiveTheirTextsBackWithNoGdiObjectLeft) {
    const unsigned seeds[] = {7, 7, 1234, 99991, 4242};  // the first run fills the system's caches
    for (int run = 0; run < 5; ++run) {
        const unsigned seed = seeds[run];
        SCOPED_TRACE("seed " + std::to_string(seed));
        Generator generate{std::mt19937(seed)};
        Form form;
        HMENU root = form.AddPopup("&Random", {});
        generate.Fill(root, 0);
        std::vector<std::string> before, after;
        Collect(GetMenu(form), before);
        const int gdi = GdiObjectCountBesidesCachedDcs();
        const std::string census = GdiCensus();
        {
            HostedControl control = HostedControl::WithSite(form);
            ASSERT_TRUE(control);
            Put(control, L"HighlightStyle", seed % 11);
            Put(control, L"MenuBorder", seed % 3);
            std::vector<ULONG_PTR> first, again;
            SendMessageW(form, WM_INITMENU, reinterpret_cast<WPARAM>(GetMenu(form)), 0);
            Open(form, root, first);
            Open(form, root, again);
            ASSERT_FALSE(first.empty());
            EXPECT_EQ(again, first) << "a second scan keeps every item's record";
            const std::set<ULONG_PTR> distinct(first.begin(), first.end());
            EXPECT_EQ(distinct.size(), first.size()) << "one serial per item";
            EXPECT_GE(*distinct.begin(), 1001u) << "serials start after 1000";
            EXPECT_LT(*distinct.rbegin(), 1001u + first.size() + 1) << "serials count up by one (the bar's title has one too)";
        }
        Collect(GetMenu(form), after);
        ASSERT_EQ(after.size(), before.size());
        for (size_t i = 0; i < before.size(); ++i) EXPECT_EQ(after[i], before[i]) << "item " << i << ": a string item again, byte for byte";
        if (run > 0) {
            EXPECT_EQ(GdiObjectCountBesidesCachedDcs(), gdi) << "was: " << census << "\nnow: " << GdiCensus();
        }
    }
}
