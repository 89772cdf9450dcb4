// Bad input: empty and reversed rectangles, extents past 16 bits, sizes of 0. Nothing is
// drawn where there is nothing to draw, nothing crashes, and no GDI object is left behind.
#include <gtest/gtest.h>

#include <functional>

#include "common/enums.h"
#include "render/background_surface.h"
#include "render/gray_image.h"
#include "render/highlight_edge.h"
#include "render/highlight_fill.h"
#include "render/item_background.h"
#include "render/item_highlight.h"
#include "render/menu_bar_background.h"
#include "render/picture_handles.h"
#include "render/screen_capture.h"
#include "render/separator.h"
#include "render/transparent_blit.h"
#include "render_test_support.h"

using namespace brocade;
using brocade_test::GdiObjectCount;
using brocade_test::Surface;
using brocade_test::TestStyle;

namespace {

const RECT kNothingToFill[] = {
    {10, 10, 10, 20},  // no width
    {10, 10, 20, 10},  // no height
    {20, 10, 10, 20},  // reversed across
    {10, 20, 20, 10},  // reversed down
    {20, 20, 10, 10},  // both
    {10, 10, 9, 9},
};

}  // namespace

TEST(BadInput, EmptyAndReversedRectanglesDrawNothingInAnyStyle) {
    for (long style = -1; style <= 11; ++style)
        for (const RECT &r : kNothingToFill) {
            Surface surface(40, 40), untouched(40, 40);
            surface.FillPattern();
            untouched.FillPattern();
            RECT rect = r;
            FillHighlight(surface.Dc(), rect, RGB(255, 0, 0), style, RGB(0, 255, 0));
            ASSERT_EQ(surface.FirstDifference(untouched), "")
                << "style " << style << " rect " << r.left << "," << r.top << "," << r.right << "," << r.bottom;
        }
}

// 40,000 pixels wide is -25,536 in 16 bits: every weight is negative, which the colour mix
// takes as 0, so the visible part is all c2. 65,540 wraps to 4: a 4-wide centre fill.
TEST(BadInput, WidthsPast32767WrapWithoutHarm) {
    Surface surface(64, 3);
    RECT rect = {0, 0, 40000, 3};
    FillHighlight(surface.Dc(), rect, RGB(255, 0, 0), kHorizontalLeftToRight, RGB(0, 0, 255));
    EXPECT_EQ(surface.CountInRow(1, RGB(0, 0, 255)), 64);
    EXPECT_EQ(rect.right, 40000);

    Surface centre(64, 1), narrow(64, 1);
    RECT wide = {0, 0, 65540, 1}, four = {0, 0, 4, 1};
    FillHighlight(centre.Dc(), wide, RGB(255, 0, 0), kHorizontalCenter, RGB(0, 0, 255));
    FillHighlight(narrow.Dc(), four, RGB(255, 0, 0), kHorizontalCenter, RGB(0, 0, 255));
    EXPECT_EQ(centre.FirstDifference(narrow), "");
    EXPECT_EQ(centre.At(1, 0), RGB(128, 0, 128));

    Surface tall(2, 64);
    RECT down = {0, 0, 2, 70000};
    FillHighlight(tall.Dc(), down, RGB(255, 0, 0), kVerticalBottomToTop, RGB(0, 0, 255));
    for (long style = 0; style <= 10; ++style) {
        RECT huge = {-100000, -100000, 100000, 100000};
        FillHighlight(surface.Dc(), huge, RGB(1, 2, 3), style, RGB(4, 5, 6));
    }
}

TEST(BadInput, ItemPaintersAcceptZeroAndNegativeSizes) {
    Surface surface(30, 30), untouched(30, 30);
    surface.FillPattern();
    untouched.FillPattern();
    for (long highlight = 0; highlight <= 10; ++highlight) {
        PaintStyle style = TestStyle(highlight);
        for (int size : {0, -5}) {
            EraseItemBackground(surface.Dc(), size, size, style);
            DrawItemHighlight(surface.Dc(), size, size, 0, true, false, true, style);
            FillMenuBarItem(surface.Dc(), size, size, true, style);
            GrayImage(surface.Dc(), 3, 3, size, 10, RGB(0, 0, 0));
        }
    }
    EXPECT_EQ(surface.FirstDifference(untouched), "");
}

namespace {

// Runs the work a number of times and reports how many GDI objects it left.
long ObjectsLeftBy(const std::function<void()> &work, int times = 20) {
    work();  // first use may allocate for good (stock objects, caches of the system)
    const long before = GdiObjectCount();
    for (int i = 0; i < times; ++i) work();
    return GdiObjectCount() - before;
}

}  // namespace

TEST(BadInput, PaintersLeaveNoGdiObjectsBehind) {
    if (GdiObjectCount() < 0) GTEST_SKIP() << "this system gives no count of GDI objects";
    Surface surface(64, 32), source(8, 8);
    source.FillPattern();

    const long byFills = ObjectsLeftBy([&] {
        for (long style = -1; style <= 11; ++style) {
            RECT normal = {2, 2, 50, 24}, empty = {5, 5, 5, 5}, reversed = {30, 20, 10, 2}, wide = {0, 0, 40000, 8};
            FillHighlight(surface.Dc(), normal, 0x01FF0000, style, 0xFF00FF00);
            FillHighlight(surface.Dc(), empty, RGB(1, 1, 1), style, RGB(2, 2, 2));
            FillHighlight(surface.Dc(), reversed, RGB(1, 1, 1), style, RGB(2, 2, 2));
            FillHighlight(surface.Dc(), wide, RGB(1, 1, 1), style, RGB(2, 2, 2));
        }
    });
    EXPECT_EQ(byFills, 0);

    const long byItemPainters = ObjectsLeftBy([&] {
        for (long highlight = 0; highlight <= 11; ++highlight) {
            PaintStyle style = TestStyle(highlight);
            for (long appearance = 0; appearance <= 5; ++appearance) {
                style.highlightAppearance = appearance;
                DrawItemHighlight(surface.Dc(), 60, 20, 16, true, false, true, style);
                DrawHighlightEdge(surface.Dc(), RECT{1, 1, 20, 10}, style, appearance);
            }
            for (bool custom : {false, true}) {
                style.useCustomColors = custom;
                DrawSeparator(surface.Dc(), 60, 9, 16, style);
                FillMenuBarItem(surface.Dc(), 30, 20, true, style);
            }
            EraseItemBackground(surface.Dc(), 60, 20, style);
            FillBitmapColumn(surface.Dc(), 16, 60, 20, style);
        }
    });
    EXPECT_EQ(byItemPainters, 0);

    const COLORREF key = RGB(255, 0, 255);
    const long byPixelRoutines = ObjectsLeftBy([&] {
        GrayImage(surface.Dc(), 0, 0, 16, 16, key);
        GrayImage(surface.Dc(), 0, 0, 0, 0, key);
        DrawTransparentBitmap(surface.Dc(), 1, 1, 8, 8, source.Dc(), 0, 0, 8, 8, key);
        DrawTransparentBitmap(surface.Dc(), 1, 1, 16, 16, source.Dc(), 0, 0, 8, 8, key);
        DrawTransparentBitmap(surface.Dc(), 1, 1, 8, 8, source.Dc(), 0, 0, 0, 0, key);
        DrawTransparentBitmap(surface.Dc(), 1, 1, 8, 8, source.Dc(), 0, 0, -8, 8, key);
    });
    EXPECT_EQ(byPixelRoutines, 0);

    const long byPictures = ObjectsLeftBy([&] {
        ComPtr<IPicture> picture = BitmapToPicture(CreateCompatibleBitmap(surface.Dc(), 9, 9), nullptr);
        ComPtr<IPictureDisp> disp = picture.As<IPictureDisp>(IID_IPictureDisp);
        BackgroundSurface background;
        background.Prepare(disp.Get());
        background.Prepare(nullptr);
        background.Prepare(disp.Get());
    });
    EXPECT_EQ(byPictures, 0);

    const long byCaptures = ObjectsLeftBy([] { CaptureScreenBitmap(); }, 2);
    EXPECT_EQ(byCaptures, 0);
}

TEST(BadInput, TheGdiObjectCountFollowsObjects) {
    const long before = GdiObjectCount();
    if (before < 0) GTEST_SKIP() << "this system gives no count of GDI objects";
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    EXPECT_EQ(GdiObjectCount(), before + 1);
    DeleteObject(brush);
    EXPECT_EQ(GdiObjectCount(), before);
}
