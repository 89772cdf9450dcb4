// RoundEven on both sides of zero, and independent of the FPU rounding mode a host may set.
#include <gtest/gtest.h>

#include <cfenv>

#include "common/color_utils.h"

using brocade::RoundEven;

TEST(RoundEven, TiesGoToEvenOnBothSidesOfZero) {
    EXPECT_EQ(RoundEven(0.5), 0);
    EXPECT_EQ(RoundEven(1.5), 2);
    EXPECT_EQ(RoundEven(-0.5), 0);
    EXPECT_EQ(RoundEven(-1.5), -2);
    EXPECT_EQ(RoundEven(-3.5), -4);
    EXPECT_EQ(RoundEven(-2.4999), -2);
    EXPECT_EQ(RoundEven(-2.5001), -3);
    EXPECT_EQ(RoundEven(255.5), 256);
    EXPECT_EQ(RoundEven(32767.5), 32768);
    EXPECT_EQ(RoundEven(1e9 + 0.5), 1000000000);
}

// A host that leaves the FPU rounding upwards or towards zero changes nothing.
TEST(RoundEven, IgnoresTheFpuRoundingMode) {
    const int saved = std::fegetround();
    for (int mode : {FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
        std::fesetround(mode);
        const int tie = RoundEven(2.5), above = RoundEven(2.6), below = RoundEven(-2.6), odd = RoundEven(3.5);
        std::fesetround(saved);
        EXPECT_EQ(tie, 2) << mode;
        EXPECT_EQ(above, 3) << mode;
        EXPECT_EQ(below, -3) << mode;
        EXPECT_EQ(odd, 4) << mode;
    }
}
