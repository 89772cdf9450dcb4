// Diagonal and Radial, and the grey-out of disabled pictures, work on a copy of the pixels.
// Each is compared pixel for pixel with a plain per-pixel version kept here: GetPixel and
// SetPixelV exactly as the algorithms are defined, clipping included.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "common/enums.h"
#include "common/color_utils.h"
#include "render/gradient_math.h"
#include "render/gray_image.h"
#include "render/highlight_fill.h"
#include "render_test_support.h"
#include "support/test_support.h"

using namespace brocade;
using brocade_test::Surface;

namespace {

float Single(double value) {
    volatile float stored = static_cast<float>(value);
    return stored;
}

int Extent16(long low, long high) { return static_cast<int16_t>(static_cast<uint16_t>(high - low)); }

// One SetPixelV per pixel, columns outside, rows inside. A zero extent makes the weight's
// division fail; the weight keeps its last value (0 at first).
void ReferenceDiagonal(HDC dc, const RECT &r, COLORREF c1, COLORREF c2) {
    const int width = Extent16(r.left, r.right), height = Extent16(r.top, r.bottom);
    float weight = 0;
    for (long x = r.left; x <= r.right - 1; ++x)
        for (long y = r.top; y <= r.bottom - 1; ++y) {
            if (width != 0 && height != 0) {
                float across = Single(static_cast<double>(r.right - x) / width);
                float down = Single(static_cast<double>(r.bottom - y) / height);
                weight = Single(static_cast<double>(across) * down);
            }
            SetPixelV(dc, x, y, BlendColors(c1, c2, weight));
        }
}

void ReferenceRadial(HDC dc, const RECT &r, COLORREF c1, COLORREF c2) {
    const int halfWidth = RoundEven(Extent16(r.left, r.right) / 2.0);
    const int halfHeight = RoundEven(Extent16(r.top, r.bottom) / 2.0);
    const long xc = r.left + halfWidth, yc = r.top + halfHeight;
    for (int i = 0; i <= halfWidth - 1; ++i)
        for (int j = 0; j <= halfHeight - 1; ++j) {
            float across = Single(static_cast<double>(halfWidth - i) / halfWidth);
            float down = Single(static_cast<double>(halfHeight - j) / halfHeight);
            COLORREF color = BlendColors(c1, c2, Single(static_cast<double>(across) * down));
            SetPixelV(dc, xc + i, yc + j, color);
            SetPixelV(dc, xc - i, yc + j, color);
            SetPixelV(dc, xc + i, yc - j, color);
            SetPixelV(dc, xc - i, yc - j, color);
        }
}

// Column by column; pixels within distance 5 of the kept colour stay.
void ReferenceGray(HDC dc, int x, int y, int w, int h, COLORREF kept) {
    for (int px = x; px < x + w; ++px)
        for (int py = y; py < y + h; ++py) {
            COLORREF c = GetPixel(dc, px, py);
            if (ColorDistance(c, kept) <= 5) continue;
            int level = RoundEven(0.3 * GetRValue(c) + 0.59 * GetGValue(c) + 0.11 * GetBValue(c) + 92);
            if (level > 255) level = 255;
            SetPixelV(dc, px, py, LightenColor(RGB(level, level, level)));
        }
}

struct Case {
    const char *name;
    RECT rect;
};

// Rectangles on a 420 x 40 surface: odd, even, tiny, empty, wide, reversed, partly or wholly
// off the surface, larger than it, and wider than 16 bits hold.
const Case kCases[] = {
    {"odd 7x5", {3, 4, 10, 9}},
    {"even 8x6", {3, 4, 11, 10}},
    {"odd 13x1", {0, 0, 13, 1}},
    {"1x1", {5, 5, 6, 6}},
    {"0x0", {5, 5, 5, 5}},
    {"0 wide", {5, 5, 5, 9}},
    {"400x30", {10, 5, 410, 35}},
    {"reversed", {20, 20, 10, 15}},
    {"negative origin", {-6, -3, 9, 8}},
    {"past the right and bottom", {412, 33, 431, 47}},
    {"wholly outside", {-40, -40, -10, -10}},
    {"larger than the surface", {-30, -20, 450, 60}},
    {"65,543 wide (wraps to 7)", {2, 2, 65545, 9}},
    {"65,536 wide (wraps to 0)", {0, 1, 65536, 4}},
    {"40,000 wide (wraps negative)", {-20000, 0, 20000, 3}},
};

constexpr COLORREF kFirst = RGB(250, 30, 0), kSecond = RGB(0, 90, 255);

void ExpectSameAsReference(long style, void (*reference)(HDC, const RECT &, COLORREF, COLORREF)) {
    for (const Case &c : kCases) {
        Surface expected(420, 40), actual(420, 40);
        expected.FillPattern();
        actual.FillPattern();
        reference(expected.Dc(), c.rect, kFirst, kSecond);
        RECT rect = c.rect;
        FillHighlight(actual.Dc(), rect, kFirst, style, kSecond);
        EXPECT_EQ(actual.FirstDifference(expected), "") << c.name;
    }
}

}  // namespace

TEST(PixelGradients, DiagonalMatchesThePerPixelDefinition) { ExpectSameAsReference(kDiagonal, ReferenceDiagonal); }

TEST(PixelGradients, RadialMatchesThePerPixelDefinition) { ExpectSameAsReference(kRadial, ReferenceRadial); }

TEST(PixelGradients, DiagonalStartsAtTheFirstColourInTheTopLeftCorner) {
    Surface surface(10, 10);
    RECT rect = {0, 0, 10, 10};
    FillHighlight(surface.Dc(), rect, kFirst, kDiagonal, kSecond);
    EXPECT_EQ(surface.At(0, 0), kFirst);
    // The bottom-right pixel has w = 0.1 x 0.1 in single precision, 0.0100000007, a little over
    // 0.01: red 250 x w is just over 2.5 and rounds to 3 (at 0.01f, 2.4999999 would give 2).
    EXPECT_EQ(GetRValue(surface.At(9, 9)), 3);
}

// An odd width reaches one column past the rectangle: width 7 gives W2 = 4, centre L + 4 and
// columns L + 1 to L + 7 = R.
TEST(PixelGradients, RadialOfAnOddWidthTouchesTheColumnAtR) {
    Surface surface(12, 12, RGB(1, 1, 1));
    RECT rect = {2, 2, 9, 9};
    FillHighlight(surface.Dc(), rect, kFirst, kRadial, kSecond);
    EXPECT_EQ(surface.At(6, 6), kFirst);
    EXPECT_NE(surface.At(9, 6), RGB(1, 1, 1));
    EXPECT_EQ(surface.At(2, 6), RGB(1, 1, 1));
    EXPECT_EQ(surface.At(10, 6), RGB(1, 1, 1));
}

// What SetPixelV would not reach, because the DC clips it, the copy must not write either.
TEST(PixelGradients, ClippingIsHonouredLikeSetPixelV) {
    for (long style : {long(kDiagonal), long(kRadial)}) {
        Surface expected(60, 30), actual(60, 30);
        expected.FillPattern();
        actual.FillPattern();
        for (HDC dc : {expected.Dc(), actual.Dc()}) {
            HRGN clip = CreateRectRgn(0, 0, 25, 12);
            HRGN second = CreateRectRgn(30, 15, 50, 28);
            CombineRgn(clip, clip, second, RGN_OR);
            SelectClipRgn(dc, clip);
            DeleteObject(second);
            DeleteObject(clip);
        }
        RECT rect = {4, 3, 55, 26};
        if (style == kDiagonal)
            ReferenceDiagonal(expected.Dc(), rect, kFirst, kSecond);
        else
            ReferenceRadial(expected.Dc(), rect, kFirst, kSecond);
        FillHighlight(actual.Dc(), rect, kFirst, style, kSecond);
        EXPECT_EQ(actual.FirstDifference(expected), "") << style;
        EXPECT_EQ(actual.At(27, 13), expected.At(27, 13));
    }
}

// A shifted viewport moves logical coordinates; both versions must land on the same pixels.
TEST(PixelGradients, ViewportOriginIsHonoured) {
    Surface expected(40, 30), actual(40, 30);
    expected.FillPattern();
    actual.FillPattern();
    SetViewportOrgEx(expected.Dc(), 5, -4, nullptr);
    SetViewportOrgEx(actual.Dc(), 5, -4, nullptr);
    RECT rect = {-3, 2, 20, 31};
    ReferenceRadial(expected.Dc(), rect, kFirst, kSecond);
    FillHighlight(actual.Dc(), rect, kFirst, kRadial, kSecond);
    EXPECT_EQ(actual.FirstDifference(expected), "");
}

TEST(GrayImage, KeepsTheKeptColourAndTurnsBlackInto101) {
    Surface surface(4, 2);
    const COLORREF kept = RGB(255, 0, 255);
    SetPixelV(surface.Dc(), 0, 0, kept);
    SetPixelV(surface.Dc(), 1, 0, RGB(0, 0, 0));
    SetPixelV(surface.Dc(), 2, 0, RGB(252, 3, 255));  // distance RoundEven(7 / 3) = 2: kept
    SetPixelV(surface.Dc(), 3, 0, RGB(255, 255, 255));
    GrayImage(surface.Dc(), 0, 0, 4, 1, kept);
    EXPECT_EQ(surface.At(0, 0), kept);
    EXPECT_EQ(surface.At(1, 0), RGB(101, 101, 101));  // 92 x 1.1 = 101.2
    EXPECT_EQ(surface.At(2, 0), RGB(252, 3, 255));
    EXPECT_EQ(surface.At(3, 0), RGB(255, 255, 255));       // 347 is limited to 255
    EXPECT_EQ(surface.At(0, 1), brocade_test::kBackdrop);  // outside the area
}

TEST(GrayImage, MatchesThePerPixelDefinition) {
    const RECT areas[] = {{0, 0, 16, 16}, {3, 5, 20, 9}, {-4, -4, 10, 10}, {30, 20, 50, 40},
                          {5, 5, 5, 9},   {5, 5, 1, 1},  {0, 0, 1, 1}};
    for (const RECT &a : areas) {
        Surface expected(40, 30), actual(40, 30);
        expected.FillPattern();
        actual.FillPattern();
        const COLORREF kept = expected.At(7, 7);
        ReferenceGray(expected.Dc(), a.left, a.top, a.right - a.left, a.bottom - a.top, kept);
        GrayImage(actual.Dc(), a.left, a.top, a.right - a.left, a.bottom - a.top, kept);
        EXPECT_EQ(actual.FirstDifference(expected), "") << a.left << "," << a.top << " " << a.right << "x" << a.bottom;
    }
}

// A surface below 24 bits per pixel is not copied: the per-pixel way is taken and still right.
TEST(PixelGradients, SixteenBitSurfacesFallBackToPixelCalls) {
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof info.bmiHeader, 20, -10, 1, 16, BI_RGB};
    void *bits = nullptr;
    HDC expected = CreateCompatibleDC(nullptr), actual = CreateCompatibleDC(nullptr);
    HBITMAP expectedBitmap = CreateDIBSection(expected, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HBITMAP actualBitmap = CreateDIBSection(actual, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ oldExpected = SelectObject(expected, expectedBitmap), oldActual = SelectObject(actual, actualBitmap);
    RECT rect = {1, 1, 18, 9};
    ReferenceRadial(expected, rect, kFirst, kSecond);
    FillHighlight(actual, rect, kFirst, kRadial, kSecond);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x) ASSERT_EQ(GetPixel(actual, x, y), GetPixel(expected, x, y)) << x << "," << y;
    SelectObject(expected, oldExpected);
    SelectObject(actual, oldActual);
    DeleteObject(expectedBitmap);
    DeleteObject(actualBitmap);
    DeleteDC(expected);
    DeleteDC(actual);
}

// The per-pixel fills mix colours with an inlined copy of BlendColors; it must agree with it
// everywhere, ties included (k / 2^n weights on odd channel sums give exact halves).
TEST(GradientMix, AgreesWithBlendColors) {
    const COLORREF pairs[][2] = {{RGB(250, 30, 0), RGB(0, 90, 255)},
                                 {RGB(255, 255, 255), RGB(0, 0, 0)},
                                 {RGB(1, 2, 3), RGB(254, 253, 252)},
                                 {0xAA123456, 0x55654321}};
    for (const auto &pair : pairs) {
        const GradientMix mix(pair[0], pair[1]);
        for (int k = -10; k <= 4106; ++k) {
            const float exact = static_cast<float>(k) / 4096;
            ASSERT_EQ(mix.At(exact), BlendColors(pair[0], pair[1], exact)) << k;
            const float odd = static_cast<float>(k) / 4097;
            ASSERT_EQ(mix.At(odd), BlendColors(pair[0], pair[1], odd)) << k;
        }
        for (int a = 1; a <= 60; ++a)
            for (int b = 1; b <= 60; ++b) {
                const float product = Single(static_cast<double>(Single(a / 60.0)) * Single(b / 60.0));
                ASSERT_EQ(mix.At(product), BlendColors(pair[0], pair[1], product)) << a << "," << b;
            }
    }
}

namespace {

// A visible top-level window whose client area is read back with BitBlt.
class ProbeWindow {
public:
    ProbeWindow() {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"BrocadePixelProbe";
        RegisterClassW(&windowClass);
        window_ = CreateWindowExW(WS_EX_TOPMOST, L"BrocadePixelProbe", L"", WS_POPUP | WS_VISIBLE, 100, 100, 64, 40,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        brocade_test::PumpMessages(50);
        dc_ = GetDC(window_);
    }
    ~ProbeWindow() {
        ReleaseDC(window_, dc_);
        DestroyWindow(window_);
        UnregisterClassW(L"BrocadePixelProbe", GetModuleHandleW(nullptr));
    }
    HDC Dc() const { return dc_; }
    void Paint(const Surface &from) { BitBlt(dc_, 0, 0, 64, 40, from.Dc(), 0, 0, SRCCOPY); }
    std::vector<COLORREF> Pixels() const {
        Surface copy(64, 40);
        BitBlt(copy.Dc(), 0, 0, 64, 40, dc_, 0, 0, SRCCOPY);
        std::vector<COLORREF> pixels;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 64; ++x) pixels.push_back(copy.At(x, y));
        return pixels;
    }

private:
    HWND window_;
    HDC dc_;
};

}  // namespace

// A window DC is read through a copy and written with its own clipping.
TEST(PixelGradients, WindowDcsGiveThePixelsOfThePerPixelDefinition) {
    ProbeWindow window;
    Surface pattern(64, 40);
    pattern.FillPattern();
    const RECT rect = {-5, 3, 25, 21};  // small: every SetPixelV on a window is slow under Wine

    window.Paint(pattern);
    const std::vector<COLORREF> unpainted = window.Pixels();
    ReferenceRadial(window.Dc(), rect, kFirst, kSecond);
    ReferenceGray(window.Dc(), 10, 0, 20, 10, pattern.At(12, 5));
    const std::vector<COLORREF> expected = window.Pixels();
    ASSERT_NE(expected, unpainted);  // the window shows what is drawn on it

    window.Paint(pattern);
    RECT copy = rect;
    FillHighlight(window.Dc(), copy, kFirst, kRadial, kSecond);
    GrayImage(window.Dc(), 10, 0, 20, 10, pattern.At(12, 5));
    EXPECT_EQ(window.Pixels(), expected);
}

TEST(GrayImage, ViewportOriginIsHonoured) {
    Surface expected(40, 30), actual(40, 30);
    expected.FillPattern();
    actual.FillPattern();
    SetViewportOrgEx(expected.Dc(), 7, 3, nullptr);
    SetViewportOrgEx(actual.Dc(), 7, 3, nullptr);
    ReferenceGray(expected.Dc(), -9, 2, 30, 40, RGB(0, 0, 0));
    GrayImage(actual.Dc(), -9, 2, 30, 40, RGB(0, 0, 0));
    EXPECT_EQ(actual.FirstDifference(expected), "");
}
