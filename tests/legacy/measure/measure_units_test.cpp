// Picture sizes from HIMETRIC to pixels: nearest pixel, halves to even.
#include <gtest/gtest.h>

#include "menu/menu_test_support.h"
#include "common/measure_units.h"

namespace measure_test {
namespace {

using brocade::HimetricToPixels;
using brocade::PixelsPerHimetric;
using brocade::ScaleHimetric;

TEST(HimetricToPixels, RoundsToTheNearestPixelHalvesToEven) {
    // At 127 DPI a pixel is exactly 20 HIMETRIC: 30 -> 1.5 -> 2, 50 -> 2.5 -> 2, 70 -> 3.5 -> 4.
    EXPECT_EQ(HimetricToPixels(30, 127), 2);
    EXPECT_EQ(HimetricToPixels(50, 127), 2);
    EXPECT_EQ(HimetricToPixels(70, 127), 4);
    EXPECT_EQ(HimetricToPixels(51, 127), 3);  // 2.55
    // At 96 DPI: 423 x 96 / 2540 = 15.99 -> 16; 397 -> 15.005 -> 15; 0 -> 0.
    EXPECT_EQ(HimetricToPixels(423, 96), 16);
    EXPECT_EQ(HimetricToPixels(397, 96), 15);
    EXPECT_EQ(HimetricToPixels(0, 96), 0);
}

TEST(HimetricToPixels, TheBitmapColumnScalesInSinglePrecision) {
    // 127 / 2540 = 0.05 has no exact single: it is stored as 0.0500000007..., so 50 HIMETRIC
    // come to 2.50000004 and round up to 3, unlike the exact 2.5 above.
    EXPECT_EQ(PixelsPerHimetric(127), 0.05f);
    EXPECT_EQ(ScaleHimetric(50, PixelsPerHimetric(127)), 3);
    EXPECT_EQ(ScaleHimetric(30, PixelsPerHimetric(127)), 2);  // 1.50000002
    // 96 / 2540 = 0.0377953: 423 -> 15.99 -> 16, 609 -> 23.02 -> 23.
    EXPECT_EQ(ScaleHimetric(423, PixelsPerHimetric(96)), 16);
    EXPECT_EQ(ScaleHimetric(609, PixelsPerHimetric(96)), 23);
}

TEST(PicturePixels, ReadsThePicturesOwnSize) {
    ASSERT_EQ(brocade::ScreenPixelsPerInch(LOGPIXELSX), 96);
    brocade::ComPtr<IPictureDisp> picture = menu_test::MakePicture(24, 16);
    SIZE pixels = brocade::PicturePixels(picture.Get());
    EXPECT_EQ(pixels.cx, 24);
    EXPECT_EQ(pixels.cy, 16);
    SIZE none = brocade::PicturePixels(nullptr);
    EXPECT_EQ(none.cx, 0);
    EXPECT_EQ(none.cy, 0);
}

}  // namespace
}  // namespace measure_test
