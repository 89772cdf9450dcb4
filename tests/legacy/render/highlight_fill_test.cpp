// The band, centre, XP and plain fills against hand-worked pixels.
#include <gtest/gtest.h>

#include "common/enums.h"
#include "render/highlight_fill.h"
#include "render_test_support.h"

using namespace brocade;
using brocade_test::kBackdrop;
using brocade_test::Surface;

namespace {

// Two colours whose mix is easy to read: red carries 100 x w, blue 100 x (1 - w).
constexpr COLORREF kRedEnd = RGB(100, 0, 0);
constexpr COLORREF kBlueEnd = RGB(0, 0, 100);
COLORREF Mix(int redShare) { return RGB(redShare, 0, 100 - redShare); }

}  // namespace

// A 100-pixel Horizontal Left To Right fill from x = 10 to R = 110. w = (110 - x) / 100 drops
// by 0.01 a pixel; a band starts when it has moved by more than 0.025, that is every third
// pixel: x = 10 (w = 1, the empty first band), 13 (0.97), 16 (0.94), ..., 109 (0.01), and the
// end position 110 closes a last band of one pixel with w = 0. Band k (k = 1..33) covers
// columns 10 + 3(k - 1) to 12 + 3(k - 1) in the colour of w = 1 - 0.03k; column 109 gets w = 0.
TEST(BandFill, HorizontalLeftToRightPaintsThreePixelBandsAndEndsAtR) {
    Surface surface(120, 4);
    RECT rect = {10, 0, 110, 4};
    FillHighlight(surface.Dc(), rect, kRedEnd, kHorizontalLeftToRight, kBlueEnd);
    EXPECT_EQ(surface.At(9, 1), kBackdrop);
    for (int x = 10; x < 109; ++x) {
        const int band = (x - 10) / 3 + 1;
        ASSERT_EQ(surface.At(x, 2), Mix(100 - 3 * band)) << "column " << x;
    }
    EXPECT_EQ(surface.At(10, 0), RGB(97, 0, 3));
    EXPECT_EQ(surface.At(108, 3), RGB(1, 0, 99));
    EXPECT_EQ(surface.At(109, 0), kBlueEnd);
    EXPECT_EQ(surface.At(110, 0), kBackdrop);
    // The rectangle now holds the last band.
    EXPECT_EQ(rect.left, 109);
    EXPECT_EQ(rect.right, 110);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(rect.bottom, 4);
}

// Right To Left runs x from 110 down to 10 with w = (x - 10) / 100: the same bands mirrored,
// each painted from the previous stop (larger) to x (smaller). Afterwards the rectangle holds
// the last band reversed: left 11, right 10.
TEST(BandFill, HorizontalRightToLeftMirrorsTheBandsWithReversedRectangles) {
    Surface leftToRight(120, 2), rightToLeft(120, 2);
    RECT forward = {10, 0, 110, 2}, backward = {10, 0, 110, 2};
    FillHighlight(leftToRight.Dc(), forward, kRedEnd, kHorizontalLeftToRight, kBlueEnd);
    FillHighlight(rightToLeft.Dc(), backward, kRedEnd, kHorizontalRightToLeft, kBlueEnd);
    for (int x = 10; x < 110; ++x) ASSERT_EQ(rightToLeft.At(x, 1), leftToRight.At(119 - x, 1)) << "column " << x;
    EXPECT_EQ(rightToLeft.At(109, 0), RGB(97, 0, 3));  // columns 107..109: w = 0.97
    EXPECT_EQ(rightToLeft.At(107, 0), RGB(97, 0, 3));
    EXPECT_EQ(rightToLeft.At(106, 0), RGB(94, 0, 6));
    EXPECT_EQ(rightToLeft.At(10, 0), kBlueEnd);  // the end position's band: w = 0
    EXPECT_EQ(rightToLeft.At(9, 0), kBackdrop);
    EXPECT_EQ(rightToLeft.At(110, 0), kBackdrop);
    EXPECT_EQ(backward.left, 11);
    EXPECT_EQ(backward.right, 10);
}

// A 20-pixel Vertical Top To Bottom fill from y = 5 to B = 25: w = (25 - y) / 20 moves by
// 0.05 a row, so every row from y = 6 on starts a band [y - 1, y): row r gets
// w = (24 - r) / 20, red 5 x (24 - r) x 2. Row 24 (B - 1) is never painted.
TEST(BandFill, VerticalTopToBottomPaintsOneBandPerRowAndLeavesTheLastRow) {
    Surface surface(6, 30);
    RECT rect = {0, 5, 6, 25};
    FillHighlight(surface.Dc(), rect, RGB(200, 0, 0), kVerticalTopToBottom, RGB(0, 0, 200));
    EXPECT_EQ(surface.At(3, 4), kBackdrop);
    for (int row = 5; row <= 23; ++row) {
        const int red = 10 * (24 - row);
        ASSERT_EQ(surface.At(3, row), RGB(red, 0, 200 - red)) << "row " << row;
    }
    EXPECT_EQ(surface.At(0, 5), RGB(190, 0, 10));  // the first row already has w = 0.95
    EXPECT_EQ(surface.At(5, 23), RGB(10, 0, 190));
    EXPECT_EQ(surface.CountInRow(24, kBackdrop), 6);
    EXPECT_EQ(rect.top, 23);
    EXPECT_EQ(rect.bottom, 24);
}

// Bottom To Top runs y from 24 down to 5 with w = (y - 4) / 20; row r is painted at y = r.
// The first position, row 24, paints an empty band and nothing paints it later.
TEST(BandFill, VerticalBottomToTopPutsTheFirstColourAtTheBottomAndSkipsRowBMinusOne) {
    Surface surface(4, 30);
    RECT rect = {0, 5, 4, 25};
    FillHighlight(surface.Dc(), rect, RGB(200, 0, 0), kVerticalBottomToTop, RGB(0, 0, 200));
    for (int row = 5; row <= 23; ++row) {
        const int red = 10 * (row - 4);
        ASSERT_EQ(surface.At(1, row), RGB(red, 0, 200 - red)) << "row " << row;
    }
    EXPECT_EQ(surface.At(1, 24), kBackdrop);
    EXPECT_EQ(surface.At(1, 4), kBackdrop);
    EXPECT_EQ(rect.top, 6);  // the last band, reversed
    EXPECT_EQ(rect.bottom, 5);
}

// On rectangles narrower than 40 pixels every position starts a band: 10 pixels give steps
// of 0.1, each column its own colour.
TEST(BandFill, NarrowRectanglesGetOneBandPerColumn) {
    Surface surface(12, 1);
    RECT rect = {1, 0, 11, 1};
    FillHighlight(surface.Dc(), rect, kRedEnd, kHorizontalLeftToRight, kBlueEnd);
    for (int x = 1; x <= 10; ++x) EXPECT_EQ(surface.At(x, 0), Mix(100 - 10 * (x))) << x;
}

// Horizontal Center, width 7: W2 = RoundEven(3.5) = 4, centre 4. Offsets i = 1, 2, 3 paint
// columns {4, 3}, {5, 2}, {6, 1} with w = 3/4, 2/4, 1/4; column 0 (L) is left.
TEST(CentreFill, HorizontalCenterOfSevenPixelsUsesAHalfWidthOfFour) {
    Surface surface(9, 2);
    RECT rect = {0, 0, 7, 2};
    FillHighlight(surface.Dc(), rect, RGB(200, 0, 0), kHorizontalCenter, RGB(0, 0, 200));
    const COLORREF expected[8] = {kBackdrop,       RGB(50, 0, 150),  RGB(100, 0, 100), RGB(150, 0, 50),
                                  RGB(150, 0, 50), RGB(100, 0, 100), RGB(50, 0, 150),  kBackdrop};
    for (int x = 0; x < 8; ++x) EXPECT_EQ(surface.At(x, 1), expected[x]) << "column " << x;
    EXPECT_EQ(rect.left, 1);  // the second band of i = 3: from xc - 3 to xc - 2
    EXPECT_EQ(rect.right, 2);
}

// Width 5: W2 = RoundEven(2.5) = 2, centre 2; only i = 1 paints, columns 2 and 1 at w = 1/2.
TEST(CentreFill, HorizontalCenterOfFivePixelsUsesAHalfWidthOfTwo) {
    Surface surface(6, 1);
    RECT rect = {0, 0, 5, 1};
    FillHighlight(surface.Dc(), rect, RGB(200, 0, 0), kHorizontalCenter, RGB(0, 0, 200));
    const COLORREF expected[6] = {kBackdrop, RGB(100, 0, 100), RGB(100, 0, 100), kBackdrop, kBackdrop, kBackdrop};
    for (int x = 0; x < 6; ++x) EXPECT_EQ(surface.At(x, 0), expected[x]) << "column " << x;
}

// Width 6 (even): W2 = 3, centre 3: columns {3, 2} and {4, 1}; both L and R - 1 stay.
TEST(CentreFill, EvenWidthsLeaveBothOuterColumns) {
    Surface surface(6, 1);
    RECT rect = {0, 0, 6, 1};
    FillHighlight(surface.Dc(), rect, RGB(240, 0, 0), kHorizontalCenter, RGB(0, 0, 240));
    const COLORREF expected[6] = {kBackdrop,       RGB(80, 0, 160), RGB(160, 0, 80),
                                  RGB(160, 0, 80), RGB(80, 0, 160), kBackdrop};
    for (int x = 0; x < 6; ++x) EXPECT_EQ(surface.At(x, 0), expected[x]) << "column " << x;
}

TEST(CentreFill, VerticalCenterWorksAlongRows) {
    Surface surface(3, 9);
    RECT rect = {0, 1, 3, 8};  // H = 7: H2 = 4, centre row 5
    FillHighlight(surface.Dc(), rect, RGB(200, 0, 0), kVerticalCenter, RGB(0, 0, 200));
    const COLORREF expected[9] = {kBackdrop,       kBackdrop,        RGB(50, 0, 150), RGB(100, 0, 100), RGB(150, 0, 50),
                                  RGB(150, 0, 50), RGB(100, 0, 100), RGB(50, 0, 150), kBackdrop};
    for (int y = 0; y < 9; ++y) EXPECT_EQ(surface.At(2, y), expected[y]) << "row " << y;
    EXPECT_EQ(rect.top, 2);
    EXPECT_EQ(rect.bottom, 3);
}

TEST(SolidFill, PlainOffice2003AndUnknownStylesAreOneRectangleOfTheFirstColour) {
    for (long style : {long(kPlain), long(kOffice2003), 11L, -1L, 1000L}) {
        Surface surface(8, 6);
        RECT rect = {1, 1, 7, 5};
        FillHighlight(surface.Dc(), rect, RGB(9, 99, 199), style, RGB(1, 1, 1));
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 8; ++x) {
                const bool inside = x >= 1 && x < 7 && y >= 1 && y < 5;
                ASSERT_EQ(surface.At(x, y), inside ? RGB(9, 99, 199) : kBackdrop) << style << " at " << x << "," << y;
            }
        EXPECT_EQ(rect.left, 1);
        EXPECT_EQ(rect.right, 7);
    }
}

TEST(SolidFill, XpIsAFillWithAOnePixelFrameInside) {
    Surface surface(12, 8);
    RECT rect = {1, 1, 11, 7};
    FillHighlight(surface.Dc(), rect, RGB(200, 210, 220), kXP, RGB(10, 20, 30));
    EXPECT_EQ(surface.At(0, 0), kBackdrop);
    EXPECT_EQ(surface.At(11, 7), kBackdrop);
    for (int x = 1; x < 11; ++x) {
        EXPECT_EQ(surface.At(x, 1), RGB(10, 20, 30));
        EXPECT_EQ(surface.At(x, 6), RGB(10, 20, 30));
    }
    for (int y = 1; y < 7; ++y) {
        EXPECT_EQ(surface.At(1, y), RGB(10, 20, 30));
        EXPECT_EQ(surface.At(10, y), RGB(10, 20, 30));
    }
    EXPECT_EQ(surface.At(5, 3), RGB(200, 210, 220));
}

// The high byte of a colour is no palette flag here: 0x01 would make GDI read a palette index.
TEST(SolidFill, GarbageInTheHighByteIsIgnored) {
    Surface plain(4, 4), xp(4, 4), gradient(12, 1), clean(12, 1);
    RECT rect = {0, 0, 4, 4};
    FillHighlight(plain.Dc(), rect, 0x01FF0000, kPlain, 0);
    EXPECT_EQ(plain.At(2, 2), RGB(0, 0, 255));
    rect = {0, 0, 4, 4};
    FillHighlight(xp.Dc(), rect, 0x02008000, kXP, 0xFF000080);
    EXPECT_EQ(xp.At(2, 2), RGB(0, 128, 0));
    EXPECT_EQ(xp.At(0, 0), RGB(128, 0, 0));
    RECT band = {0, 0, 12, 1}, cleanBand = band;
    FillHighlight(gradient.Dc(), band, 0xAA000064, kHorizontalLeftToRight, 0x55640000);
    FillHighlight(clean.Dc(), cleanBand, 0x00000064, kHorizontalLeftToRight, 0x00640000);
    EXPECT_EQ(gradient.FirstDifference(clean), "");
}
