// The painters of an item's layers: background, bitmap column, highlight bar and its edge,
// separators and menu bar titles, with hand-worked extents and colours.
#include <gtest/gtest.h>

#include "common/enums.h"
#include "common/color_utils.h"
#include "render/highlight_edge.h"
#include "render/item_background.h"
#include "render/item_highlight.h"
#include "render/menu_bar_background.h"
#include "render/separator.h"
#include "render_test_support.h"

using namespace brocade;
using brocade_test::kBackdrop;
using brocade_test::Surface;
using brocade_test::TestStyle;

namespace {

constexpr int kItemWidth = 60, kItemHeight = 9, kColumn = 20;

// The columns of a row that hold the colour, as a [first, last] span; {-1, -1} when none.
std::pair<int, int> Span(const Surface &surface, int y, COLORREF color) {
    int first = -1, last = -1;
    for (int x = 0; x < surface.Width(); ++x)
        if (surface.At(x, y) == color) {
            if (first < 0) first = x;
            last = x;
        }
    return {first, last};
}

using SpanPair = std::pair<int, int>;

}  // namespace

// --- The separator ----------------------------------------------------------------------

// Nine pixels high, default colours that differ: mid = RoundEven(4.5) = 4 is the dark row,
// RoundEven(5.5) = 6 starts the two light rows; row 5 keeps the background. With
// MenuBackground RGB(200, 180, 100): darkened twice 160,144,80 then 128,115,64; lightened twice
// 220,198,110 then 242,218,121.
TEST(Separator, DefaultColoursThatDifferDrawADarkRowAndTwoLightRows) {
    PaintStyle style = TestStyle(kHorizontalLeftToRight);
    style.menuBackground = RGB(200, 180, 100);
    Surface surface(kItemWidth, kItemHeight);
    DrawSeparator(surface.Dc(), kItemWidth, kItemHeight, kColumn, style);
    const COLORREF dark = RGB(128, 115, 64), light = RGB(242, 218, 121);
    EXPECT_EQ(Span(surface, 4, dark), SpanPair(kColumn + 2, kItemWidth - 3));
    EXPECT_EQ(Span(surface, 6, light), SpanPair(kColumn + 2, kItemWidth - 3));
    EXPECT_EQ(Span(surface, 7, light), SpanPair(kColumn + 2, kItemWidth - 3));
    EXPECT_EQ(surface.At(30, 5), kBackdrop);
    EXPECT_EQ(surface.At(30, 3), kBackdrop);
    EXPECT_EQ(surface.At(30, 8), kBackdrop);
    // The bitmap column is painted too: columns 0 to bw.
    EXPECT_EQ(Span(surface, 0, style.bitmapBackground), SpanPair(0, kColumn));
}

TEST(Separator, RightToLeftShadedLinesEndBeforeTheColumn) {
    PaintStyle style = TestStyle(kPlain);
    style.menuBackground = RGB(200, 180, 100);
    style.rightToLeft = true;
    style.hasBackgroundPicture = true;  // the column is left to the background
    Surface surface(kItemWidth, kItemHeight);
    DrawSeparator(surface.Dc(), kItemWidth, kItemHeight, kColumn, style);
    EXPECT_EQ(Span(surface, 4, RGB(128, 115, 64)), SpanPair(0, kItemWidth - kColumn - 3));
    EXPECT_EQ(surface.At(kItemWidth - 1, 0), kBackdrop);
}

TEST(Separator, EqualColoursDrawTheSunkenLine) {
    PaintStyle style = TestStyle(kHorizontalLeftToRight);
    style.bitmapBackground = style.menuBackground;
    Surface normal(kItemWidth, kItemHeight), flat(kItemWidth, kItemHeight);
    DrawSeparator(normal.Dc(), kItemWidth, kItemHeight, kColumn, style);
    style.menuBorder = kBorderFlat;
    DrawSeparator(flat.Dc(), kItemWidth, kItemHeight, kColumn, style);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    EXPECT_EQ(normal.At(30, 4), shadow);
    EXPECT_EQ(normal.At(30, 5), highlight);
    EXPECT_EQ(normal.At(1, 4), kBackdrop);  // Normal border: the line starts at 2
    EXPECT_NE(normal.At(2, 4), kBackdrop);
    EXPECT_NE(flat.At(0, 4), kBackdrop);  // Flat borders: at 0
    EXPECT_EQ(normal.At(kItemWidth - 2, 4), kBackdrop);
    EXPECT_EQ(normal.At(30, 3), kBackdrop);
    EXPECT_EQ(normal.At(30, 6), kBackdrop);
}

// Custom colours that differ, or the themed styles: one row in the disabled text colour.
TEST(Separator, ThemedStylesDrawAThinDisabledLine) {
    for (long highlight : {long(kXP), long(kOffice2003)}) {
        PaintStyle style = TestStyle(highlight);
        Surface surface(kItemWidth, kItemHeight);
        DrawSeparator(surface.Dc(), kItemWidth, kItemHeight, kColumn, style);
        EXPECT_EQ(Span(surface, 4, style.disabledTextColor), SpanPair(kColumn + 6, kItemWidth - 3)) << highlight;
        EXPECT_EQ(surface.CountInRow(5, style.disabledTextColor), 0);
    }
    PaintStyle custom = TestStyle(kPlain);
    custom.useCustomColors = true;
    custom.rightToLeft = true;
    Surface surface(kItemWidth, kItemHeight);
    DrawSeparator(surface.Dc(), kItemWidth, kItemHeight, kColumn, custom);
    EXPECT_EQ(Span(surface, 4, custom.disabledTextColor), SpanPair(0, kItemWidth - kColumn - 7));
    // The column of a right-to-left item: bw + 1 pixels ending at the item's right edge.
    EXPECT_EQ(Span(surface, 0, custom.bitmapBackground), SpanPair(kItemWidth - kColumn - 1, kItemWidth - 1));
}

// --- The highlight bar ------------------------------------------------------------------

namespace {

SpanPair BarOf(PaintStyle style, bool hasPicture, int cx = kItemWidth) {
    Surface surface(cx + 4, 12);
    DrawItemHighlight(surface.Dc(), cx, 12, kColumn, hasPicture, false, true, style);
    return Span(surface, 6, style.menuHighlight);
}

}  // namespace

TEST(ItemHighlight, SpansTheWholeItemWithoutABitmapColumn) {
    PaintStyle style = TestStyle(kPlain);
    style.bitmapBackground = style.menuBackground;
    EXPECT_EQ(BarOf(style, false), SpanPair(0, kItemWidth - 1));
}

TEST(ItemHighlight, StartsAfterTheColumnWhenThereIsAPictureOrAColouredColumn) {
    PaintStyle style = TestStyle(kPlain);
    style.bitmapBackground = style.menuBackground;
    EXPECT_EQ(BarOf(style, true), SpanPair(kColumn + 2, kItemWidth - 1));
    style.bitmapBackground = RGB(1, 200, 1);
    EXPECT_EQ(BarOf(style, false), SpanPair(kColumn + 2, kItemWidth - 1));
}

TEST(ItemHighlight, RightToLeftEndsBeforeTheColumn) {
    PaintStyle style = TestStyle(kPlain);
    style.rightToLeft = true;
    EXPECT_EQ(BarOf(style, true), SpanPair(0, kItemWidth - kColumn - 3));
}

TEST(ItemHighlight, FlatWithShadowEndsTwoPixelsEarly) {
    PaintStyle style = TestStyle(kPlain);
    style.menuBorder = kBorderFlatWithShadow;
    EXPECT_EQ(BarOf(style, true), SpanPair(kColumn + 2, kItemWidth - 3));
    style.rightToLeft = true;
    EXPECT_EQ(BarOf(style, true), SpanPair(0, kItemWidth - kColumn - 5));
}

// XP covers the column (bdCompatible); its fill is MenuHighlight framed in the border colour,
// framed again by appearance 4.
TEST(ItemHighlight, XpCoversTheColumnWithAFramedBar) {
    PaintStyle style = TestStyle(kXP);
    Surface surface(kItemWidth, 12);
    DrawItemHighlight(surface.Dc(), kItemWidth, 12, kColumn, true, false, true, style);
    EXPECT_EQ(Span(surface, 6, style.menuHighlight), SpanPair(1, kItemWidth - 2));
    EXPECT_EQ(surface.At(0, 6), style.menuHighlightBorder);
    EXPECT_EQ(surface.At(kItemWidth - 1, 6), style.menuHighlightBorder);
    EXPECT_EQ(surface.CountInRow(0, style.menuHighlightBorder), kItemWidth);
    EXPECT_EQ(surface.CountInRow(11, style.menuHighlightBorder), kItemWidth);
}

// bdNever keeps XP off the column on the left; right to left, the themed styles are not cut
// short, so the bar runs over the column.
TEST(ItemHighlight, NeverOverBitmapWithXp) {
    PaintStyle style = TestStyle(kXP);
    style.highlightOverBitmap = kOverBitmapNever;
    EXPECT_EQ(BarOf(style, true), SpanPair(kColumn + 3, kItemWidth - 2));
    style.rightToLeft = true;
    EXPECT_EQ(BarOf(style, true), SpanPair(1, kItemWidth - 2));
}

TEST(ItemHighlight, RadialOverAnItemWithAPictureStartsAtTheColumnEdge) {
    PaintStyle style = TestStyle(kRadial);
    style.bitmapBackground = style.menuBackground;
    Surface surface(kItemWidth, 12);
    DrawItemHighlight(surface.Dc(), kItemWidth, 12, kColumn, true, false, true, style);
    EXPECT_EQ(surface.CountInColumn(kColumn + 1, kBackdrop), 12);
    EXPECT_NE(surface.At(kColumn + 3, 6), kBackdrop);
}

TEST(ItemHighlight, Office2003ShadesUpwardsFromTheHighlightColour) {
    PaintStyle style = TestStyle(kOffice2003);
    Surface surface(kItemWidth, 20);
    DrawItemHighlight(surface.Dc(), kItemWidth, 20, kColumn, false, false, true, style);
    // Bottom To Top: row 18 has w = (18 + 1) / 20; the frame covers rows 0 and 19.
    EXPECT_EQ(surface.At(10, 18), BlendColors(style.menuHighlight, style.menuBackground, 0.95f));
    EXPECT_EQ(surface.At(10, 1), BlendColors(style.menuHighlight, style.menuBackground, 0.1f));
    EXPECT_EQ(surface.At(10, 19), style.menuHighlightBorder);
    EXPECT_EQ(surface.At(0, 10), style.menuHighlightBorder);
}

TEST(ItemHighlight, SeparatorsAndUnselectedItemsGetNothing) {
    PaintStyle style = TestStyle(kXP);
    Surface surface(kItemWidth, 12);
    DrawItemHighlight(surface.Dc(), kItemWidth, 12, kColumn, true, true, true, style);
    DrawItemHighlight(surface.Dc(), kItemWidth, 12, kColumn, true, false, false, style);
    EXPECT_EQ(surface.CountInRow(6, kBackdrop), kItemWidth);
}

TEST(HighlightCoversBitmap, FollowsTheSettingAndStyle) {
    PaintStyle style = TestStyle(kXP);
    EXPECT_TRUE(HighlightCoversBitmap(style));
    style.highlightStyle = kOffice2003;
    EXPECT_TRUE(HighlightCoversBitmap(style));
    style.highlightStyle = kRadial;
    EXPECT_FALSE(HighlightCoversBitmap(style));
    style.highlightOverBitmap = kOverBitmapAlways;
    EXPECT_TRUE(HighlightCoversBitmap(style));
    style.highlightOverBitmap = kOverBitmapNever;
    style.highlightStyle = kXP;
    EXPECT_FALSE(HighlightCoversBitmap(style));
    style.highlightOverBitmap = 7;
    EXPECT_FALSE(HighlightCoversBitmap(style));
}

TEST(HighlightEdge, EachAppearanceDrawsItsEdge) {
    PaintStyle style = TestStyle(kPlain);
    const RECT rect = {2, 2, 30, 12};
    Surface flat(32, 14), raised(32, 14), sunken(32, 14), bordered(32, 14), unknown(32, 14);
    DrawHighlightEdge(flat.Dc(), rect, style, kAppearanceFlat);
    DrawHighlightEdge(raised.Dc(), rect, style, kAppearance3DRaised);
    DrawHighlightEdge(sunken.Dc(), rect, style, kAppearance3DSunken);
    DrawHighlightEdge(bordered.Dc(), rect, style, kAppearanceFlatWithBorder);
    DrawHighlightEdge(unknown.Dc(), rect, style, 5);
    EXPECT_EQ(flat.CountInRow(2, kBackdrop), 32);
    EXPECT_EQ(unknown.CountInRow(2, kBackdrop), 32);
    EXPECT_EQ(raised.At(10, 2), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(raised.At(10, 11), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(sunken.At(10, 2), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(bordered.At(10, 2), style.menuHighlightBorder);
    EXPECT_EQ(bordered.At(29, 7), style.menuHighlightBorder);
    EXPECT_EQ(bordered.At(10, 7), kBackdrop);  // hollow inside
}

// --- Background, bitmap column, menu bar ---------------------------------------------------

TEST(ItemBackground, EraseFillsTheItemWithTheMenuBackground) {
    PaintStyle style = TestStyle(kXP);
    Surface surface(12, 6);
    EraseItemBackground(surface.Dc(), 10, 5, style);
    EXPECT_EQ(surface.At(9, 4), style.menuBackground);
    EXPECT_EQ(surface.At(10, 4), kBackdrop);
    EXPECT_EQ(surface.At(9, 5), kBackdrop);
}

TEST(BitmapColumn, IsBitmapWidthPlusOneAtTheLeadingEdge) {
    PaintStyle style = TestStyle(kPlain);
    Surface ltr(60, 10), rtl(60, 10), rtlFlat(60, 10);
    FillBitmapColumn(ltr.Dc(), kColumn, 60, 8, style);
    style.rightToLeft = true;
    FillBitmapColumn(rtl.Dc(), kColumn, 60, 8, style);
    style.menuBorder = kBorderFlat;
    FillBitmapColumn(rtlFlat.Dc(), kColumn, 62, 8, style);
    EXPECT_EQ(Span(ltr, 0, style.bitmapBackground), SpanPair(0, kColumn));
    EXPECT_EQ(ltr.CountInColumn(0, style.bitmapBackground), 8);
    EXPECT_EQ(Span(rtl, 3, style.bitmapBackground), SpanPair(60 - kColumn - 1, 59));
    EXPECT_EQ(Span(rtlFlat, 3, style.bitmapBackground), SpanPair(62 - kColumn - 3, 59));
}

// Office 2003 shades the column with style 1: MenuBackground at the outer edge to
// BitmapBackground at the inner one; 21 pixels give one band per column.
TEST(BitmapColumn, Office2003ShadesFromTheOuterEdge) {
    PaintStyle style = TestStyle(kOffice2003);
    Surface ltr(40, 4), rtl(40, 4);
    FillBitmapColumn(ltr.Dc(), kColumn, 40, 4, style);
    style.rightToLeft = true;
    FillBitmapColumn(rtl.Dc(), kColumn, 40, 4, style);
    // Column x is painted at position x + 1 with w = (21 - x - 1) / 21.
    EXPECT_EQ(ltr.At(0, 1), BlendColors(style.menuBackground, style.bitmapBackground, 20.0f / 21));
    EXPECT_EQ(ltr.At(20, 1), style.bitmapBackground);
    EXPECT_EQ(rtl.At(19, 1), BlendColors(style.bitmapBackground, style.menuBackground, 20.0f / 21));
    EXPECT_EQ(rtl.At(39, 1), style.menuBackground);
}

// The kept gradient gives the pixels of filling in place, in both directions, for column sizes
// as they come and go; it is filled again only for another width, a taller column or other
// colours.
TEST(BitmapColumn, TheKeptOffice2003GradientMatchesFillingInPlace) {
    brocade::GradientCache gradients;
    PaintStyle style = TestStyle(kOffice2003);
    const int cases[][3] = {{kColumn, 40, 4}, {kColumn, 40, 2}, {kColumn, 40, 6}, {5, 30, 9},
                            {kColumn, 40, 4}, {0, 10, 3}, {60, 70, 1}};
    for (bool rightToLeft : {false, true}) {
        style.rightToLeft = rightToLeft;
        for (const auto &c : cases) {
            Surface expected(c[1] + 2, c[2] + 2), actual(c[1] + 2, c[2] + 2);
            expected.FillPattern();
            actual.FillPattern();
            FillBitmapColumn(expected.Dc(), c[0], c[1], c[2], style);
            FillBitmapColumn(actual.Dc(), c[0], c[1], c[2], style, &gradients);
            EXPECT_EQ(actual.FirstDifference(expected), "") << c[0] << " x " << c[2] << (rightToLeft ? " rtl" : "");
        }
    }
    EXPECT_EQ(gradients.FilledCount(), 12);  // a shorter column of the same width reuses it
    style.bitmapBackground ^= 0x0F0F0F;
    Surface surface(50, 6);
    FillBitmapColumn(surface.Dc(), 5, 30, 9, style, &gradients);
    EXPECT_EQ(gradients.FilledCount(), 13);
}

// A kept Diagonal or Horizontal Left To Right bar is the bar filled in place; other styles are
// always filled in place.
TEST(ItemHighlight, KeptGradientBarsMatchFillingInPlace) {
    brocade::GradientCache gradients;
    for (long highlight : {brocade::kDiagonal, brocade::kHorizontalLeftToRight, brocade::kRadial}) {
        PaintStyle style = TestStyle(highlight);
        for (int cy : {12, 12, 9, 12}) {
            Surface expected(kItemWidth, cy), actual(kItemWidth, cy);
            expected.FillPattern();
            actual.FillPattern();
            DrawItemHighlight(expected.Dc(), kItemWidth, cy, kColumn, true, false, true, style);
            DrawItemHighlight(actual.Dc(), kItemWidth, cy, kColumn, true, false, true, style, &gradients);
            EXPECT_EQ(actual.FirstDifference(expected), "") << highlight << " at " << cy;
        }
    }
    // Diagonal: 12, 9, 12 rows; Horizontal Left To Right: 12 rows serve 9 as well.
    EXPECT_EQ(gradients.FilledCount(), 4);
}

TEST(MenuBarItem, ThemedTitlesLightWhileHotAndShowTheBarColourWhileOpen) {
    PaintStyle style = TestStyle(kXP);
    Surface hot(20, 10), open(20, 10);
    FillMenuBarItem(hot.Dc(), 20, 10, true, style);
    style.inMenuLoop = true;
    FillMenuBarItem(open.Dc(), 20, 10, true, style);
    EXPECT_EQ(hot.At(5, 5), style.menuHighlight);
    EXPECT_EQ(hot.At(0, 0), style.menuHighlightBorder);
    EXPECT_EQ(open.At(5, 5), style.menuBarBackground);
    EXPECT_EQ(open.At(0, 0), style.menuHighlightBorder);

    style = TestStyle(kOffice2003);
    Surface officeHot(20, 10), officeOpen(20, 10);
    FillMenuBarItem(officeHot.Dc(), 20, 10, true, style);
    style.inMenuLoop = true;
    FillMenuBarItem(officeOpen.Dc(), 20, 10, true, style);
    EXPECT_EQ(officeHot.At(5, 0), BlendColors(style.menuBackground, style.menuHighlight, 0.9f));  // row 0: y = 1
    EXPECT_EQ(officeHot.At(5, 9), kBackdrop);  // Top To Bottom leaves row B - 1
    EXPECT_EQ(officeOpen.At(5, 9), style.menuBarBackground);
}

TEST(MenuBarItem, PlainTitles) {
    PaintStyle style = TestStyle(kHorizontalLeftToRight);
    Surface selected(20, 10), custom(20, 10), idle(20, 10);
    FillMenuBarItem(selected.Dc(), 20, 10, true, style);
    FillMenuBarItem(idle.Dc(), 20, 10, false, style);
    style.useCustomColors = true;
    FillMenuBarItem(custom.Dc(), 20, 10, true, style);
    EXPECT_EQ(selected.At(19, 9), style.menuBarBackground);
    EXPECT_EQ(idle.At(19, 9), style.menuBarBackground);
    EXPECT_EQ(custom.At(19, 9), style.menuBackground);
}
