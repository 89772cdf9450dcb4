// Colour arithmetic against hand-worked numbers: RoundEven, scaling, blending, distance.
#include <gtest/gtest.h>

#include "common/color_utils.h"

using namespace brocade;

TEST(RoundEven, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(RoundEven(2.5), 2);
    EXPECT_EQ(RoundEven(3.5), 4);
    EXPECT_EQ(RoundEven(-2.5), -2);
    EXPECT_EQ(RoundEven(2.4999), 2);
    EXPECT_EQ(RoundEven(2.5001), 3);
}

TEST(ColorUtils, MeanColorRoundsEachChannelHalvesToEven) {
    EXPECT_EQ(GetMeanColor(0x010101, 0x020202), 0x020202u);  // 1.5 -> 2
    EXPECT_EQ(GetMeanColor(0x000000, 0x050505), 0x020202u);  // 2.5 -> 2
    EXPECT_EQ(GetMeanColor(0x000000, 0x070707), 0x040404u);  // 3.5 -> 4
    EXPECT_EQ(GetMeanColor(0x0000FF, 0xFF0000), 0x800080u);  // 127.5 -> 128
    // The high byte is garbage to every colour function.
    EXPECT_EQ(GetMeanColor(0xFF010101, 0x7F020202), 0x020202u);
}

TEST(ColorUtils, ScalingUsesTheSinglePrecisionFactorsAndClamps) {
    EXPECT_EQ(LightenColor(0x0A0A0A), 0x0B0B0Bu);  // 10 x 1.10000002 = 11.0000002
    EXPECT_EQ(LightenColor(0xF0E8E9), 0xFFFFFFu);  // 233..240 x 1.1 > 255: clamped
    EXPECT_EQ(LightenColor(0x00E8), 0x00FFu);      // red 232 -> 255.2 -> 255
    EXPECT_EQ(DarkenColor(0x0F0A05), 0x0C0804u);   // 12.0000002, 8.0000001, 4.00000006
    EXPECT_EQ(DarkenColor(0x030303), 0x020202u);   // 2.4 -> 2
    EXPECT_EQ(DarkenColor(0xFFFFFF), 0xCCCCCCu);   // 204.000003
    EXPECT_EQ(ScaleColor(0x808080, 1.0f), 0x808080u);
}

TEST(ColorUtils, BlendClampsItsWeight) {
    EXPECT_EQ(BlendColors(0x112233, 0x445566, 2.0f), 0x112233u);
    EXPECT_EQ(BlendColors(0x112233, 0x445566, -1.0f), 0x445566u);
    EXPECT_EQ(BlendColors(0x000000, 0x0000FF, 0.25f), 0x0000BFu);  // 0.75 x 255 = 191.25
    EXPECT_EQ(BlendColors(0x0000FF, 0x000000, 0.5f), 0x000080u);   // 127.5 -> 128
}

TEST(ColorUtils, DistanceIsTheRoundedMeanChannelDifference) {
    EXPECT_EQ(ColorDistance(0x000000, 0x030201), 2);
    EXPECT_EQ(ColorDistance(0x000000, 0x000001), 0);
    EXPECT_EQ(ColorDistance(0x00FF00, 0x000000), 85);
    EXPECT_EQ(ColorDistance(0xFF000000, 0x00000000), 0);
}

TEST(ColorUtils, OleColoursTranslateSystemIndexes) {
    EXPECT_EQ(OleToRGB(0x80000007), GetSysColor(COLOR_MENUTEXT));
    EXPECT_EQ(OleToRGB(0x8000000D), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(OleToRGB(0x00123456), 0x00123456u);
    int r, g, b;
    SplitRGB(0xAA332211, r, g, b);
    EXPECT_EQ(r, 0x11);
    EXPECT_EQ(g, 0x22);
    EXPECT_EQ(b, 0x33);
}
