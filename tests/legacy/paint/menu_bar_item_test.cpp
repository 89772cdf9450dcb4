// Menu bar titles painted through WM_DRAWITEM: background, caption, the frame of a selected
// title and the events around the layers.
#include <gtest/gtest.h>

#include <stdexcept>

#include "common/enums.h"
#include "paint/paint_test_support.h"
#include "render/menu_bar_item.h"

namespace paint_test {
namespace {

using brocade::kFalse;
using brocade::kTrue;
using brocade_test::Surface;

constexpr int kWidth = 60, kHeight = 19;

class MenuBarTitle : public testing::Test {
protected:
    PaintBench bench{{"&File", "&Edit"}};
    Surface screen{kWidth, kHeight};
    const brocade::PaintStyle &style = bench.host.style;

    void SetUp() override {
        for (int i = 0; i < 2; ++i) bench.At(i)->SetIsTopLevel(kTrue);
        bench.host.style.menuBarBackground = RGB(210, 220, 230);
    }
    LRESULT Draw(int position, UINT state = 0) {
        return bench.Draw(screen.Dc(), position, RECT{0, 0, kWidth, kHeight}, state);
    }
    int Count(COLORREF color) const { return CountColor(screen, RECT{0, 0, kWidth, kHeight}, color); }
};

TEST_F(MenuBarTitle, AnUnselectedTitleShowsTheBarColourAndItsCaption) {
    EXPECT_EQ(Draw(0), 1);
    EXPECT_EQ(screen.At(0, 0), style.menuBarBackground);
    EXPECT_EQ(screen.At(kWidth - 1, kHeight - 1), style.menuBarBackground);
    EXPECT_GT(Count(style.textColor), 0);
    const long serial = bench.At(0)->ItemSerial();
    EXPECT_EQ(bench.host.raised, (std::vector<Raised>{{serial, -1}, {serial, 0}, {serial, 1}, {serial, 2}}));
}

// Flat borders frame a selected title with the border pen on all four sides; a normal border
// gives it a sunken edge in the menu loop.
TEST_F(MenuBarTitle, ASelectedTitleIsFramed) {
    bench.host.style.menuBorder = brocade::kBorderFlat;
    Draw(0, ODS_SELECTED);
    const COLORREF border = style.menuHighlightBorder;
    EXPECT_EQ(screen.At(0, 0), border);
    EXPECT_EQ(screen.At(kWidth - 1, 0), border);
    EXPECT_EQ(screen.At(kWidth - 1, kHeight - 1), border);
    EXPECT_EQ(screen.At(0, kHeight - 1), border);
    EXPECT_EQ(screen.At(kWidth / 2, kHeight - 1), border);

    bench.host.style.menuBorder = brocade::kBorderNormal;
    bench.host.style.inMenuLoop = true;
    Draw(0, ODS_SELECTED);
    EXPECT_EQ(screen.At(0, 5), GetSysColor(COLOR_BTNSHADOW));  // sunken: dark top and left
    EXPECT_EQ(screen.At(kWidth - 1, 5), GetSysColor(COLOR_BTNHIGHLIGHT));
}

TEST(BarTitleFrame, AnOpenFrameLeavesTheBottomEdge) {
    Surface surface(20, 10, RGB(255, 255, 255));
    brocade::UniquePen pen(CreatePen(PS_SOLID, 1, RGB(0, 0, 200)));
    brocade::DrawBarTitleFrame(surface.Dc(), RECT{2, 1, 12, 8}, false, pen.Get());
    EXPECT_EQ(surface.At(2, 1), RGB(0, 0, 200));
    EXPECT_EQ(surface.At(11, 1), RGB(0, 0, 200));   // right - 1
    EXPECT_EQ(surface.At(11, 6), RGB(0, 0, 200));
    EXPECT_EQ(surface.At(11, 7), RGB(255, 255, 255));  // a line stops before its end point
    EXPECT_EQ(surface.At(2, 7), RGB(0, 0, 200));       // bottom - 1, where the first line starts
    EXPECT_EQ(surface.At(6, 7), RGB(255, 255, 255));   // not closed
    EXPECT_EQ(surface.At(12, 1), RGB(255, 255, 255));
    brocade::DrawBarTitleFrame(surface.Dc(), RECT{2, 1, 12, 8}, true, pen.Get());
    EXPECT_EQ(surface.At(6, 7), RGB(0, 0, 200));
    EXPECT_EQ(surface.At(11, 7), RGB(0, 0, 200));
}

// bDoDefault False in bdPreErase leaves the background unpainted but still raises the other
// stages; True again in bdPostErase paints caption and frame.
TEST_F(MenuBarTitle, DoDefaultFalseBeforeTheBackgroundOnlySkipsTheBackground) {
    bench.host.onDrawMenuItemEx = [](MenuItemRecord &, HDC, bool, long, long, brocade::DrawStage stage,
                                     brocade::Boolean &doDefault) {
        doDefault = stage == brocade::kPreErase ? kFalse : kTrue;
    };
    bench.host.style.menuBorder = brocade::kBorderFlat;
    Draw(1, ODS_SELECTED);
    EXPECT_EQ(bench.host.raised.size(), 4u);
    EXPECT_EQ(Count(style.menuBarBackground), 0);
    EXPECT_EQ(screen.At(kWidth / 2, 1), RGB(0, 0, 0));  // the new bitmap shows through
    EXPECT_EQ(screen.At(0, 0), style.menuHighlightBorder);
    EXPECT_GT(Count(style.textColor) - 2 * (kWidth + kHeight), 0);  // caption pixels besides the frame
}

// A disabled, unselected title: the HighlightedTextColor copy one pixel right and down, then
// the DisabledTextColor caption; selected, it is drawn once.
TEST_F(MenuBarTitle, ADisabledTitleIsEmbossedUnlessSelected) {
    bench.host.style.highlightedTextColor = RGB(255, 255, 0);
    Draw(0, ODS_GRAYED);
    EXPECT_GT(Count(style.disabledTextColor), 0);
    EXPECT_GT(Count(RGB(255, 255, 0)), 0);
    Draw(0, ODS_GRAYED | ODS_SELECTED);
    EXPECT_GT(Count(style.disabledTextColor), 0);
    EXPECT_EQ(Count(RGB(255, 255, 0)), 0);
}

// A failing handler abandons the rest of the title, which is still copied to the bar.
TEST_F(MenuBarTitle, AFailingHandlerAbandonsTheRestOfTheTitle) {
    bench.host.onDrawMenuItemEx = [](MenuItemRecord &, HDC, bool, long, long, brocade::DrawStage stage,
                                     brocade::Boolean &) {
        if (stage == brocade::kPostErase) throw std::runtime_error("host failed");
    };
    EXPECT_EQ(Draw(0), 1);
    EXPECT_EQ(bench.host.raised.size(), 3u);  // DrawMenuItem, bdPreErase, bdPostErase
    EXPECT_EQ(screen.At(0, 0), style.menuBarBackground);
    EXPECT_EQ(Count(style.textColor), 0);
}

// The title's picture: 2 pixels from the left, centred vertically; the caption starts after
// the picture's width.
TEST_F(MenuBarTitle, ThePictureSitsAtTheLeft) {
    ComPtr<IPictureDisp> picture = PaintedPicture(12, 12, [](int, int) { return RGB(0, 160, 0); });
    bench.At(0)->SetPicture(picture.Get());
    Draw(0);
    // y = RoundEven((19 - 12) / 2) = RoundEven(3.5) = 4.
    EXPECT_EQ(screen.At(2, 4), RGB(0, 160, 0));
    EXPECT_EQ(screen.At(13, 4 + 11), RGB(0, 160, 0));
    EXPECT_EQ(screen.At(1, 4), style.menuBarBackground);
    EXPECT_EQ(screen.At(2, 3), style.menuBarBackground);
    EXPECT_EQ(screen.At(14, 4), style.menuBarBackground);
}

}  // namespace
}  // namespace paint_test
