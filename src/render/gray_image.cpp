#include "render/gray_image.h"

#include <algorithm>

#include "render/color_utils.h"
#include "render/dc_pixels.h"

namespace brocade {

namespace {

constexpr int kKeptDistance = 5;

// Runs of one colour are common in icons: the last conversion is reused.
class GrayConversion {
public:
    explicit GrayConversion(COLORREF kept) : kept_(kept) {}
    // False when the pixel stays as it is.
    bool Convert(COLORREF color, COLORREF &gray) {
        if (ColorDistance(color, kept_) <= kKeptDistance) return false;
        if (!valid_ || color != lastColor_) {
            lastColor_ = color;
            lastGray_ = GrayOf(color);
            valid_ = true;
        }
        gray = lastGray_;
        return true;
    }

private:
    COLORREF kept_, lastColor_ = 0, lastGray_ = 0;
    bool valid_ = false;
};

void GrayPixelByPixel(HDC dc, int x, int y, int w, int h, GrayConversion &conversion) {
    for (long long px = x; px < static_cast<long long>(x) + w; ++px)
        for (long long py = y; py < static_cast<long long>(y) + h; ++py) {
            COLORREF gray;
            if (conversion.Convert(GetPixel(dc, static_cast<int>(px), static_cast<int>(py)), gray))
                SetPixelV(dc, static_cast<int>(px), static_cast<int>(py), gray);
        }
}

}  // namespace

COLORREF GrayOf(COLORREF color) {
    int red, green, blue;
    SplitRGB(color, red, green, blue);
    const int level = std::min(RoundEven(0.3 * red + 0.59 * green + 0.11 * blue + 92), 255);
    return LightenColor(RGB(level, level, level));
}

void GrayImage(HDC dc, int x, int y, int w, int h, COLORREF keptColor) {
    GrayConversion conversion(keptColor);
    const RECT area = {x, y,
                       static_cast<long>(std::min<long long>(static_cast<long long>(x) + std::max(w, 0), LONG_MAX)),
                       static_cast<long>(std::min<long long>(static_cast<long long>(y) + std::max(h, 0), LONG_MAX))};
    DcPixels pixels;
    if (!pixels.Load(dc, area)) {
        GrayPixelByPixel(dc, x, y, w, h, conversion);
        return;
    }
    if (pixels.Empty()) return;
    const RECT &visible = pixels.Bounds();
    for (long px = visible.left; px < visible.right; ++px)
        for (long py = visible.top; py < visible.bottom; ++py) {
            COLORREF gray;
            if (conversion.Convert(pixels.Get(px, py), gray)) pixels.Set(px, py, gray);
        }
    pixels.Store();
}

}  // namespace brocade
