#include "render/gray_image.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>

#include "common/color_utils.h"
#include "render/dc_pixels.h"

namespace brocade {

namespace {

// ColorDistance(c, kept) <= 5 holds exactly when the channel differences add up to at most 16
// (16 / 3 rounds to 5, 17 / 3 to 6). The sum is the same whatever order the channels are in.
constexpr int kKeptChannelSum = 16;

bool IsKept(uint32_t color, uint32_t kept) {
    return std::abs(static_cast<int>(color & 255) - static_cast<int>(kept & 255)) +
               std::abs(static_cast<int>((color >> 8) & 255) - static_cast<int>((kept >> 8) & 255)) +
               std::abs(static_cast<int>((color >> 16) & 255) - static_cast<int>((kept >> 16) & 255)) <=
           kKeptChannelSum;
}

// The lightened grey of each level, computed once.
const std::array<COLORREF, 256> &LightenedGreys() {
    static const std::array<COLORREF, 256> greys = [] {
        std::array<COLORREF, 256> table{};
        for (int level = 0; level < 256; ++level) table[level] = LightenColor(RGB(level, level, level));
        return table;
    }();
    return greys;
}

int GreyLevel(COLORREF color) {
    int red, green, blue;
    SplitRGB(color, red, green, blue);
    return std::min(RoundEven(0.3 * red + 0.59 * green + 0.11 * blue + 92), 255);
}

// The copy holds 0x00RRGGBB, COLORREFs are 0x00BBGGRR; a grey reads the same either way.
uint32_t Swapped(uint32_t pixel) { return ((pixel & 255) << 16) | (pixel & 0xFF00) | ((pixel >> 16) & 255); }

// Pictures repeat few colours: their conversions are kept in a small table by colour. Colours
// are taken in one channel order throughout (COLORREF, or the copy's), since greys and the
// comparison with the kept colour do not depend on it.
class GrayConversion {
public:
    GrayConversion(uint32_t kept, bool swapped) : kept_(kept & 0xFFFFFF), swapped_(swapped), greys_(LightenedGreys()) {
        slots_.fill(Slot{kEmpty, 0});
    }
    // False when the pixel stays as it is.
    bool Convert(uint32_t color, uint32_t &gray) {
        color &= 0xFFFFFF;
        if (IsKept(color, kept_)) return false;
        Slot &slot = slots_[(color ^ (color >> 7) ^ (color >> 15)) & (kSlots - 1)];
        if (slot.color != color) {
            slot.color = color;
            slot.gray = greys_[GreyLevel(swapped_ ? Swapped(color) : color)];
        }
        gray = slot.gray;
        return true;
    }

private:
    static constexpr size_t kSlots = 256;
    static constexpr uint32_t kEmpty = 0xFFFFFFFF;  // no colour
    struct Slot {
        uint32_t color, gray;
    };
    uint32_t kept_;
    bool swapped_;
    const std::array<COLORREF, 256> &greys_;
    std::array<Slot, kSlots> slots_;
};

void GrayPixelByPixel(HDC dc, int x, int y, int w, int h, COLORREF keptColor) {
    GrayConversion conversion(keptColor, false);
    for (long long px = x; px < static_cast<long long>(x) + w; ++px)
        for (long long py = y; py < static_cast<long long>(y) + h; ++py) {
            const COLORREF color = GetPixel(dc, static_cast<int>(px), static_cast<int>(py));
            uint32_t gray;
            if (color != CLR_INVALID && conversion.Convert(color, gray))
                SetPixelV(dc, static_cast<int>(px), static_cast<int>(py), gray);
        }
}

}  // namespace

COLORREF GrayOf(COLORREF color) { return LightenedGreys()[GreyLevel(color)]; }

void GrayImage(HDC dc, int x, int y, int w, int h, COLORREF keptColor) {
    const RECT area = {x, y,
                       static_cast<long>(std::min<long long>(static_cast<long long>(x) + std::max(w, 0), LONG_MAX)),
                       static_cast<long>(std::min<long long>(static_cast<long long>(y) + std::max(h, 0), LONG_MAX))};
    DcPixels pixels;
    if (!pixels.Load(dc, area)) {
        GrayPixelByPixel(dc, x, y, w, h, keptColor);
        return;
    }
    if (pixels.Empty()) return;
    // Each pixel depends on itself alone, so the order of the walk does not matter.
    const RECT &visible = pixels.Bounds();
    const long width = visible.right - visible.left;
    GrayConversion conversion(Swapped(keptColor), true);
    for (long py = visible.top; py < visible.bottom; ++py) {
        uint32_t *row = pixels.Row(py);
        for (long i = 0; i < width; ++i) {
            uint32_t gray;
            if (conversion.Convert(row[i], gray)) row[i] = gray;
        }
    }
    pixels.Store();
}

}  // namespace brocade
