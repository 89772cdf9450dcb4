// Menus made by a seeded generator with odd texts (empty, very long, marked Unicode captions,
// "&" at the end, tabs), separators, checked and grayed items and submenus, scanned and drawn
// as the menu would, twice, then given back when the control closes.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "support/form.h"
#include "support/gdi_count.h"
#include "support/hosted_control.h"
#include "support/pixels.h"

using namespace brocade_test;

namespace {

class Generator {
public:
    explicit Generator(unsigned seed) : engine_(seed) {}
    int Below(int limit) { return static_cast<int>(engine_() % static_cast<unsigned>(limit)); }

    std::string Text() {
        switch (Below(8)) {
        case 0: return "";
        case 1: return std::string(300 + Below(1200), 'W') + "\tCtrl+W";
        case 2: {  // FF FE, then UTF-16LE units with no zero byte
            std::string text = "\xFF\xFE";
            for (int i = 1 + Below(12); i > 0; --i) text += {char('A' + Below(26)), "\x4E\x30\x41"[Below(3)]};
            return text;
        }
        case 3: return "Ends with &";
        default: {
            static const char kPieces[] = "&&\t. aZ0|\xE9";
            std::string text;
            for (int i = 1 + Below(30); i > 0; --i) text += kPieces[Below(sizeof kPieces - 1)];
            return text;
        }
        }
    }

    void Fill(HMENU menu, int depth) {
        for (int i = 1 + Below(depth ? 6 : 14); i > 0; --i) {
            const int kind = Below(8);
            if (kind == 0) AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
            else if (kind == 1 && depth < 3) {
                HMENU sub = CreatePopupMenu();
                Fill(sub, depth + 1);
                AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), Text().c_str());
            } else
                AppendMenuA(menu, MF_STRING | (Below(4) ? 0 : MF_CHECKED) | (Below(5) ? 0 : MF_GRAYED), 100 + Below(60000), Text().c_str());
        }
    }

private:
    std::mt19937 engine_;
};

struct Item {
    HMENU menu;
    UINT position;
    std::string text;  // as the host reads it through the ANSI functions
};

void Collect(HMENU menu, std::vector<Item> &items) {
    for (UINT i = 0; i < UINT(GetMenuItemCount(menu)); ++i) {
        std::string text(GetMenuStringA(menu, i, nullptr, 0, MF_BYPOSITION) + 1, '\0');
        text.resize(GetMenuStringA(menu, i, text.data(), int(text.size()), MF_BYPOSITION));
        items.push_back({menu, i, text});
        if (HMENU sub = GetSubMenu(menu, i)) Collect(sub, items);
    }
}

// Opens every popup of the tree as the menu does, measuring and drawing each converted item,
// and returns the item data of the converted items.
void Open(HWND form, HMENU menu, UINT index, std::vector<ULONG_PTR> &serials) {
    SendMessageW(form, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), MAKELPARAM(index, FALSE));
    for (UINT i = 0; i < UINT(GetMenuItemCount(menu)); ++i) {
        MENUITEMINFOW info = {sizeof info, MIIM_FTYPE | MIIM_ID | MIIM_DATA | MIIM_SUBMENU};
        GetMenuItemInfoW(menu, i, TRUE, &info);
        if (info.fType & MFT_OWNERDRAW) {
            serials.push_back(info.dwItemData);
            const UINT id = info.hSubMenu ? UINT(reinterpret_cast<UINT_PTR>(info.hSubMenu)) : info.wID;
            MEASUREITEMSTRUCT measure = {ODT_MENU, 0, id, 0, 0, info.dwItemData};
            SendMessageW(form, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
            Surface pixels(std::max(1, int(measure.itemWidth)), std::max(1, int(measure.itemHeight)));
            DRAWITEMSTRUCT draw = {ODT_MENU, 0, id, ODA_DRAWENTIRE, i % 2 ? UINT(ODS_SELECTED) : 0, reinterpret_cast<HWND>(menu),
                                   pixels.Dc(), {0, 0, pixels.Width(), pixels.Height()}, info.dwItemData};
            SendMessageW(form, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
        }
        if (info.hSubMenu) Open(form, info.hSubMenu, i, serials);
    }
}

}  // namespace

TEST(RandomMenus, ConvertedItemsAreNumberedFrom1001AndGiveTheirTextsBackWithNoGdiObjectLeft) {
    const unsigned seeds[] = {7, 7, 1234, 99991, 4242};  // the first run fills the system's caches
    for (int run = 0; run < 5; ++run) {
        const unsigned seed = seeds[run];
        SCOPED_TRACE("seed " + std::to_string(seed));
        Generator generate(seed);
        Form form;
        HMENU root = form.AddPopup("&Random", {});
        generate.Fill(root, 0);
        std::vector<Item> before;
        Collect(GetMenu(form), before);
        const int gdi = GdiObjectCountBesidesCachedDcs();
        const std::string census = GdiCensus();
        {
            HostedControl control = HostedControl::WithSite(form);
            ASSERT_TRUE(control);
            Put(control, L"HighlightStyle", seed % 11);
            Put(control, L"MenuBorder", seed % 3);
            std::vector<ULONG_PTR> first, again;
            SendMessageW(form, WM_ENTERMENULOOP, FALSE, 0);
            SendMessageW(form, WM_INITMENU, reinterpret_cast<WPARAM>(GetMenu(form)), 0);
            Open(form, root, 0, first);
            Open(form, root, 0, again);
            SendMessageW(form, WM_EXITMENULOOP, FALSE, 0);
            ASSERT_FALSE(first.empty());
            EXPECT_EQ(again, first) << "a second scan keeps every item's record";
            const std::set<ULONG_PTR> distinct(first.begin(), first.end());
            EXPECT_EQ(distinct.size(), first.size()) << "one serial per item";
            EXPECT_GE(*distinct.begin(), 1001u) << "serials start after 1000";
            EXPECT_LT(*distinct.rbegin(), 1001u + first.size() + 1) << "serials count up by one (the bar's title has one too)";
        }
        std::vector<Item> after;
        Collect(GetMenu(form), after);
        ASSERT_EQ(after.size(), before.size());
        for (size_t i = 0; i < before.size(); ++i) {
            MENUITEMINFOW info = {sizeof info, MIIM_FTYPE};
            GetMenuItemInfoW(after[i].menu, after[i].position, TRUE, &info);
            EXPECT_FALSE(info.fType & MFT_OWNERDRAW) << "item " << i << " is a string item again";
            EXPECT_EQ(after[i].text, before[i].text) << "item " << i << ": its text, byte for byte";
        }
        if (run > 0) {
            EXPECT_EQ(GdiObjectCountBesidesCachedDcs(), gdi) << "was: " << census << "\nnow: " << GdiCensus();
        }
    }
}
