// Cost of the highlight painters on a 300 x 24 bar, each against one plain FillRect of the same
// rectangle, and the speed-up of the pixel-copy versions of Diagonal, Radial and the grey-out
// over one GetPixel / SetPixelV call per pixel, on a 300 x 24 bar and a 16 x 16 icon. Prints a
// table; run by hand.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <vector>

#include "bench_report.h"
#include "common/enums.h"
#include "common/color_utils.h"
#include "render/gray_image.h"
#include "render/highlight_fill.h"

namespace {

constexpr int kWidth = 300, kHeight = 24, kRounds = 7;
constexpr COLORREF kFirst = RGB(10, 36, 106), kSecond = RGB(240, 240, 230);

double Seconds(const LARGE_INTEGER &from, const LARGE_INTEGER &to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / frequency.QuadPart;
}

// Median time of one call, over rounds of calls long enough to measure.
double MicrosecondsPerCall(const std::function<void()> &work, int callsPerRound) {
    std::vector<double> rounds;
    work();
    for (int r = 0; r < kRounds; ++r) {
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        for (int i = 0; i < callsPerRound; ++i) work();
        GdiFlush();
        QueryPerformanceCounter(&end);
        rounds.push_back(Seconds(start, end) * 1e6 / callsPerRound);
    }
    std::sort(rounds.begin(), rounds.end());
    return rounds[rounds.size() / 2];
}

float Single(double value) {
    volatile float stored = static_cast<float>(value);
    return stored;
}

// The per-pixel definitions, one GDI call per pixel.
void DiagonalByPixel(HDC dc, const RECT &r) {
    const int w = static_cast<int16_t>(r.right - r.left), h = static_cast<int16_t>(r.bottom - r.top);
    for (long x = r.left; x < r.right; ++x)
        for (long y = r.top; y < r.bottom; ++y) {
            float weight = Single(static_cast<double>(Single(static_cast<double>(r.right - x) / w)) *
                                  Single(static_cast<double>(r.bottom - y) / h));
            SetPixelV(dc, x, y, brocade::BlendColors(kFirst, kSecond, weight));
        }
}

void RadialByPixel(HDC dc, const RECT &r) {
    const int w2 = brocade::RoundEven(static_cast<int16_t>(r.right - r.left) / 2.0);
    const int h2 = brocade::RoundEven(static_cast<int16_t>(r.bottom - r.top) / 2.0);
    const long xc = r.left + w2, yc = r.top + h2;
    for (int i = 0; i < w2; ++i)
        for (int j = 0; j < h2; ++j) {
            float weight = Single(static_cast<double>(Single(static_cast<double>(w2 - i) / w2)) *
                                  Single(static_cast<double>(h2 - j) / h2));
            COLORREF color = brocade::BlendColors(kFirst, kSecond, weight);
            SetPixelV(dc, xc + i, yc + j, color);
            SetPixelV(dc, xc - i, yc + j, color);
            SetPixelV(dc, xc + i, yc - j, color);
            SetPixelV(dc, xc - i, yc - j, color);
        }
}

void GrayByPixel(HDC dc, int width, int height, COLORREF kept) {
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y) {
            COLORREF c = GetPixel(dc, x, y);
            if (brocade::ColorDistance(c, kept) > 5) SetPixelV(dc, x, y, brocade::GrayOf(c));
        }
}

// An item memory bitmap as the painters get it: compatible with the screen.
struct ItemBitmap {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, kWidth, kHeight);
    HGDIOBJ old = SelectObject(dc, bitmap);
    ~ItemBitmap() {
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
        ReleaseDC(nullptr, screen);
    }
};

// An icon-like picture over the whole bar: stripes of colours with the kept colour between them.
void PaintPicture(HDC dc, COLORREF kept) {
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            SetPixelV(dc, x, y, (x + y) % 4 == 0 ? kept : RGB((x * 16) & 255, (y * 16) & 255, 128));
}

struct Size {
    int width, height;
    const char *name;
};

}  // namespace

int main() {
    brocade_bench::PrintAsYouGo();
    ItemBitmap item;
    const RECT bar = {0, 0, kWidth, kHeight};
    const char *const names[] = {"Plain",
                                 "Horizontal Left To Right",
                                 "Horizontal Right To Left",
                                 "Horizontal Center",
                                 "Vertical Top To Bottom",
                                 "Vertical Bottom To Top",
                                 "Vertical Center",
                                 "Diagonal",
                                 "Radial",
                                 "XP",
                                 "Office 2003"};

    HBRUSH brush = CreateSolidBrush(kFirst);
    const double fillRect = MicrosecondsPerCall([&] { FillRect(item.dc, &bar, brush); }, 2000);
    DeleteObject(brush);
    std::printf("%d x %d highlight bar; one FillRect of it: %.2f us\n\n", kWidth, kHeight, fillRect);
    std::printf("%-26s %12s %14s\n", "style", "us per fill", "x FillRect");
    for (long style = brocade::kPlain; style <= brocade::kOffice2003; ++style) {
        const int calls = style == brocade::kDiagonal || style == brocade::kRadial ? 100 : 500;
        const double us = MicrosecondsPerCall(
            [&] {
                RECT rect = bar;
                brocade::FillHighlight(item.dc, rect, kFirst, style, kSecond);
            },
            calls);
        std::printf("%-26s %12.2f %14.1f\n", names[style], us, us / fillRect);
        std::printf("RATIO\tpainter\t%s %d x %d / one FillRect\t%.2f\t\n", names[style], kWidth, kHeight,
                    us / fillRect);
    }

    std::printf("\n%-26s %12s %12s %10s\n", "pixel copy vs per pixel", "per pixel us", "copy us", "speed-up");
    const COLORREF kept = RGB(255, 0, 255);
    ItemBitmap picture;  // the grey-out's source, copied in before each run
    PaintPicture(picture.dc, kept);
    for (const Size &size : {Size{kWidth, kHeight, "300 x 24"}, Size{16, 16, "16 x 16"}}) {
        const RECT area = {0, 0, size.width, size.height};
        const int byPixelCalls = size.width * size.height > 1000 ? 10 : 200;
        auto print = [&](const char *painter, double byPixel, double copy) {
            char label[64];
            std::snprintf(label, sizeof label, "%s %s", painter, size.name);
            std::printf("%-26s %12.1f %12.1f %9.1fx\n", label, byPixel, copy, byPixel / copy);
            std::printf("RATIO\tpixels\t%s per pixel / in memory\t%.1f\tspeed-up\n", label, byPixel / copy);
        };
        auto fill = [&](long style) {
            RECT rect = area;
            brocade::FillHighlight(item.dc, rect, kFirst, style, kSecond);
        };
        const int copyCalls = size.width * size.height > 1000 ? 200 : 2000;
        print("Diagonal", MicrosecondsPerCall([&] { DiagonalByPixel(item.dc, area); }, byPixelCalls),
              MicrosecondsPerCall([&] { fill(brocade::kDiagonal); }, copyCalls));
        print("Radial", MicrosecondsPerCall([&] { RadialByPixel(item.dc, area); }, byPixelCalls),
              MicrosecondsPerCall([&] { fill(brocade::kRadial); }, copyCalls));
        // Each run starts from the picture again; the copy that puts it back is timed alone and
        // taken off.
        auto restore = [&] { BitBlt(item.dc, 0, 0, size.width, size.height, picture.dc, 0, 0, SRCCOPY); };
        const double restoring = MicrosecondsPerCall(restore, 2000);
        const double grayByPixel = MicrosecondsPerCall(
                                       [&] {
                                           restore();
                                           GrayByPixel(item.dc, size.width, size.height, kept);
                                       },
                                       byPixelCalls) -
                                   restoring;
        const double gray = MicrosecondsPerCall(
                                [&] {
                                    restore();
                                    brocade::GrayImage(item.dc, 0, 0, size.width, size.height, kept);
                                },
                                2000) -
                            restoring;
        print("GrayImage", grayByPixel, gray);
    }
    return brocade_bench::Verdict(true, "every painter measured (no limits: the figures are for reading)");
}
