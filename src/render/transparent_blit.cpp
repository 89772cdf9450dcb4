#include "render/transparent_blit.h"

#include "common/gdi.h"
#include "common/color_utils.h"

namespace brocade {

namespace {

constexpr DWORD kSourceInvert = SRCINVERT;  // 0x660046
constexpr DWORD kSourceAnd = SRCAND;        // 0x8800C6

// Text and background colours of a DC, restored on scope exit.
class BlitColorsGuard {
public:
    BlitColorsGuard(HDC dc, COLORREF text, COLORREF background)
        : dc_(dc), text_(SetTextColor(dc, text)), background_(SetBkColor(dc, background)) {}
    ~BlitColorsGuard() {
        SetTextColor(dc_, text_);
        SetBkColor(dc_, background_);
    }
    BlitColorsGuard(const BlitColorsGuard &) = delete;
    BlitColorsGuard &operator=(const BlitColorsGuard &) = delete;

private:
    HDC dc_;
    COLORREF text_, background_;
};

// Selection that reports whether it took place.
bool Selected(HDC dc, HGDIOBJ object, HGDIOBJ &previous) {
    previous = SelectObject(dc, object);
    return previous != nullptr && previous != HGDI_ERROR;
}

}  // namespace

bool DrawTransparentBitmap(HDC destination, int x, int y, int w, int h, HDC source, int sx, int sy, int sw, int sh,
                           COLORREF transparentColor) {
    const COLORREF key = OleToRGB(transparentColor);
    MemoryDc mask(destination), image(destination);
    if (!mask || !image) return false;
    UniqueBitmap maskBitmap(CreateBitmap(sw, sh, 1, 1, nullptr));
    UniqueBitmap imageBitmap(CreateCompatibleBitmap(destination, sw, sh));
    if (!maskBitmap || !imageBitmap) return false;
    HGDIOBJ previousMask = nullptr, previousImage = nullptr;
    const bool maskSelected = Selected(mask.Get(), maskBitmap.Get(), previousMask);
    const bool imageSelected = Selected(image.Get(), imageBitmap.Get(), previousImage);
    bool drawn = false;
    if (maskSelected && imageSelected) {
        BitBlt(image.Get(), 0, 0, sw, sh, source, sx, sy, SRCCOPY);
        // The mask is white where the image has the key colour, black elsewhere; the image's
        // key-coloured pixels are then turned black.
        SetBkColor(image.Get(), key);
        BitBlt(mask.Get(), 0, 0, sw, sh, image.Get(), 0, 0, SRCCOPY);
        BitBlt(image.Get(), 0, 0, sw, sh, mask.Get(), 0, 0, kSourceInvert);
        {
            BlitColorsGuard colors(destination, RGB(0, 0, 0), RGB(255, 255, 255));
            if (sw != w || sh != h) {
                StretchBlt(destination, x, y, w, h, mask.Get(), 0, 0, sw, sh, kSourceAnd);
                StretchBlt(destination, x, y, w, h, image.Get(), 0, 0, sw, sh, kSourceInvert);
            } else {
                BitBlt(destination, x, y, sw, sh, mask.Get(), 0, 0, kSourceAnd);
                BitBlt(destination, x, y, sw, sh, image.Get(), 0, 0, kSourceInvert);
            }
        }
        drawn = true;
    }
    if (maskSelected) SelectObject(mask.Get(), previousMask);
    if (imageSelected) SelectObject(image.Get(), previousImage);
    return drawn;
}

}  // namespace brocade
