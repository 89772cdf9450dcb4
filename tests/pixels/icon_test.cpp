// An item's bitmap picture over the bitmap column: pixels of its PictureBackColor let the column
// show through, the others are copied, and a disabled item shows them in light greys. One
// reference for both: a picture of horizontal stripes, one per row below.
#include <cmath>

#include "pixels/bench.h"

using namespace brocade_test;

namespace {

constexpr COLORREF kKey = RGB(255, 0, 255), kWhite = RGB(255, 255, 255);

// Grey level g = RoundEven(0.3 red + 0.59 green + 0.11 blue + 92), at most 255, then lightened
// by 1.1 (single precision) and limited to 255.
struct Shade {
    const char *name;
    COLORREF source, enabled, disabled;
};
const Shade kShades[] = {
    {"the key colour", kKey, kColumn, kColumn},
    {"black", RGB(0, 0, 0), RGB(0, 0, 0), RGB(101, 101, 101)},            // 92 x 1.1 = 101.2
    {"white", kWhite, kWhite, kWhite},                                       // 347 is limited to 255
    {"a tie", RGB(15, 0, 0), RGB(15, 0, 0), RGB(106, 106, 106)},            // 96.5 goes to 96, x 1.1 = 105.6
    {"a blue", RGB(0, 0, 100), RGB(0, 0, 100), RGB(113, 113, 113)},         // 103 x 1.1 = 113.3
    {"near the key", RGB(252, 3, 255), RGB(252, 3, 255), RGB(252, 3, 255)},  // distance 7 / 3 rounds to 2: kept
};
constexpr int kStripes = sizeof kShades / sizeof kShades[0];

}  // namespace

TEST(Icon, KeyColouredPixelsAreTransparentAndADisabledItemGreysTheOthers) {
    Bench bench({"x", "y"}, 0, 30);
    const COLORREF key = kKey;
    bench.sink.onSetMenuItemAttributes = [&](_CMenuItem *item) {
        PutRef(item, L"Picture", BitmapPicture(16, 16, [](int, int y) { return kShades[y % kStripes].source; }).Get());
        Put(item, L"PictureBackColor", static_cast<LONG>(key));
    };
    EnableMenuItem(bench.popup, 1, MF_BYPOSITION | MF_GRAYED);
    const Surface enabled = bench.Draw(0), disabled = bench.Draw(1);
    // Centred in the column: 16 + 4 = 20 pixels wide unless the menu line is higher.
    const int left = static_cast<int>(std::nearbyint((std::max(20, GetSystemMetrics(SM_CYMENU)) - 16) / 2.0));
    const int top = (30 - 16) / 2;
    EXPECT_EQ(Hex(enabled.At(left - 1, top)), Hex(kColumn)) << "left of the picture";
    for (int row = 0; row < 16; ++row) {
        const Shade &shade = kShades[row % kStripes];
        SCOPED_TRACE(testing::Message() << shade.name << " on row " << row);
        EXPECT_EQ(Hex(enabled.At(left + 8, top + row)), Hex(shade.enabled));
        EXPECT_EQ(Hex(disabled.At(left + 8, top + row)), Hex(shade.disabled));
    }
}

TEST(Icon, ABackgroundPictureIsTiledBehindTheItems) {
    Bench bench({"x"});
    ASSERT_EQ(PutRef(bench.control, L"BackgroundPicture", BitmapPicture(8, 8, kKey).Get()).hr, S_OK);
    const Surface item = bench.Draw(0);
    EXPECT_EQ(Hex(item.At(item.Width() - 4, item.Height() / 2)), Hex(kKey));
}
