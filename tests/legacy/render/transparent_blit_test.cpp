// The transparent blit: key-coloured source pixels leave the destination as it was.
#include <gtest/gtest.h>

#include "render/transparent_blit.h"
#include "render_test_support.h"

using namespace brocade;
using brocade_test::Surface;

namespace {

constexpr COLORREF kKey = RGB(255, 0, 255);

// A source with the key colour on a diagonal band and in one corner.
void PaintKeyedSource(Surface &source) {
    source.FillPattern();
    for (int y = 0; y < source.Height(); ++y)
        for (int x = 0; x < source.Width(); ++x)
            if ((x + y) % 3 == 0 || (x == 0 && y == 0)) SetPixelV(source.Dc(), x, y, kKey);
}

}  // namespace

TEST(TransparentBlit, KeyColouredPixelsLeaveTheDestinationUntouched) {
    Surface source(9, 7), destination(24, 20, RGB(10, 200, 30)), before(24, 20, RGB(10, 200, 30));
    PaintKeyedSource(source);
    destination.FillPattern();
    before.FillPattern();
    ASSERT_TRUE(DrawTransparentBitmap(destination.Dc(), 5, 6, 7, 5, source.Dc(), 2, 1, 7, 5, kKey));
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 24; ++x) {
            const bool inside = x >= 5 && x < 12 && y >= 6 && y < 11;
            const COLORREF from = inside ? source.At(x - 5 + 2, y - 6 + 1) : kKey;
            const COLORREF expected = from == kKey ? before.At(x, y) : from;
            ASSERT_EQ(destination.At(x, y), expected) << x << "," << y;
        }
}

// Twice the size: every source pixel becomes a 2 x 2 block.
TEST(TransparentBlit, StretchesWhenTheSizesDiffer) {
    Surface source(4, 3), destination(12, 10), before(12, 10);
    PaintKeyedSource(source);
    destination.FillPattern();
    before.FillPattern();
    ASSERT_TRUE(DrawTransparentBitmap(destination.Dc(), 1, 2, 8, 6, source.Dc(), 0, 0, 4, 3, kKey));
    for (int y = 2; y < 8; ++y)
        for (int x = 1; x < 9; ++x) {
            const COLORREF from = source.At((x - 1) / 2, (y - 2) / 2);
            ASSERT_EQ(destination.At(x, y), from == kKey ? before.At(x, y) : from) << x << "," << y;
        }
    EXPECT_EQ(destination.At(9, 3), before.At(9, 3));
    EXPECT_EQ(destination.At(0, 3), before.At(0, 3));
}

TEST(TransparentBlit, TheKeyMayBeASystemColour) {
    Surface source(3, 1), destination(3, 1, RGB(7, 7, 7));
    SetPixelV(source.Dc(), 0, 0, GetSysColor(COLOR_WINDOW));
    SetPixelV(source.Dc(), 1, 0, RGB(1, 2, 3));
    SetPixelV(source.Dc(), 2, 0, GetSysColor(COLOR_WINDOW));
    ASSERT_TRUE(DrawTransparentBitmap(destination.Dc(), 0, 0, 3, 1, source.Dc(), 0, 0, 3, 1, 0x80000005));
    EXPECT_EQ(destination.At(0, 0), RGB(7, 7, 7));
    EXPECT_EQ(destination.At(1, 0), RGB(1, 2, 3));
    EXPECT_EQ(destination.At(2, 0), RGB(7, 7, 7));
}

TEST(TransparentBlit, EmptyOrImpossibleSourcesDrawNothing) {
    Surface source(4, 4), destination(6, 6, RGB(7, 7, 7));
    source.Fill(RGB(1, 1, 1));
    DrawTransparentBitmap(destination.Dc(), 0, 0, 4, 4, source.Dc(), 0, 0, 0, 0, kKey);
    DrawTransparentBitmap(destination.Dc(), 0, 0, 0, 0, source.Dc(), 0, 0, 0, 4, kKey);
    EXPECT_FALSE(DrawTransparentBitmap(destination.Dc(), 0, 0, 4, 4, source.Dc(), 0, 0, -4, 4, kKey));
    EXPECT_EQ(destination.CountInRow(1, RGB(7, 7, 7)), 6);
    EXPECT_EQ(destination.CountInRow(3, RGB(7, 7, 7)), 6);
}
