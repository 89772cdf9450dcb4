// Hosts that misbehave while an item is drawn, odd items, and the GDI objects left behind.
#include <gtest/gtest.h>

#include <stdexcept>

#include "common/enums.h"
#include "paint/paint_test_support.h"
#include "render/draw_item.h"

namespace paint_test {
namespace {

using brocade::kFalse;
using brocade::kTrue;
using brocade_test::Surface;

constexpr int kWidth = 160, kHeight = 20;

class BadInput : public testing::Test {
protected:
    PaintBench bench{{"&Alpha\tCtrl+A", "-", "Bravo", "Charlie"}};
    Surface screen{kWidth, 4 * kHeight};
    const brocade::PaintStyle &style = bench.host.style;

    LRESULT Draw(int position, UINT state = 0) {
        return bench.Draw(screen.Dc(), position, RECT{0, position * kHeight, kWidth, (position + 1) * kHeight}, state);
    }
};

// A handler that fails skips its own step only: every stage is still raised and painted.
TEST_F(BadInput, HandlersThatThrowAtEveryStageSkipOnlyThemselves) {
    bench.host.onDrawMenuItem = [](MenuItemRecord &, HDC, bool, long, long, brocade::Boolean &drawn) {
        drawn = kTrue;
        throw std::runtime_error("host failed");
    };
    bench.host.onDrawMenuItemEx = [](MenuItemRecord &, HDC, bool, long, long, brocade::DrawStage,
                                     brocade::Boolean &doDefault) {
        doDefault = kFalse;
        throw std::runtime_error("host failed");
    };
    // Both handlers set their flag before failing: the flag counts as the host left it.
    EXPECT_EQ(Draw(0), 1);
    EXPECT_EQ(bench.host.raised.size(), 1u);
    EXPECT_EQ(CountColor(screen, RECT{0, 0, kWidth, kHeight}, RGB(0, 0, 0)), kWidth * kHeight);

    bench.host.raised.clear();
    bench.host.onDrawMenuItem = [](MenuItemRecord &, HDC, bool, long, long, brocade::Boolean &) {
        throw std::runtime_error("host failed");
    };
    bench.host.onDrawMenuItemEx = [](MenuItemRecord &, HDC, bool, long, long, brocade::DrawStage,
                                     brocade::Boolean &) { throw std::runtime_error("host failed"); };
    EXPECT_EQ(Draw(2, ODS_SELECTED), 1);
    EXPECT_EQ(bench.host.raised.size(), 4u);
    EXPECT_EQ(screen.At(0, 2 * kHeight), style.bitmapBackground);
    EXPECT_EQ(screen.At(kWidth - 1, 2 * kHeight), style.menuHighlight);
}

// The host paints far outside its item: only the item reaches the menu.
TEST_F(BadInput, PaintingOutsideTheItemStaysInTheMemoryBitmap) {
    bench.host.onDrawMenuItemEx = [](MenuItemRecord &, HDC dc, bool, long, long, brocade::DrawStage stage,
                                     brocade::Boolean &) {
        if (stage != brocade::kPostDraw) return;
        RECT everywhere = {-500, -500, 500, 500};
        FillRect(dc, &everywhere, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    };
    Draw(2);
    EXPECT_EQ(CountColor(screen, RECT{0, 2 * kHeight, kWidth, 3 * kHeight}, RGB(255, 255, 255)), kWidth * kHeight);
    EXPECT_EQ(CountColor(screen, RECT{0, 0, kWidth, 2 * kHeight}, brocade_test::kBackdrop), 2 * kWidth * kHeight);
    EXPECT_EQ(CountColor(screen, RECT{0, 3 * kHeight, kWidth, 4 * kHeight}, brocade_test::kBackdrop),
              kWidth * kHeight);
}

TEST_F(BadInput, AnEmptyItemIsAnsweredWithoutPainting) {
    EXPECT_EQ(bench.Draw(screen.Dc(), 0, RECT{10, 10, 10, 30}), 1);
    EXPECT_EQ(bench.Draw(screen.Dc(), 0, RECT{10, 30, 40, 10}), 1);
    EXPECT_TRUE(bench.host.raised.empty());
    EXPECT_EQ(CountColor(screen, RECT{0, 0, kWidth, 4 * kHeight}, brocade_test::kBackdrop), 4 * kWidth * kHeight);
}

// An item whose menu is gone still paints from its record.
TEST_F(BadInput, AnItemWhoseMenuWasDestroyedStillPaints) {
    RecordPtr record = bench.At(2);
    HMENU other = CreatePopupMenu();
    record->SetMenuHandle(other);
    DestroyMenu(other);
    EXPECT_EQ(Draw(2, ODS_SELECTED), 1);
    EXPECT_EQ(screen.At(kWidth - 1, 2 * kHeight), style.menuHighlight);
}

// A thousand draws of every kind, with hosts that select objects and never put the old ones
// back, leave no GDI object behind. (Wine's GetGuiResources answers 0: the count comes from
// the process's GDI handle table, see GdiObjectCount.)
TEST_F(BadInput, AThousandDrawsLeaveNoGdiObjectBehind) {
    bench.host.ambientFont = menu_test::MakeFont(L"Arial", 8);
    bench.At(0)->SetCaptionFont(menu_test::MakeFont(L"Arial", 11).Get());
    bench.At(2)->SetPicture(PaintedPicture(16, 16, [](int x, int) { return RGB(x * 10, 0, 0); }).Get());
    bench.host.onDrawMenuItemEx = [](MenuItemRecord &, HDC dc, bool, long, long, brocade::DrawStage,
                                     brocade::Boolean &) {
        SelectObject(dc, GetStockObject(ANSI_FIXED_FONT));
        SelectObject(dc, GetStockObject(BLACK_PEN));
        SelectObject(dc, GetStockObject(GRAY_BRUSH));
    };
    auto drawAll = [&](int rounds) {
        for (int i = 0; i < rounds; ++i) {
            const int position = i % 4;
            bench.host.style.highlightStyle = i % 11;
            bench.host.style.menuBorder = i % 3;
            bench.host.style.rightToLeft = (i / 4) % 2 == 1;
            Draw(position, (i % 3 == 0 ? ODS_SELECTED : 0) | (i % 5 == 0 ? ODS_GRAYED : 0));
        }
    };
    drawAll(50);  // caches filled
    const long before = brocade_test::GdiObjectCount();
    if (before < 0) GTEST_SKIP() << "GDI objects cannot be counted here";
    drawAll(1000);
    EXPECT_EQ(brocade_test::GdiObjectCount(), before);
    EXPECT_EQ(bench.host.caches.surfaces.CreatedDcCount(), 1);
    bench.host.caches.Clear();
    EXPECT_LT(brocade_test::GdiObjectCount(), before);  // the caches held the rest
}

}  // namespace
}  // namespace paint_test
