// The highlight bar of a selected item in every style and edge, against pixels worked out by
// hand. The item is 100 x 30 (the host's size) and the bar covers it whole, as no bitmap column
// shows (BitmapBackground is MenuBackground). c1 = MenuHighlight (200, 1, 0) and c2 =
// MenuBackground (0, 0, 200): weight w gives (RoundEven(200w), RoundEven(w), RoundEven(200(1 -
// w))) with w and 1 - w in single precision, so green is 1 above w = 0.5 and 0 at w = 0.5 (the
// tie goes to the even 0).
#include <vector>

#include "pixels/bench.h"

using namespace brocade_test;

namespace {

// The system's colours for 3-D edges, read when the test runs.
constexpr COLORREF kLight = 0x01000001, kShadow = 0x01000002;
COLORREF Resolved(COLORREF colour) {
    return colour == kLight ? GetSysColor(COLOR_BTNHIGHLIGHT) : colour == kShadow ? GetSysColor(COLOR_BTNSHADOW) : colour;
}

struct Probe {
    int x, y;
    COLORREF colour;
};

struct Fill {
    const char *name;
    int style, appearance;
    std::vector<Probe> probes;
};

const Fill kHighlights[] = {
    {"Plain", 0, 0, {{50, 2, kHighlight}, {2, 15, kHighlight}, {0, 0, kHighlight}, {99, 29, kHighlight}}},
    // x runs from 0 to 100 with w = (100 - x) / 100; a band starts once w has moved by more than
    // 0.025, every third column: columns 0-2 get w = 0.97, 48-50 w = 0.49, 96-98 w = 0.01, and
    // the end position closes a band of w = 0 over column 99.
    {"HorizontalLeftToRight", 1, 0, {{0, 2, RGB(194, 1, 6)}, {50, 2, RGB(98, 0, 102)}, {98, 2, RGB(2, 0, 198)}, {99, 2, kMenu}}},
    // The mirror image: x runs from 100 down to 0 with w = x / 100.
    {"HorizontalRightToLeft", 2, 0, {{99, 2, RGB(194, 1, 6)}, {49, 2, RGB(98, 0, 102)}, {1, 2, RGB(2, 0, 198)}, {0, 2, kMenu}}},
    // W2 = 50: column 50 + j gets w = (49 - j) / 50, column 50 - j gets (50 - j) / 50 (0.5 on
    // columns 74 and 25); the outermost columns keep the background.
    {"HorizontalCenter", 3, 0,
     {{50, 2, RGB(196, 1, 4)}, {25, 2, RGB(100, 0, 100)}, {74, 2, RGB(100, 0, 100)}, {0, 2, kMenu}, {99, 2, kMenu}}},
    // Steps of 1/30 start a band every row: row r gets w = (29 - r) / 30, row 29 (B - 1) none.
    {"VerticalTopToBottom", 4, 0, {{2, 0, RGB(193, 1, 7)}, {2, 14, RGB(100, 0, 100)}, {2, 28, RGB(7, 0, 193)}, {2, 29, kMenu}}},
    // y runs from 29 down to 0 with w = (y + 1) / 30; row 29 only ends the first, empty band.
    {"VerticalBottomToTop", 5, 0, {{2, 28, RGB(193, 1, 7)}, {2, 14, RGB(100, 0, 100)}, {2, 0, RGB(7, 0, 193)}, {2, 29, kMenu}}},
    // H2 = 15: row 15 + j gets w = (14 - j) / 15, row 15 - j gets (15 - j) / 15; rows 0 and 29 none.
    {"VerticalCenter", 6, 0,
     {{2, 15, RGB(187, 1, 13)}, {2, 14, RGB(187, 1, 13)}, {2, 1, RGB(13, 0, 187)}, {2, 0, kMenu}, {2, 29, kMenu}}},
    // w = (100 - x) / 100 x (30 - y) / 30: 0.5 x 28/30 at (50, 2), 0.98 x 0.1 at (2, 27).
    {"Diagonal", 7, 0, {{0, 0, kHighlight}, {50, 2, RGB(93, 0, 107)}, {2, 27, RGB(20, 0, 180)}}},
    // Centre (50, 15): w = (50 - i) / 50 x (15 - j) / 15 at (50 ± i, 15 ± j) for i < 50, j < 15.
    {"Radial", 8, 0,
     {{50, 2, RGB(27, 0, 173)}, {75, 2, RGB(13, 0, 187)}, {2, 15, RGB(8, 0, 192)}, {0, 2, kMenu}, {50, 0, kMenu}}},
    // MenuHighlight framed in MenuHighlightBorder, whatever HighlightAppearance says.
    {"XP", 9, 1, {{50, 2, kHighlight}, {50, 0, kBorder}, {0, 15, kBorder}, {99, 15, kBorder}, {50, 29, kBorder}}},
    // Bottom To Top from MenuHighlight to MenuBackground, framed in MenuHighlightBorder.
    {"Office2003", 10, 2,
     {{2, 28, RGB(193, 1, 7)}, {2, 14, RGB(100, 0, 100)}, {50, 0, kBorder}, {0, 14, kBorder}, {50, 29, kBorder}}},
    {"EdgeRaised", 0, 1, {{50, 0, kLight}, {0, 15, kLight}, {50, 29, kShadow}, {99, 15, kShadow}, {50, 1, kHighlight}}},
    {"EdgeSunken", 0, 2, {{50, 0, kShadow}, {0, 15, kShadow}, {50, 29, kLight}, {99, 15, kLight}, {50, 1, kHighlight}}},
    {"EdgeEtched", 0, 3, {{50, 0, kShadow}, {50, 1, kLight}, {50, 28, kShadow}, {50, 29, kLight}, {50, 2, kHighlight}}},
    {"EdgeFlatWithBorder", 0, 4, {{50, 0, kBorder}, {0, 15, kBorder}, {99, 15, kBorder}, {50, 29, kBorder}, {50, 1, kHighlight}}},
    // The edge goes round the whole bar, not round the last band the fill painted.
    {"BandsWithABorder", 1, 4, {{50, 0, kBorder}, {0, 15, kBorder}, {99, 15, kBorder}, {50, 2, RGB(98, 0, 102)}}},
};

class Highlight : public testing::TestWithParam<Fill> {};

TEST_P(Highlight, TheSelectedItemShowsTheColoursWorkedOutByHand) {
    Bench bench({"x"}, 100, 30);
    bench.Set(L"BitmapBackground", kMenu);
    bench.Set(L"HighlightStyle", GetParam().style);
    bench.Set(L"HighlightAppearance", GetParam().appearance);
    const Surface item = bench.Draw(0, true);
    ASSERT_EQ(item.Width(), 100);
    ASSERT_EQ(item.Height(), 30);
    for (const Probe &probe : GetParam().probes)
        EXPECT_EQ(Hex(item.At(probe.x, probe.y)), Hex(Resolved(probe.colour))) << "at " << probe.x << "," << probe.y;
}

INSTANTIATE_TEST_SUITE_P(EveryStyleAndEdge, Highlight, testing::ValuesIn(kHighlights), ByName());

}  // namespace
