// The band fills (styles 1 to 6) now paint into a copy of the DC's pixels; here they are held
// pixel for pixel against the brush-per-band painter they replace, on the surfaces painters
// meet: item bitmaps compatible with the screen, DIB sections, clipped DCs, moved origins and
// a window DC. The grey-out, which shares the copy, is held against GetPixel / SetPixelV.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "common/gdi.h"
#include "common/enums.h"
#include "frame/frame_test_support.h"
#include "common/color_utils.h"
#include "render/gray_image.h"
#include "render/highlight_fill.h"
#include "support/test_support.h"

namespace frame_test {
namespace {

using brocade::UniqueBrush;

// --- The previous painter, one CreateSolidBrush and FillRect per band -----------------------

float Single(double value) {
    volatile float stored = static_cast<float>(value);
    return stored;
}
int Extent(long low, long high) { return static_cast<int16_t>(static_cast<uint16_t>(static_cast<long long>(high) - low)); }

void Band(HDC dc, const RECT &band, COLORREF color, bool vertical) {
    RECT span = band;
    if (vertical) {
        span.top = std::min(band.top, band.bottom);
        span.bottom = std::max(band.top, band.bottom);
    } else {
        span.left = std::min(band.left, band.right);
        span.right = std::max(band.left, band.right);
    }
    UniqueBrush brush(CreateSolidBrush(color));
    if (span.right > span.left && span.bottom > span.top) FillRect(dc, &span, brush.Get());
}

bool Moved(float last, float weight) { return std::fabs(Single(static_cast<double>(last) - weight)) > 0.025; }

void ReferenceHorizontal(HDC dc, RECT &rect, COLORREF c1, COLORREF c2, bool fromRight) {
    const long left = rect.left, right = rect.right;
    const int width = Extent(left, right);
    const long long start = fromRight ? right : left, end = fromRight ? left : right, step = fromRight ? -1 : 1;
    if ((end - start) * step < 0) return;
    float last = 1.5f, weight = 0.0f;
    long long stop = start;
    for (long long x = start;; x += step) {
        if (width != 0) weight = Single(static_cast<double>(fromRight ? x - left : right - x) / width);
        if (Moved(last, weight) || x == end) {
            last = weight;
            rect.left = static_cast<long>(stop);
            rect.right = static_cast<long>(x);
            Band(dc, rect, brocade::BlendColors(c1, c2, weight), false);
            stop = x;
        }
        if (x == end) break;
    }
}

void ReferenceVertical(HDC dc, RECT &rect, COLORREF c1, COLORREF c2, bool fromBottom) {
    const long top = rect.top, bottom = rect.bottom;
    const int height = Extent(top, bottom);
    const long long start = fromBottom ? static_cast<long long>(bottom) - 1 : top;
    const long long end = fromBottom ? top : static_cast<long long>(bottom) - 1, step = fromBottom ? -1 : 1;
    if ((end - start) * step < 0) return;
    float last = 1.5f, weight = 0.0f;
    long long stop = start;
    for (long long y = start;; y += step) {
        if (height != 0) weight = Single(static_cast<double>(fromBottom ? y - top + 1 : bottom - y) / height);
        if (Moved(last, weight)) {
            last = weight;
            rect.top = static_cast<long>(stop);
            rect.bottom = static_cast<long>(y);
            Band(dc, rect, brocade::BlendColors(c1, c2, weight), true);
            stop = y;
        }
        if (y == end) break;
    }
}

void ReferenceCentre(HDC dc, RECT &rect, COLORREF c1, COLORREF c2, bool vertical) {
    LONG &low = vertical ? rect.top : rect.left;
    LONG &high = vertical ? rect.bottom : rect.right;
    const int half = brocade::RoundEven(Extent(low, high) / 2.0);
    const long centre = low + half;
    long previous = 0;
    for (long i = 0; i < half; ++i) {
        const COLORREF color = brocade::BlendColors(c1, c2, Single(static_cast<double>(half - i) / half));
        low = centre + previous;
        high = centre + i;
        Band(dc, rect, color, vertical);
        low = centre - i;
        high = centre - previous;
        Band(dc, rect, color, vertical);
        previous = i;
    }
}

void ReferenceFill(HDC dc, RECT &rect, COLORREF c1, long style, COLORREF c2) {
    switch (style) {
    case brocade::kHorizontalLeftToRight: ReferenceHorizontal(dc, rect, c1, c2, false); break;
    case brocade::kHorizontalRightToLeft: ReferenceHorizontal(dc, rect, c1, c2, true); break;
    case brocade::kHorizontalCenter: ReferenceCentre(dc, rect, c1, c2, false); break;
    case brocade::kVerticalTopToBottom: ReferenceVertical(dc, rect, c1, c2, false); break;
    case brocade::kVerticalBottomToTop: ReferenceVertical(dc, rect, c1, c2, true); break;
    case brocade::kVerticalCenter: ReferenceCentre(dc, rect, c1, c2, true); break;
    }
}

// --- Surfaces ---------------------------------------------------------------------------

// An item bitmap as the painters get it: compatible with the screen, read back through a DIB.
class ScreenBitmap {
public:
    ScreenBitmap(int width, int height) : width_(width), height_(height), dc_(nullptr) {
        HDC screen = GetDC(nullptr);
        bitmap_.Reset(CreateCompatibleBitmap(screen, width, height));
        ReleaseDC(nullptr, screen);
        selection_ = std::make_unique<brocade::SelectGuard>(dc_.Get(), bitmap_.Get());
        Surface pattern(width, height);
        pattern.FillPattern();
        BitBlt(dc_.Get(), 0, 0, width, height, pattern.Dc(), 0, 0, SRCCOPY);
    }
    HDC Dc() const { return dc_.Get(); }
    std::unique_ptr<Surface> Pixels() const {
        auto copy = std::make_unique<Surface>(width_, height_);
        BitBlt(copy->Dc(), 0, 0, width_, height_, dc_.Get(), 0, 0, SRCCOPY);
        return copy;
    }

private:
    int width_, height_;
    brocade::MemoryDc dc_;
    brocade::UniqueBitmap bitmap_;
    std::unique_ptr<brocade::SelectGuard> selection_;
};

constexpr COLORREF kFirst = RGB(10, 36, 106), kSecond = RGB(240, 240, 230);
const long kBandStyles[] = {brocade::kHorizontalLeftToRight, brocade::kHorizontalRightToLeft,
                            brocade::kHorizontalCenter,      brocade::kVerticalTopToBottom,
                            brocade::kVerticalBottomToTop,   brocade::kVerticalCenter};

const RECT kRects[] = {{0, 0, 300, 24},   {3, 2, 10, 9},     {5, 1, 6, 30},      {0, 0, 0, 10},   {10, 5, 4, 20},
                       {4, 20, 30, 6},    {-7, -3, 44, 13},  {290, 20, 340, 40}, {1, 1, 41, 39},  {2, 0, 42, 1},
                       {0, 0, 40002, 7},  {0, 0, 65540, 12}, {0, 3, 299, 23}};

TEST(BandFillCopy, EveryStyleAndRectangleMatchesTheBrushPerBandPainter) {
    for (long style : kBandStyles)
        for (const RECT &rect : kRects) {
            ScreenBitmap expected(300, 40), actual(300, 40);
            RECT expectedRect = rect, actualRect = rect;
            ReferenceFill(expected.Dc(), expectedRect, kFirst, style, kSecond);
            brocade::FillHighlight(actual.Dc(), actualRect, kFirst, style, kSecond);
            EXPECT_EQ(actual.Pixels()->FirstDifference(*expected.Pixels()), "")
                << "style " << style << " rect " << rect.left << "," << rect.top << "," << rect.right << ","
                << rect.bottom;
            EXPECT_TRUE(EqualRect(&actualRect, &expectedRect)) << "style " << style << ": the band rectangle left behind";
        }
}

TEST(BandFillCopy, ClipRegionsAndMovedOriginsMatchToo) {
    brocade::UniqueRegion ring(CreateRectRgn(0, 0, 200, 30));
    brocade::UniqueRegion hole(CreateRectRgn(50, 5, 120, 20));
    CombineRgn(ring.Get(), ring.Get(), hole.Get(), RGN_DIFF);
    for (long style : kBandStyles) {
        Surface expected(200, 30), actual(200, 30);
        expected.FillPattern();
        actual.FillPattern();
        for (Surface *surface : {&expected, &actual}) {
            SelectClipRgn(surface->Dc(), ring.Get());
            SetViewportOrgEx(surface->Dc(), -6, 3, nullptr);
        }
        RECT a = {0, 0, 190, 24}, b = a;
        ReferenceFill(expected.Dc(), a, kFirst, style, kSecond);
        brocade::FillHighlight(actual.Dc(), b, kFirst, style, kSecond);
        EXPECT_EQ(actual.FirstDifference(expected), "") << "style " << style;
    }
}

TEST(BandFillCopy, AWindowDcMatchesToo) {
    HWND window = CreateColouredWindow(30, 30, 200, 40, RGB(1, 2, 3));
    for (long style : kBandStyles) {
        HDC dc = GetDC(window);
        RECT a = {0, 0, 200, 30}, b = a;
        PatBlt(dc, 0, 0, 200, 40, BLACKNESS);
        ReferenceFill(dc, a, kFirst, style, kSecond);
        Surface expected(200, 40);
        BitBlt(expected.Dc(), 0, 0, 200, 40, dc, 0, 0, SRCCOPY);
        PatBlt(dc, 0, 0, 200, 40, BLACKNESS);
        brocade::FillHighlight(dc, b, kFirst, style, kSecond);
        Surface actual(200, 40);
        BitBlt(actual.Dc(), 0, 0, 200, 40, dc, 0, 0, SRCCOPY);
        ReleaseDC(window, dc);
        EXPECT_EQ(actual.FirstDifference(expected), "") << "style " << style;
    }
    DestroyWindow(window);
}

TEST(GrayImageCopy, AScreenCompatibleItemBitmapMatchesPixelByPixel) {
    for (const RECT &area : {RECT{0, 0, 16, 16}, RECT{3, 2, 19, 18}, RECT{280, 10, 320, 50}, RECT{0, 0, 300, 24}}) {
        ScreenBitmap expected(300, 40), actual(300, 40);
        const COLORREF kept = expected.Pixels()->At(5, 5);
        for (long x = area.left; x < area.right; ++x)
            for (long y = area.top; y < area.bottom; ++y) {
                const COLORREF c = GetPixel(expected.Dc(), x, y);
                if (c != CLR_INVALID && brocade::ColorDistance(c, kept) > 5) SetPixelV(expected.Dc(), x, y, brocade::GrayOf(c));
            }
        brocade::GrayImage(actual.Dc(), area.left, area.top, area.right - area.left, area.bottom - area.top, kept);
        EXPECT_EQ(actual.Pixels()->FirstDifference(*expected.Pixels()), "") << area.left << "," << area.top;
    }
}

TEST(GrayImageCopy, NestedAndRepeatedUseLeavesNoObjectBehind) {
    ScreenBitmap item(300, 40);
    brocade::GrayImage(item.Dc(), 0, 0, 16, 16, 0);  // the cached surface exists from here on
    const long before = brocade_test::GdiObjectCount();
    for (int i = 0; i < 50; ++i) {
        brocade::GrayImage(item.Dc(), i, 0, 16, 16, 0);
        RECT rect = {0, 0, 300, 24};
        brocade::FillHighlight(item.Dc(), rect, kFirst, brocade::kHorizontalCenter, kSecond);
    }
    brocade::GrayImage(item.Dc(), 0, 0, 1000, 1000, 0);  // too large to keep: made and freed
    if (before >= 0) {
        EXPECT_EQ(brocade_test::GdiObjectCount(), before);
    }
}

}  // namespace
}  // namespace frame_test
