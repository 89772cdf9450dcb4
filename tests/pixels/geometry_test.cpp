// Where an item's layers lie (bitmap column, highlight bar, check mark, text), how a disabled
// text is embossed, where a host's DrawMenuItemEx stops the painting, and the DC each host
// callback is handed.
#include "gdi.h"
#include "pixels/bench.h"

using namespace brocade_test;

namespace {

const Names kLayers = {{'C', kColumn}, {'B', kMenu}, {'H', kHighlight}, {'K', kBorder}};

// A selected item of 120 x 30 (2 more each way for the shadow), as runs of the layers' colours
// along row 1 and, where given, down column 1.
struct Layout {
    const char *name;
    bool rightToLeft;
    int border, style, overBitmap, position;
    std::string (*across)(int cx, int bw);
    std::string (*down)(int cy) = nullptr;
};

const Layout kLayouts[] = {
    {"LeftToRight", false, 0, 0, 0, 0, [](int cx, int bw) { return Runs({{'C', bw + 1}, {'B', 1}, {'H', cx - bw - 2}}); }},
    {"RightToLeft", true, 0, 0, 0, 0, [](int cx, int bw) { return Runs({{'H', cx - bw - 2}, {'B', 1}, {'C', bw + 1}}); }},
    {"RightToLeftFlat", true, 1, 0, 0, 0, [](int cx, int bw) { return Runs({{'H', cx - bw - 2}, {'B', 1}, {'C', bw + 1}}); }},
    {"FlatWithShadow", false, 2, 0, 0, 0,
     [](int cx, int bw) { return Runs({{'C', bw + 1}, {'B', 1}, {'H', cx - bw - 4}, {'B', 2}}); }},
    {"RightToLeftFlatWithShadow", true, 2, 0, 0, 0,
     [](int cx, int bw) { return Runs({{'H', cx - bw - 4}, {'B', 1}, {'C', bw + 1}, {'B', 2}}); }},
    // The last item keeps its bottom two rows for the shadow, background aside.
    {"LastItemFlatWithShadow", false, 2, 0, 0, 1,
     [](int cx, int bw) { return Runs({{'C', bw + 1}, {'B', 1}, {'H', cx - bw - 4}, {'B', 2}}); },
     [](int cy) { return Runs({{'C', cy - 2}, {'B', 2}}); }},
    {"AlwaysOverBitmap", false, 0, 0, 1, 0, [](int cx, int) { return Runs({{'H', cx}}); }},
    {"XP", false, 0, 9, 0, 0, [](int cx, int) { return Runs({{'K', 1}, {'H', cx - 2}, {'K', 1}}); }},
    {"XPNeverOverBitmap", false, 0, 9, 2, 0,
     [](int cx, int bw) { return Runs({{'C', bw + 1}, {'B', 1}, {'K', 1}, {'H', cx - bw - 4}, {'K', 1}}); }},
    // Right to left the themed bar is not cut short: it covers the column.
    {"RightToLeftXPNeverOverBitmap", true, 0, 9, 2, 0, [](int cx, int) { return Runs({{'K', 1}, {'H', cx - 2}, {'K', 1}}); }},
};

class Layers : public testing::TestWithParam<Layout> {};

TEST_P(Layers, LieWhereTheBorderTheDirectionAndTheStyleSay) {
    const Layout &row = GetParam();
    Bench bench({"x", "y"}, 120, 30);
    bench.Set(L"RightToLeft", row.rightToLeft);
    bench.Set(L"MenuBorder", row.border);
    bench.Set(L"HighlightStyle", row.style);
    bench.Set(L"HighlightOverBitmap", row.overBitmap);
    const Surface item = bench.Draw(row.position, true);
    ASSERT_GT(item.Height(), 2);
    EXPECT_EQ(Runs(item, 0, 1, 1, 0, kLayers), row.across(item.Width(), PlainColumnWidth()));
    if (row.down) {
        EXPECT_EQ(Runs(item, 1, 0, 0, 1, kLayers), row.down(item.Height()));
    }
}

INSTANTIATE_TEST_SUITE_P(Item, Layers, testing::ValuesIn(kLayouts), ByName());

TEST(Item, ACheckedItemShowsItsCheckMarkCentredInTheColumnRaisedOrOutlined) {
    constexpr COLORREF kMark = RGB(0, 200, 100), kKey = RGB(255, 0, 255);
    struct Case {
        const char *name;
        int style, iconSet;
        bool own;
    };
    for (const Case &c : {Case{"own mark, Plain", 0, 0, true}, Case{"own mark, XP", 9, 0, true},
                          Case{"built-in Office 2003 mark", 0, 1, false}}) {
        SCOPED_TRACE(c.name);
        Bench bench({"x", "y"}, 0, 30);
        bench.Set(L"HighlightStyle", c.style);
        bench.Set(L"MenuIconSet", c.iconSet);
        if (c.own) {
            EXPECT_EQ(PutRef(bench.control, L"CheckMark", BitmapPicture(8, 8, kMark).Get()).hr, S_OK);
        }
        CheckMenuItem(bench.popup, 0, MF_BYPOSITION | MF_CHECKED);
        const Surface checked = bench.Draw(0), unchecked = bench.Draw(1);
        const int bw = c.own ? PlainColumnWidth() : std::max(20, GetSystemMetrics(SM_CYMENU));  // 8 or 16 + 4
        int marked = 0;
        for (int y = 2; y < 28; ++y)
            for (int x = 2; x < bw - 2; ++x) marked += checked.At(x, y) != kColumn;
        EXPECT_GT(marked, 16) << "no mark in the column";
        EXPECT_EQ(CountOf(checked, kKey), 0) << "the built-in mark's back colour shows";
        EXPECT_EQ(Runs(unchecked, 0, 15, 1, 0, kLayers).substr(0, 1), "C") << "an unchecked item shows no mark";
        if (!c.own) continue;
        EXPECT_EQ(Hex(checked.At(bw / 2, 15)), Hex(kMark));
        // Raised with an edge round the column, or outlined inside it when the highlight covers it.
        const bool outlined = c.style == 9;
        EXPECT_EQ(Hex(checked.At(0, 15)), Hex(outlined ? kColumn : GetSysColor(COLOR_BTNHIGHLIGHT)));
        EXPECT_EQ(Hex(checked.At(1, 15)), Hex(outlined ? kBorder : kColumn));
        EXPECT_EQ(Hex(checked.At(bw - 1, 15)), Hex(outlined ? kBorder : GetSysColor(COLOR_BTNSHADOW)));
    }
}

// A disabled item in DisabledTextColor over a copy in HighlightedTextColor one pixel right and
// down, except in the themed styles without a background picture; a disabled title gets the
// copy only while it is not selected.
struct Emboss {
    const char *name;
    int style;
    bool picture, title, selected, embossed;
};

class Disabled : public testing::TestWithParam<Emboss> {};

TEST_P(Disabled, TextIsEmbossedUnlessTheStyleOrSelectionSaysOtherwise) {
    const Emboss &row = GetParam();
    Bench bench({"Save", "y"});
    bench.Set(L"HighlightStyle", row.style);
    if (row.picture) {
        EXPECT_EQ(PutRef(bench.control, L"BackgroundPicture", BitmapPicture(8, 8, kBar).Get()).hr, S_OK);
    }
    EnableMenuItem(row.title ? GetMenu(bench.form) : bench.popup, 0, MF_BYPOSITION | MF_GRAYED);
    const Surface item = row.title ? bench.DrawTitle(row.selected) : bench.Draw(0, row.selected);
    ASSERT_GT(CountOf(item, kGrayText), 0);
    EXPECT_EQ(CountOf(item, kSelectedText) > 0, row.embossed);
    const auto text = FirstOf(item, kGrayText), copy = FirstOf(item, kSelectedText);
    if (row.embossed && !row.title) {
        EXPECT_EQ(copy, std::make_pair(text.first + 1, text.second + 1));
    }
}

INSTANTIATE_TEST_SUITE_P(Item, Disabled,
                         testing::Values(Emboss{"Plain", 0, false, false, true, true}, Emboss{"XP", 9, false, false, true, false},
                                         Emboss{"XPOverAPicture", 9, true, false, true, true},
                                         Emboss{"Office2003", 10, false, false, true, false},
                                         Emboss{"Title", 0, false, true, false, true},
                                         Emboss{"SelectedTitle", 0, false, true, true, false}),
                         ByName());

// What a host's DrawMenuItem and DrawMenuItemEx handlers leave the control to paint, and the
// events it raises: "D" for DrawMenuItem, then the stages of DrawMenuItemEx.
struct Stop {
    const char *name;
    bool title, userDrawn;
    int stopAt;   // the stage whose handler sets bDoDefault False, -1 for none
    bool resume;  // the later handlers set it True again
    const char *raised;
    bool painted, bar, text;
};

class DoDefault : public testing::TestWithParam<Stop> {};

TEST_P(DoDefault, StopsThePaintingWhereTheHostSaysAndRaisesNoLaterStage) {
    const Stop &row = GetParam();
    Bench bench({"Save", "-"}, 120);  // a separator measures 0 wide: the host widens it
    const bool separator = row.stopAt == -1 && !row.title;
    auto draw = [&] { return row.title ? bench.DrawTitle() : bench.Draw(separator ? 1 : 0, true); };
    draw();  // converts the items; the menu bar redrawn meanwhile raises events of its own
    std::string raised;
    // Only the events of the item drawn: converting the popup redraws the menu bar too.
    auto drawn = [&](_CMenuItem *item) { return Get(item, L"IsTopLevel").value.AsBool() == row.title; };
    bench.sink.onDrawMenuItem = [&](_CMenuItem *item, HDC, bool, LONG, LONG, VARIANT_BOOL &userDrawn) {
        if (!drawn(item)) return;
        raised += 'D';
        if (row.userDrawn) userDrawn = VARIANT_TRUE;
    };
    bench.sink.onDrawMenuItemEx = [&](_CMenuItem *item, HDC, bool, LONG, LONG, LONG stage, VARIANT_BOOL &doDefault) {
        if (!drawn(item)) return;
        raised += static_cast<char>('0' + stage);
        if (stage == row.stopAt) doDefault = VARIANT_FALSE;
        else if (row.resume) doDefault = VARIANT_TRUE;
    };
    const Surface item = draw();
    EXPECT_EQ(raised, row.raised) << Runs(item, 0, 1, 1, 0, kLayers);
    const int blank = CountOf(item, RGB(0, 0, 0));  // the item's bitmap as made
    EXPECT_EQ(blank < item.Width() * item.Height(), row.painted) << blank << " black pixels";
    EXPECT_EQ(CountOf(item, row.title ? kBar : kHighlight) > 0, row.bar);
    EXPECT_EQ(CountOf(item, row.title ? kText : kSelectedText) > 0, row.text);
}

INSTANTIATE_TEST_SUITE_P(Item, DoDefault,
                         testing::Values(Stop{"UserDrawn", false, true, 3, false, "D", false, false, false},
                                         Stop{"PreErase", false, false, 0, false, "D0", false, false, false},
                                         Stop{"PostErase", false, false, 1, false, "D01", true, true, false},
                                         Stop{"PostDraw", false, false, 2, false, "D012", true, true, true},
                                         Stop{"SeparatorRaisesPreEraseOnly", false, false, -1, false, "D0", true, false, false},
                                         Stop{"TitleSkipsOnlyItsBackground", true, false, 0, true, "D012", true, false, true}),
                         ByName());

// The state of a DC as the painters rely on it.
std::string StateOf(HDC dc) {
    POINT viewport = {}, window = {};
    GetViewportOrgEx(dc, &viewport);
    GetWindowOrgEx(dc, &window);
    brocade::UniqueRegion clip(CreateRectRgn(0, 0, 0, 0));
    return testing::PrintToString(std::vector<LONG_PTR>{
        reinterpret_cast<LONG_PTR>(GetCurrentObject(dc, OBJ_FONT)), reinterpret_cast<LONG_PTR>(GetCurrentObject(dc, OBJ_BRUSH)),
        reinterpret_cast<LONG_PTR>(GetCurrentObject(dc, OBJ_PEN)), static_cast<LONG_PTR>(GetTextColor(dc)),
        static_cast<LONG_PTR>(GetBkColor(dc)), GetBkMode(dc), static_cast<LONG_PTR>(GetTextAlign(dc)), GetROP2(dc),
        GetMapMode(dc), viewport.x, viewport.y, window.x, window.y, GetClipRgn(dc, clip.Get())});
}

// Each item's first handler gets a memory DC in its default state, and every later one the state
// the painters left: whatever the handler before did (origin, clipping, selections, colours)
// neither reaches it nor moves or cuts what is painted.
TEST(Item, WhatAHostDoesToTheDcInAHandlerNeitherReachesItsNextHandlerNorChangesWhatIsPainted) {
    Bench bench({"&Open\tCtrl+O", "E&xit"});
    bench.Draw(0);  // converts the items; the menu bar redrawn meanwhile raises events of its own
    brocade::MemoryDc fresh(nullptr);
    const std::string freshState = StateOf(fresh.Get());
    brocade::UniqueFont font(CreateFontW(-30, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, L"Tahoma"));
    bool careless = false;
    std::vector<std::string> seen;
    auto handler = [&](HDC dc) {
        seen.push_back(StateOf(dc));
        if (!careless) return;
        SelectObject(dc, font.Get());
        SelectObject(dc, GetStockObject(DKGRAY_BRUSH));
        SelectObject(dc, GetStockObject(WHITE_PEN));
        SetTextColor(dc, RGB(1, 2, 3));
        SetBkColor(dc, RGB(4, 5, 6));
        SetBkMode(dc, TRANSPARENT);
        SetTextAlign(dc, TA_RIGHT | TA_BOTTOM);
        SetROP2(dc, R2_NOT);
        SetViewportOrgEx(dc, 5, 5, nullptr);
        SetWindowOrgEx(dc, -3, 2, nullptr);
        IntersectClipRect(dc, 0, 0, 3, 3);
    };
    bench.sink.onDrawMenuItem = [&](_CMenuItem *, HDC dc, bool, LONG, LONG, VARIANT_BOOL &) { handler(dc); };
    bench.sink.onDrawMenuItemEx = [&](_CMenuItem *, HDC dc, bool, LONG, LONG, LONG, VARIANT_BOOL &) { handler(dc); };
    const Surface open = bench.Draw(0, true), exit = bench.Draw(1);
    const std::vector<std::string> tidy = seen;
    ASSERT_EQ(tidy.size(), 8u) << "DrawMenuItem and three stages for each item";
    EXPECT_EQ(tidy[0], freshState);
    EXPECT_EQ(tidy[4], freshState);
    careless = true;
    for (int round = 0; round < 2; ++round) {
        seen.clear();
        const Surface openAgain = bench.Draw(0, true), exitAgain = bench.Draw(1);
        for (int y = 0; y < open.Height(); ++y)
            for (int x = 0; x < open.Width(); ++x) {
                ASSERT_EQ(Hex(openAgain.At(x, y)), Hex(open.At(x, y))) << "Open at " << x << "," << y;
                ASSERT_EQ(Hex(exitAgain.At(x, y)), Hex(exit.At(x, y))) << "Exit at " << x << "," << y;
            }
        EXPECT_EQ(seen, tidy);
    }
}

}  // namespace
