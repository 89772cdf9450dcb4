// WM_DRAWITEM on records of real scanned menus, painted straight into a DIB section: the
// layers and their extents, the host's events, and the memory DC the host is handed.
#include <gtest/gtest.h>

#include <functional>

#include "common/enums.h"
#include "paint/paint_test_support.h"
#include "common/color_utils.h"
#include "render/draw_item.h"

namespace paint_test {
namespace {

using brocade::kFalse;
using brocade::kTrue;
using brocade_test::Surface;

constexpr int kWidth = 200, kHeight = 20;

class DrawItem : public testing::Test {
protected:
    // Items: 0 "Open\tCtrl+O", 1 separator, 2 "Save", 3 "Close" (the last).
    PaintBench bench{{"&Open\tCtrl+O", "-", "Save", "Close"}};
    Surface screen{kWidth, 5 * kHeight};
    const brocade::PaintStyle &style = bench.host.style;
    const int bw = GetSystemMetrics(SM_CYMENU);  // the bitmap column without pictures

    void SetUp() override { ASSERT_EQ(bw, 19); }

    static RECT Row(int position, int height = kHeight) {
        return RECT{0, position * kHeight, kWidth, position * kHeight + height};
    }
    LRESULT Draw(int position, UINT state = 0, int height = kHeight) {
        return bench.Draw(screen.Dc(), position, Row(position, height), state);
    }
    COLORREF At(int position, int x, int y) const { return screen.At(x, position * kHeight + y); }
    int Count(int position, COLORREF color) const { return CountColor(screen, Row(position), color); }
    std::vector<Raised> Stages(long serial, std::initializer_list<int> stages) const {
        std::vector<Raised> list;
        for (int stage : stages) list.push_back(Raised{serial, stage});
        return list;
    }
    long Serial(int position) { return bench.At(position)->ItemSerial(); }
};

// --- What is left to the window --------------------------------------------------------

TEST_F(DrawItem, OtherControlsAndItemsWithoutARecordGoToTheWindow) {
    DRAWITEMSTRUCT button = {};
    button.CtlType = ODT_BUTTON;
    button.hDC = screen.Dc();
    brocade::Boolean route = kTrue;
    EXPECT_EQ(brocade::OnDrawItem(bench.host, 0, reinterpret_cast<LPARAM>(&button), route), 0);
    EXPECT_EQ(brocade::OnDrawItem(bench.host, 0, 0, route), 0);
    EXPECT_EQ(route, kTrue);

    // The record went between WM_MEASUREITEM and WM_DRAWITEM.
    DRAWITEMSTRUCT gone = {};
    gone.CtlType = ODT_MENU;
    gone.hDC = screen.Dc();
    gone.rcItem = Row(0);
    gone.itemData = 999999;
    EXPECT_EQ(brocade::OnDrawItem(bench.host, 0, reinterpret_cast<LPARAM>(&gone), route), 0);
    EXPECT_EQ(route, kTrue);
    EXPECT_EQ(Count(0, brocade_test::kBackdrop), kWidth * kHeight);
    EXPECT_TRUE(bench.host.raised.empty());
}

// --- Layers and extents ------------------------------------------------------------------

// Normal border, Plain style: background, the column 0 to bw (bw + 1 pixels), and a
// selected item's bar from bw + 2 to the right edge over the whole height.
TEST_F(DrawItem, APopupItemShowsBackgroundColumnAndBar) {
    brocade::Boolean route = kTrue;
    EXPECT_EQ(bench.Draw(screen.Dc(), 2, Row(2), ODS_SELECTED, &route), 1);
    EXPECT_EQ(route, kFalse);
    EXPECT_EQ(Draw(3), 1);
    EXPECT_EQ(At(3, 0, 5), style.bitmapBackground);
    EXPECT_EQ(At(3, bw, 5), style.bitmapBackground);
    EXPECT_EQ(At(3, bw + 1, 5), style.menuBackground);
    EXPECT_EQ(At(3, kWidth - 1, kHeight - 1), style.menuBackground);

    EXPECT_EQ(At(2, bw, 0), style.bitmapBackground);
    EXPECT_EQ(At(2, bw + 1, 0), style.menuBackground);  // the gap before the bar
    EXPECT_EQ(At(2, bw + 2, 0), style.menuHighlight);
    EXPECT_EQ(At(2, kWidth - 1, kHeight - 1), style.menuHighlight);
}

// Flat with Shadow: every bar ends 2 pixels before the right edge; the last item's column,
// bar and text end 2 pixels above its bottom while its background fills it all.
TEST_F(DrawItem, FlatWithShadowKeepsTheShadowStripsFree) {
    bench.host.style.menuBorder = brocade::kBorderFlatWithShadow;
    ASSERT_EQ(bench.At(3)->IsLast(), kTrue);
    Draw(2, ODS_SELECTED);
    Draw(3, ODS_SELECTED, kHeight + 2);
    EXPECT_EQ(At(2, kWidth - 3, kHeight - 1), style.menuHighlight);
    EXPECT_EQ(At(2, kWidth - 2, kHeight - 1), style.menuBackground);
    EXPECT_EQ(At(2, 0, kHeight - 1), style.bitmapBackground);  // not the last: the full height

    EXPECT_EQ(At(3, bw + 2, kHeight - 1), style.menuHighlight);  // bottom - 3 of 22
    EXPECT_EQ(At(3, bw + 2, kHeight), style.menuBackground);
    EXPECT_EQ(At(3, bw + 2, kHeight + 1), style.menuBackground);
    EXPECT_EQ(At(3, 0, kHeight - 1), style.bitmapBackground);
    EXPECT_EQ(At(3, 0, kHeight), style.menuBackground);
}

// Right to left the column sits at the right edge: from cx - bw - 1 with a normal border,
// from cx - bw - 3 beside the shadow; the bar ends bw + 2 before the column side.
TEST_F(DrawItem, RightToLeftMirrorsColumnAndBar) {
    bench.host.style.rightToLeft = true;
    Draw(0, ODS_SELECTED);
    EXPECT_EQ(At(0, kWidth - bw - 3, 5), style.menuHighlight);  // the bar ends at cx - (bw + 2)
    EXPECT_EQ(At(0, kWidth - bw - 2, 5), style.menuBackground);
    EXPECT_EQ(At(0, kWidth - bw - 1, 5), style.bitmapBackground);
    EXPECT_EQ(At(0, kWidth - 1, 5), style.bitmapBackground);
    EXPECT_EQ(At(0, 0, 5), style.menuHighlight);

    bench.host.style.menuBorder = brocade::kBorderFlatWithShadow;
    Draw(2);
    EXPECT_EQ(At(2, kWidth - bw - 4, 5), style.menuBackground);
    EXPECT_EQ(At(2, kWidth - bw - 3, 5), style.bitmapBackground);
    EXPECT_EQ(At(2, kWidth - 3, 5), style.bitmapBackground);
    EXPECT_EQ(At(2, kWidth - 2, 5), style.menuBackground);
}

// The caption starts 6 pixels after the column; right to left it ends 6 before it.
TEST_F(DrawItem, CaptionsStartBesideTheColumn) {
    Draw(2);
    int first = kWidth;
    for (int x = 0; x < kWidth && first == kWidth; ++x)
        for (int y = 0; y < kHeight; ++y)
            if (At(2, x, y) == style.textColor) first = x;
    EXPECT_GE(first, bw + 6);
    EXPECT_LE(first, bw + 8);  // the glyph's own left bearing

    bench.host.style.rightToLeft = true;
    Draw(3);
    int last = -1;
    for (int x = kWidth - 1; x >= 0 && last < 0; --x)
        for (int y = 0; y < kHeight; ++y)
            if (At(3, x, y) == style.textColor) last = x;
    EXPECT_LE(last, kWidth - bw - 6 - 1);
    EXPECT_GE(last, kWidth - bw - 6 - 3);
}

// A disabled, selected item: the text in DisabledTextColor over a HighlightedTextColor copy
// one pixel right and down; Office 2003, and XP without a background picture, draw it flat.
TEST_F(DrawItem, DisabledTextIsEmbossedExceptInTheThemedStyles) {
    EnableMenuItem(bench.menu, 2, MF_BYPOSITION | MF_GRAYED);
    bench.host.style.highlightedTextColor = RGB(255, 255, 0);
    Draw(2, ODS_SELECTED | ODS_GRAYED);
    EXPECT_EQ(bench.At(2)->Disabled(), kTrue);
    EXPECT_GT(Count(2, style.disabledTextColor), 0);
    ASSERT_GT(Count(2, RGB(255, 255, 0)), 0);
    // The copy lies one pixel right and down of the text: its first row and column are one
    // further on.
    auto firstRow = [&](COLORREF color) {
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if (At(2, x, y) == color) return y;
        return -1;
    };
    auto firstColumn = [&](COLORREF color) {
        for (int x = 0; x < kWidth; ++x)
            for (int y = 0; y < kHeight; ++y)
                if (At(2, x, y) == color) return x;
        return -1;
    };
    EXPECT_EQ(firstRow(RGB(255, 255, 0)), firstRow(style.disabledTextColor) + 1);
    EXPECT_EQ(firstColumn(RGB(255, 255, 0)), firstColumn(style.disabledTextColor) + 1);

    for (long themed : {brocade::kOffice2003, brocade::kXP}) {
        bench.host.style.highlightStyle = themed;
        Draw(2, ODS_SELECTED | ODS_GRAYED);
        EXPECT_GT(Count(2, style.disabledTextColor), 0) << themed;
        EXPECT_EQ(Count(2, RGB(255, 255, 0)), 0) << themed;
    }
}

// A checked item without a picture of its own shows the CheckMark, or without one the
// built-in check mark, centred in the column: 8 x 8 in 19 x 20 at (RoundEven(5.5), 6) = (6, 6).
TEST_F(DrawItem, CheckedItemsShowTheCheckMark) {
    CheckMenuItem(bench.menu, 2, MF_BYPOSITION | MF_CHECKED);
    bench.host.builtInCheckMark = PaintedPicture(8, 8, [](int, int) { return RGB(0, 150, 0); });
    bench.host.style.highlightOverBitmap = brocade::kOverBitmapNever;
    Draw(2);
    EXPECT_EQ(bench.At(2)->Checked(), kTrue);
    // 8 + 4 < 19: the column stays bw wide.
    EXPECT_EQ(At(2, 6, 6), RGB(0, 150, 0));
    EXPECT_EQ(At(2, 13, 13), RGB(0, 150, 0));
    EXPECT_EQ(At(2, 5, 6), style.bitmapBackground);
    EXPECT_EQ(At(2, 14, 13), style.bitmapBackground);

    bench.host.checkMark = PaintedPicture(8, 8, [](int, int) { return RGB(150, 0, 0); });
    Draw(2);
    EXPECT_EQ(At(2, 6, 6), RGB(150, 0, 0));
    Draw(3);  // not checked: no mark
    EXPECT_EQ(Count(3, RGB(150, 0, 0)), 0);
}

// Over a background picture an unselected item's text is white, ORed onto the picture; a
// selected item's text is drawn in HighlightedTextColor.
TEST_F(DrawItem, TextOverABackgroundPictureIsWhite) {
    bench.host.background.Prepare(PaintedPicture(4, 4, [](int, int) { return RGB(0, 64, 128); }).Get());
    bench.host.style.highlightedTextColor = RGB(255, 255, 0);
    Draw(2);
    EXPECT_EQ(At(2, 0, 0), RGB(0, 64, 128));  // neither background nor column is painted
    EXPECT_GT(Count(2, RGB(255, 255, 255)), 0);
    EXPECT_EQ(Count(2, style.textColor), 0);
    Draw(3, ODS_SELECTED);
    EXPECT_GT(Count(3, RGB(255, 255, 0)), 0);
    EXPECT_EQ(Count(3, RGB(255, 255, 255)), 0);
}

// An item opening a submenu of eight or more items reads a state whose count byte holds the
// separator flag's bit: it is still drawn as the item it is.
TEST_F(DrawItem, AnItemOpeningALongSubmenuIsNoSeparator) {
    HMENU sub = CreatePopupMenu();
    for (int i = 0; i < 8; ++i) AppendMenuA(sub, MF_STRING, 900 + i, "Sub");
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_SUBMENU;
    info.hSubMenu = sub;
    ASSERT_TRUE(SetMenuItemInfoA(bench.menu, 2, TRUE, &info));
    ASSERT_NE(GetMenuState(bench.menu, 2, MF_BYPOSITION) & MF_SEPARATOR, 0u);
    Draw(2);
    EXPECT_EQ(bench.At(2)->IsSeparator(), kFalse);
    EXPECT_GT(Count(2, style.textColor), 0);
}

// --- The host's events ---------------------------------------------------------------------

TEST_F(DrawItem, AUserDrawnItemShowsTheMemoryBitmapAsCreated) {
    screen.FillPattern();
    bench.host.onDrawMenuItem = [](MenuItemRecord &, HDC, bool, long, long, brocade::Boolean &drawn) {
        drawn = kTrue;
    };
    Draw(0);
    EXPECT_EQ(Count(0, RGB(0, 0, 0)), kWidth * kHeight);
    EXPECT_EQ(bench.host.raised, Stages(Serial(0), {-1}));
}

// With a background picture the bitmap holds the tiles before the host is asked.
TEST_F(DrawItem, AUserDrawnItemOverABackgroundPictureShowsTheTiles) {
    bench.host.background.Prepare(PaintedPicture(4, 4, [](int x, int y) { return RGB(x * 50, y * 50, 7); }).Get());
    ASSERT_NE(bench.host.background.Dc(), nullptr);
    bench.host.onDrawMenuItem = [](MenuItemRecord &, HDC, bool, long, long, brocade::Boolean &drawn) {
        drawn = kTrue;
    };
    bench.Draw(screen.Dc(), 2, RECT{0, 41, kWidth, 61});  // the phase starts at (0, 41 mod 4 = 1)
    EXPECT_EQ(screen.At(0, 41), RGB(0, 50, 7));
    EXPECT_EQ(screen.At(5, 42), RGB(50, 100, 7));
    EXPECT_EQ(screen.At(199, 60), RGB(150, 0, 7));  // 199 mod 4 = 3, 60 mod 4 = 0
}

TEST_F(DrawItem, DoDefaultFalseStopsThePaintingAtThatStage) {
    auto stopAt = [&](int stopStage) {
        bench.host.raised.clear();
        bench.host.onDrawMenuItemEx = [stopStage](MenuItemRecord &, HDC, bool, long, long, brocade::DrawStage stage,
                                                  brocade::Boolean &doDefault) {
            if (stage == stopStage) doDefault = kFalse;
        };
        screen.Fill(brocade_test::kBackdrop);
        Draw(0, ODS_SELECTED);
    };
    stopAt(brocade::kPreErase);
    EXPECT_EQ(bench.host.raised, Stages(Serial(0), {-1, 0}));
    EXPECT_EQ(Count(0, RGB(0, 0, 0)), kWidth * kHeight);  // nothing painted on the new bitmap

    stopAt(brocade::kPostErase);
    EXPECT_EQ(bench.host.raised, Stages(Serial(0), {-1, 0, 1}));
    EXPECT_EQ(At(0, 0, 0), style.bitmapBackground);
    EXPECT_EQ(Count(0, style.menuHighlight), (kWidth - bw - 2) * kHeight);  // the bar, no text on it
    EXPECT_EQ(Count(0, style.highlightedTextColor), 0);

    stopAt(brocade::kPostDraw);
    EXPECT_EQ(bench.host.raised, Stages(Serial(0), {-1, 0, 1, 2}));
    EXPECT_GT(Count(0, style.highlightedTextColor), 0);
}

TEST_F(DrawItem, ASeparatorRaisesOnlyPreErase) {
    Draw(1, 0, 10);
    EXPECT_EQ(bench.host.raised, Stages(Serial(1), {-1, 0}));
    EXPECT_EQ(bench.At(1)->IsSeparator(), kTrue);
}

// Every item gets a cleared bitmap of its own size in the default DC state, whatever the
// host did to the DC of the item before.
TEST_F(DrawItem, EveryHostSeesAFreshMemoryDc) {
    HFONT hostFont = CreateFontA(-30, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    HFONT stockFont = nullptr;
    int checked = 0;
    bench.host.onDrawMenuItem = [&](MenuItemRecord &, HDC dc, bool, long cx, long cy, brocade::Boolean &) {
        BITMAP bitmap = {};
        GetObjectW(GetCurrentObject(dc, OBJ_BITMAP), sizeof bitmap, &bitmap);
        EXPECT_EQ(bitmap.bmWidth, cx);
        EXPECT_EQ(bitmap.bmHeight, cy);
        EXPECT_EQ(GetPixel(dc, 0, 0), RGB(0, 0, 0));
        EXPECT_EQ(GetPixel(dc, cx - 1, cy - 1), RGB(0, 0, 0));
        EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
        EXPECT_EQ(GetBkMode(dc), OPAQUE);
        POINT origin = {1, 1};
        GetViewportOrgEx(dc, &origin);
        EXPECT_EQ(origin.x, 0);
        EXPECT_EQ(origin.y, 0);
        RECT clip = {};
        EXPECT_EQ(GetClipBox(dc, &clip), SIMPLEREGION);
        EXPECT_EQ(clip.right, cx);
        if (!stockFont) stockFont = static_cast<HFONT>(GetCurrentObject(dc, OBJ_FONT));
        EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), stockFont);
        ++checked;
        // Everything a careless host may do, never undone.
        FillRect(dc, &clip, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        SelectObject(dc, hostFont);
        SelectObject(dc, GetStockObject(DKGRAY_BRUSH));
        SetTextColor(dc, RGB(1, 2, 3));
        SetBkMode(dc, TRANSPARENT);
        SetViewportOrgEx(dc, 5, 5, nullptr);
        IntersectClipRect(dc, 0, 0, 3, 3);
    };
    for (int round = 0; round < 3; ++round)
        for (int position : {0, 2, 3, 1, 0}) Draw(position, 0, position == 1 ? 10 : kHeight);
    EXPECT_EQ(checked, 15);
    EXPECT_NE(DeleteObject(hostFont), 0);  // no longer selected anywhere
}

// Without a listening host the DC keeps its state and the font between items and a popup
// item's bitmap is not cleared first: the items look exactly as with a fresh DC each time, in
// every kind of layering, and no DC or font is made again.
TEST_F(DrawItem, UnseenItemsLookTheSameWithoutFreshDcs) {
    const std::vector<int> order = {0, 1, 2, 3, 0, 2};
    auto paintAll = [&](Surface &target) {
        for (int position : order)
            bench.Draw(target.Dc(), position, Row(position, position == 1 ? 10 : kHeight),
                       position == 2 ? ODS_SELECTED : 0);
    };
    const std::function<void()> layerings[] = {
        [] {},
        [&] { bench.host.style.highlightStyle = brocade::kOffice2003; },
        [&] {
            bench.host.style.highlightStyle = brocade::kXP;
            bench.host.style.rightToLeft = true;
        },
        [&] { bench.host.background.Prepare(PaintedPicture(4, 4, [](int x, int) { return RGB(x * 60, 64, 128); }).Get()); },
    };
    for (const auto &layering : layerings) {
        layering();
        bench.host.caches.EndPopupPass();  // as the control does when a property changes
        bench.host.observed = true;
        Surface seen{kWidth, 5 * kHeight}, unseen{kWidth, 5 * kHeight};
        seen.FillPattern();
        unseen.FillPattern();
        paintAll(seen);
        bench.host.observed = false;
        paintAll(unseen);
        const long dcs = bench.host.caches.surfaces.CreatedDcCount();
        const long fonts = bench.host.caches.fonts.CreatedCount();
        paintAll(unseen);
        ASSERT_EQ(unseen.FirstDifference(seen), "") << &layering - layerings;
        EXPECT_EQ(bench.host.caches.surfaces.CreatedDcCount(), dcs);
        EXPECT_EQ(bench.host.caches.fonts.CreatedCount(), fonts);
    }
}

// A host that starts listening is handed a fresh DC, not what unseen items left in it.
TEST_F(DrawItem, AHostThatStartsListeningGetsAFreshDc) {
    bench.host.observed = false;
    Draw(0, ODS_SELECTED);
    Draw(2);
    bench.host.observed = true;
    int checked = 0;
    bench.host.onDrawMenuItem = [&](MenuItemRecord &, HDC dc, bool, long, long, brocade::Boolean &) {
        EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), GetStockObject(SYSTEM_FONT));
        EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
        EXPECT_EQ(GetBkMode(dc), OPAQUE);
        ++checked;
    };
    Draw(0);
    EXPECT_EQ(checked, 1);
}

// A host handler painting another item meanwhile (a nested WM_DRAWITEM) gets its own DC.
TEST_F(DrawItem, ANestedDrawGetsADcOfItsOwn) {
    Surface other(kWidth, kHeight);
    bool nested = false;
    bench.host.onDrawMenuItem = [&](MenuItemRecord &record, HDC, bool, long, long, brocade::Boolean &) {
        if (record.Position() != 0 || nested) return;
        nested = true;
        EXPECT_EQ(bench.Draw(other.Dc(), 3, RECT{0, 0, kWidth, kHeight}), 1);
    };
    Draw(0);
    EXPECT_EQ(other.At(0, 0), style.bitmapBackground);
    EXPECT_EQ(At(0, 0, 0), style.bitmapBackground);
    EXPECT_EQ(At(0, kWidth - 1, 0), style.menuBackground);
}

}  // namespace
}  // namespace paint_test
