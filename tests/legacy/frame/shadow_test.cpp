// The popup shadow against its per-pixel definition, and hand-worked shades.
#include <gtest/gtest.h>

#include "common/gdi.h"
#include "frame/frame_test_support.h"
#include "common/color_utils.h"
#include "render/popup_shadow.h"
#include "render/shadow_backdrop.h"

namespace frame_test {
namespace {

using brocade::ShadowBackdrop;
using brocade::ShadowSource;
using brocade_test::Hex;

constexpr COLORREF kMenuBackground = RGB(240, 236, 222);

// A backdrop with long runs of equal pixels (the cache) broken by single odd ones.
COLORREF Busy(int x, int y) {
    if ((x * 3 + y) % 17 == 0) return RGB(x & 255, y & 255, (x + y) & 255);
    return (y / 4) % 2 ? RGB(30, 60, 90) : RGB(201, 99, 3);
}

class ShadowTest : public ::testing::Test {
protected:
    static constexpr int kScreenWidth = 400, kScreenHeight = 300;
    brocade::UniqueBitmap backdropBitmap = MakeBitmap(kScreenWidth, kScreenHeight, Busy);
    ShadowBackdrop backdrop;
    HWND window = CreatePlainWindow(40, 30, 120, 90, WS_POPUP | WS_DLGFRAME);

    void SetUp() override { ASSERT_TRUE(backdrop.TakeBitmap(backdropBitmap.Get())); }
    void TearDown() override { DestroyWindow(window); }

    ShadowSource Source() { return ShadowSource{&backdrop, kMenuBackground, nullptr}; }
};

TEST_F(ShadowTest, TheBackdropHoldsTheBitmapsPixels) {
    EXPECT_EQ(backdrop.Width(), kScreenWidth);
    EXPECT_EQ(backdrop.Height(), kScreenHeight);
    for (int x : {0, 17, 399})
        for (int y : {0, 5, 299}) EXPECT_EQ(Hex(backdrop.At(x, y)), Hex(Busy(x, y))) << x << "," << y;
    backdrop.Release();
    EXPECT_TRUE(backdrop.Empty());
}

TEST_F(ShadowTest, RightShadowMatchesTheDefinitionPixelForPixel) {
    const int width = 120, height = 90;
    const long ranges[][2] = {{0, 89}, {0, 1}, {1, 3}, {2, 40}, {37, 37}, {80, 100}, {50, 49}, {-5, 3}};
    for (const auto &range : ranges) {
        Surface expected(width, height), actual(width, height);
        expected.FillPattern();
        actual.FillPattern();
        ReferenceShadowRight(window, expected.Dc(), backdropBitmap.Get(), range[0], range[1], kMenuBackground);
        brocade::ShadowRight(window, actual.Dc(), range[0], range[1], Source());
        EXPECT_EQ(actual.FirstDifference(expected), "") << "rows " << range[0] << " to " << range[1];
    }
}

TEST_F(ShadowTest, BottomShadowMatchesTheDefinitionPixelForPixel) {
    Surface expected(120, 90), actual(120, 90);
    expected.FillPattern();
    actual.FillPattern();
    ReferenceShadowBottom(window, expected.Dc(), backdropBitmap.Get(), kMenuBackground);
    brocade::ShadowBottom(window, actual.Dc(), Source());
    EXPECT_EQ(actual.FirstDifference(expected), "");
}

TEST_F(ShadowTest, ClippingIsTheSameAsPixelByPixel) {
    Surface expected(120, 90), actual(120, 90);
    expected.FillPattern();
    actual.FillPattern();
    brocade::UniqueRegion clip(CreateRectRgn(0, 20, 119, 50));
    SelectClipRgn(expected.Dc(), clip.Get());
    SelectClipRgn(actual.Dc(), clip.Get());
    ReferenceShadowRight(window, expected.Dc(), backdropBitmap.Get(), 0, 89, kMenuBackground);
    brocade::ShadowRight(window, actual.Dc(), 0, 89, Source());
    ReferenceShadowBottom(window, expected.Dc(), backdropBitmap.Get(), kMenuBackground);
    brocade::ShadowBottom(window, actual.Dc(), Source());
    EXPECT_EQ(actual.FirstDifference(expected), "");
}

// The kept column gives every item's rows exactly what shading them on the spot gives, clipped
// the same way, and is shaded once for as long as window, screen picture and colour stay.
TEST_F(ShadowTest, TheKeptColumnMatchesTheDefinitionRowRangeByRowRange) {
    brocade::ShadowColumnCache column;
    ShadowSource source = Source();
    source.column = &column;
    const long ranges[][2] = {{0, 19}, {20, 39}, {40, 89}, {0, 1}, {37, 37}, {80, 100}, {50, 49}, {-5, 3}};
    for (const auto &range : ranges) {
        Surface expected(120, 90), actual(120, 90);
        expected.FillPattern();
        actual.FillPattern();
        brocade::UniqueRegion clip(CreateRectRgn(0, 10, 119, 70));
        SelectClipRgn(expected.Dc(), clip.Get());
        SelectClipRgn(actual.Dc(), clip.Get());
        ReferenceShadowRight(window, expected.Dc(), backdropBitmap.Get(), range[0], range[1], kMenuBackground);
        brocade::ShadowRight(window, actual.Dc(), range[0], range[1], source);
        EXPECT_EQ(actual.FirstDifference(expected), "") << "rows " << range[0] << " to " << range[1];
    }
    EXPECT_EQ(column.ShadedCount(), 1);

    Surface surface(120, 90);
    source.menuBackground = RGB(1, 2, 3);
    brocade::ShadowRight(window, surface.Dc(), 0, 89, source);
    EXPECT_EQ(column.ShadedCount(), 2);
    ASSERT_TRUE(backdrop.TakeBitmap(backdropBitmap.Get()));  // a new picture of the screen
    brocade::ShadowRight(window, surface.Dc(), 0, 89, source);
    EXPECT_EQ(column.ShadedCount(), 3);
    SetWindowPos(window, nullptr, 41, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    brocade::ShadowRight(window, surface.Dc(), 0, 89, source);
    EXPECT_EQ(column.ShadedCount(), 4);
}

// A DC that does not copy pixel for pixel (a scaled one) is shaded pixel by pixel as before.
TEST_F(ShadowTest, AScaledDcIsShadedOnTheSpotNotCopied) {
    brocade::ShadowColumnCache column;
    ShadowSource source = Source();
    source.column = &column;
    Surface expected(240, 180), actual(240, 180);
    for (Surface *surface : {&expected, &actual}) {
        SetMapMode(surface->Dc(), MM_ISOTROPIC);
        SetWindowExtEx(surface->Dc(), 1, 1, nullptr);
        SetViewportExtEx(surface->Dc(), 2, 2, nullptr);
    }
    brocade::ShadowRight(window, expected.Dc(), 0, 89, Source());
    brocade::ShadowRight(window, actual.Dc(), 0, 89, source);
    EXPECT_EQ(actual.FirstDifference(expected), "");
    EXPECT_EQ(column.ShadedCount(), 0);
}

TEST(ShadowShades, AUniformScreenGivesDarkenedScreenInsideAndDarkenedMeanOutside) {
    // s = (100, 150, 200), mb = (240, 240, 240): 0.8 x s = (80, 120, 160); the mean is
    // (170, 195, 220), 0.8 x that = (136, 156, 176).
    const COLORREF screen = RGB(100, 150, 200), menu = RGB(240, 240, 240);
    brocade::UniqueBitmap bitmap = MakeBitmap(200, 150, [&](int, int) { return screen; });
    ShadowBackdrop backdrop;
    ASSERT_TRUE(backdrop.TakeBitmap(bitmap.Get()));
    HWND window = CreatePlainWindow(10, 10, 50, 40, WS_POPUP);
    Surface surface(50, 40, RGB(9, 9, 9));
    brocade::ShadowRight(window, surface.Dc(), 0, 39, ShadowSource{&backdrop, menu, nullptr});
    brocade::ShadowBottom(window, surface.Dc(), ShadowSource{&backdrop, menu, nullptr});
    for (int y : {0, 1}) {  // the two top rows show the screen as it was
        EXPECT_EQ(Hex(surface.At(48, y)), Hex(screen));
        EXPECT_EQ(Hex(surface.At(49, y)), Hex(screen));
    }
    for (int y : {2, 20, 37}) {
        EXPECT_EQ(Hex(surface.At(48, y)), Hex(RGB(80, 120, 160))) << y;
        EXPECT_EQ(Hex(surface.At(49, y)), Hex(RGB(136, 156, 176))) << y;
    }
    for (int x : {0, 1}) {  // and the two left columns of the bottom
        EXPECT_EQ(Hex(surface.At(x, 38)), Hex(screen));
        EXPECT_EQ(Hex(surface.At(x, 39)), Hex(screen));
    }
    EXPECT_EQ(Hex(surface.At(2, 38)), Hex(RGB(80, 120, 160)));
    EXPECT_EQ(Hex(surface.At(25, 39)), Hex(RGB(136, 156, 176)));
    EXPECT_EQ(Hex(surface.At(47, 20)), Hex(RGB(9, 9, 9)));  // nothing left of the shadow
    EXPECT_EQ(Hex(surface.At(25, 37)), Hex(RGB(9, 9, 9)));
    DestroyWindow(window);
}

TEST(ShadowShades, ShadeIsDarkenedBlendWithHalvesToEven) {
    // mean of 1 and 2 is 1.5 -> 2, x 0.8 = 1.6 -> 2; mean of 0 and 5 is 2.5 -> 2, x 0.8 -> 2.
    EXPECT_EQ(Hex(brocade::ShadowShade(RGB(1, 0, 0), RGB(2, 5, 0), 0.5f)), Hex(RGB(2, 2, 0)));
    EXPECT_EQ(Hex(brocade::ShadowShade(RGB(1, 0, 0), RGB(10, 10, 10), 0.0f)), Hex(RGB(8, 8, 8)));
    EXPECT_EQ(Hex(brocade::ShadowShade(RGB(10, 10, 10), RGB(0, 0, 0), 1.0f)), Hex(RGB(8, 8, 8)));
}

TEST(ShadowBadInput, WithoutABackdropTheShadowsPlaceTakesTheBackground) {
    HWND window = CreatePlainWindow(10, 10, 50, 40, WS_POPUP);
    Surface surface(50, 40, RGB(9, 9, 9));
    brocade::UniqueBrush brush(CreateSolidBrush(RGB(200, 100, 50)));
    ShadowBackdrop empty;
    brocade::ShadowRight(window, surface.Dc(), 5, 10, ShadowSource{&empty, 0, brush.Get()});
    brocade::ShadowBottom(window, surface.Dc(), ShadowSource{nullptr, 0, brush.Get()});
    EXPECT_EQ(Hex(surface.At(48, 5)), Hex(RGB(200, 100, 50)));
    EXPECT_EQ(Hex(surface.At(49, 10)), Hex(RGB(200, 100, 50)));
    EXPECT_EQ(Hex(surface.At(48, 11)), Hex(RGB(9, 9, 9)));
    EXPECT_EQ(surface.CountInRow(38, RGB(200, 100, 50)), 50);
    EXPECT_EQ(surface.CountInRow(37, RGB(9, 9, 9)), 50);
    // Without a brush either, nothing is drawn.
    Surface untouched(50, 40, RGB(9, 9, 9));
    brocade::ShadowRight(window, untouched.Dc(), 0, 39, ShadowSource{});
    EXPECT_EQ(untouched.CountInColumn(49, RGB(9, 9, 9)), 40);
    DestroyWindow(window);
}

TEST(ShadowBadInput, PixelsBehindWhichNoScreenWasCapturedAreLeftAlone) {
    // A window reaching past the captured screen on the right and at the bottom.
    brocade::UniqueBitmap bitmap = MakeBitmap(100, 80, [](int, int) { return RGB(50, 50, 50); });
    ShadowBackdrop backdrop;
    ASSERT_TRUE(backdrop.TakeBitmap(bitmap.Get()));
    HWND window = CreatePlainWindow(60, 50, 41, 40, WS_POPUP);  // columns 60..100, rows 50..89
    Surface surface(41, 40, RGB(9, 9, 9));
    brocade::ShadowRight(window, surface.Dc(), 0, 39, ShadowSource{&backdrop, RGB(50, 50, 50), nullptr});
    EXPECT_EQ(Hex(surface.At(39, 5)), Hex(RGB(40, 40, 40)));  // screen column 99
    EXPECT_EQ(Hex(surface.At(40, 5)), Hex(RGB(9, 9, 9)));     // screen column 100: not captured
    EXPECT_EQ(Hex(surface.At(39, 30)), Hex(RGB(9, 9, 9)));    // screen row 80: not captured
    DestroyWindow(window);
}

TEST(ShadowBadInput, ADestroyedWindowOrNoDcDrawsNothing) {
    HWND window = CreatePlainWindow(10, 10, 50, 40, WS_POPUP);
    DestroyWindow(window);
    Surface surface(50, 40, RGB(9, 9, 9));
    brocade::UniqueBrush brush(CreateSolidBrush(RGB(200, 100, 50)));
    brocade::ShadowRight(window, surface.Dc(), 0, 39, ShadowSource{nullptr, 0, brush.Get()});
    brocade::ShadowBottom(window, surface.Dc(), ShadowSource{nullptr, 0, brush.Get()});
    brocade::ShadowRight(nullptr, nullptr, 0, 39, ShadowSource{});
    EXPECT_EQ(surface.CountInColumn(49, RGB(9, 9, 9)), 40);
    EXPECT_EQ(surface.CountInRow(39, RGB(9, 9, 9)), 50);
}

}  // namespace
}  // namespace frame_test
