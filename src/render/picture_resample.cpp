#include "render/picture_resample.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "common/gdi.h"

namespace brocade {

namespace {

// Colour channels weighted by coverage (premultiplied) and the coverage itself, 0 to 1.
struct Weighted {
    double b = 0, g = 0, r = 0, a = 0;
};

struct Image {
    int width = 0, height = 0;
    std::vector<Weighted> pixels;
    Weighted &At(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }
    const Weighted &At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// The format of 32-bit top-down pixels, blue first.
BITMAPINFO TopDownFormat(int width, int height) {
    BITMAPINFO format = {};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    return format;
}

// The 32-bit top-down pixels of a bitmap, blue first.
bool ReadPixels(HBITMAP bitmap, int &width, int &height, std::vector<uint32_t> &pixels) {
    BITMAP info = {};
    if (!bitmap || !GetObjectW(bitmap, sizeof info, &info) || info.bmWidth <= 0 || info.bmHeight <= 0) return false;
    width = info.bmWidth;
    height = info.bmHeight;
    BITMAPINFO format = TopDownFormat(width, height);
    pixels.assign(static_cast<size_t>(width) * height, 0);
    WindowDc screen(nullptr);
    return GetDIBits(screen.Get(), bitmap, 0, static_cast<UINT>(height), pixels.data(), &format, DIB_RGB_COLORS) ==
           height;
}

// One axis of an area resample: which source pixels cover a result pixel, and how much.
template <class Visit>
void Cover(int result, int resultSize, int sourceSize, Visit visit) {
    const double scale = static_cast<double>(sourceSize) / resultSize;
    const double from = result * scale, to = (result + 1) * scale;
    for (int s = static_cast<int>(from); s < sourceSize && s < to; ++s) {
        const double part = std::min<double>(s + 1, to) - std::max<double>(s, from);
        if (part > 0) visit(s, part / scale);
    }
}

Image Resample(const Image &source, int width, int height) {
    Image result{width, height, std::vector<Weighted>(static_cast<size_t>(width) * height)};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            Weighted &sum = result.At(x, y);
            Cover(y, height, source.height, [&](int sy, double wy) {
                Cover(x, width, source.width, [&](int sx, double wx) {
                    const Weighted &p = source.At(sx, sy);
                    const double w = wx * wy;
                    sum.b += p.b * w;
                    sum.g += p.g * w;
                    sum.r += p.r * w;
                    sum.a += p.a * w;
                });
            });
        }
    return result;
}

BYTE Channel(double value) { return static_cast<BYTE>(std::clamp(value + 0.5, 0.0, 255.0)); }

// A 32-bit top-down DIB section of the given pixels.
UniqueBitmap MakeSection(int width, int height, const std::vector<uint32_t> &pixels) {
    BITMAPINFO format = TopDownFormat(width, height);
    void *bits = nullptr;
    UniqueBitmap section(CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (section && bits) std::copy(pixels.begin(), pixels.end(), static_cast<uint32_t *>(bits));
    return section;
}

uint32_t Pack(BYTE b, BYTE g, BYTE r, BYTE a) { return b | (g << 8) | (r << 16) | (static_cast<uint32_t>(a) << 24); }

}  // namespace

bool DrawResampledBitmap(HDC dc, int width, int height, HBITMAP bitmap, COLORREF key) {
    int sw = 0, sh = 0;
    std::vector<uint32_t> raw;
    if (width <= 0 || height <= 0 || !ReadPixels(bitmap, sw, sh, raw)) return false;
    key &= 0x00FFFFFF;
    const uint32_t keyPixel = Pack(GetBValue(key), GetGValue(key), GetRValue(key), 0);
    Image source{sw, sh, std::vector<Weighted>(raw.size())};
    for (size_t i = 0; i < raw.size(); ++i) {
        const uint32_t p = raw[i] & 0x00FFFFFF;
        if (p != keyPixel) source.pixels[i] = Weighted{double(p & 0xFF), double((p >> 8) & 0xFF), double(p >> 16), 1};
    }
    const Image result = Resample(source, width, height);
    std::vector<uint32_t> out(static_cast<size_t>(width) * height, keyPixel);
    for (size_t i = 0; i < out.size(); ++i) {
        const Weighted &p = result.pixels[i];
        if (p.a < 0.5) continue;
        uint32_t pixel = Pack(Channel(p.b / p.a), Channel(p.g / p.a), Channel(p.r / p.a), 0);
        if (pixel == keyPixel) pixel ^= 1;  // a drawn pixel never turns transparent
        out[i] = pixel;
    }
    UniqueBitmap section = MakeSection(width, height, out);
    MemoryDc memory(dc);
    if (!section || !memory) return false;
    SelectGuard selected(memory.Get(), section.Get());
    return BitBlt(dc, 0, 0, width, height, memory.Get(), 0, 0, SRCCOPY) != FALSE;
}

bool DrawResampledIcon(HDC dc, const RECT &at, HICON icon, bool disabled) {
    const int width = at.right - at.left, height = at.bottom - at.top;
    ICONINFO parts = {};
    if (width <= 0 || height <= 0 || !icon || !GetIconInfo(icon, &parts)) return false;
    UniqueBitmap color(parts.hbmColor), mask(parts.hbmMask);
    int sw = 0, sh = 0, mw = 0, mh = 0;
    std::vector<uint32_t> colors, masks;
    if (!ReadPixels(color.Get(), sw, sh, colors) || !ReadPixels(mask.Get(), mw, mh, masks) || mw != sw) return false;
    // An icon with an alpha channel says how opaque each pixel is; an older one only which
    // pixels its mask leaves out.
    const bool hasAlpha = std::any_of(colors.begin(), colors.end(), [](uint32_t p) { return (p >> 24) != 0; });
    Image source{sw, sh, std::vector<Weighted>(colors.size())};
    for (size_t i = 0; i < colors.size(); ++i) {
        const uint32_t p = colors[i];
        const double a = hasAlpha ? (p >> 24) / 255.0 : ((masks[i] & 0x00FFFFFF) ? 0.0 : 1.0);
        source.pixels[i] = Weighted{(p & 0xFF) * a, ((p >> 8) & 0xFF) * a, ((p >> 16) & 0xFF) * a, a};
    }
    const Image result = Resample(source, width, height);
    std::vector<uint32_t> out(static_cast<size_t>(width) * height, 0);
    for (size_t i = 0; i < out.size(); ++i) {
        Weighted p = result.pixels[i];
        if (disabled && p.a > 0) {
            // Light grey from the pixel's brightness, kept as opaque as it was.
            const double grey = std::min(255.0, (0.3 * p.r + 0.59 * p.g + 0.11 * p.b) / p.a + 92) * 1.1;
            p.r = p.g = p.b = std::min(255.0, grey) * p.a;
        }
        out[i] = Pack(Channel(p.b), Channel(p.g), Channel(p.r), Channel(p.a * 255));
    }
    UniqueBitmap section = MakeSection(width, height, out);
    MemoryDc memory(dc);
    if (!section || !memory) return false;
    SelectGuard selected(memory.Get(), section.Get());
    const BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    return AlphaBlend(dc, at.left, at.top, width, height, memory.Get(), 0, 0, width, height, blend) != FALSE;
}

}  // namespace brocade
