// A DC's pixels copied into memory, read and changed there and written back with one call:
// the same pixels as GetPixel and SetPixelV calls, at a small fraction of their cost.
#pragma once
#include <windows.h>

#include <vector>

namespace brocade {

class DcPixels {
public:
    DcPixels() = default;
    DcPixels(const DcPixels &) = delete;
    DcPixels &operator=(const DcPixels &) = delete;

    // Copies the part of area (logical coordinates, right and bottom excluded) that the DC can
    // show. False when the DC cannot be worked on this way (scaled, transformed or mirrored
    // coordinates, surfaces below 24 bits per pixel, metafiles): callers then work pixel by
    // pixel with GetPixel and SetPixelV.
    bool Load(HDC dc, const RECT &area);
    // The same for a caller that sets every pixel of the area: nothing is read.
    bool Prepare(HDC dc, const RECT &area);

    // The part of the area that can be seen; pixels outside it are never set.
    const RECT &Bounds() const { return bounds_; }
    bool Empty() const { return bounds_.right <= bounds_.left || bounds_.bottom <= bounds_.top; }

    COLORREF Get(long x, long y) const {
        const DWORD pixel = Pixel(x, y);
        return RGB((pixel >> 16) & 255, (pixel >> 8) & 255, pixel & 255);
    }
    void Set(long x, long y, COLORREF color) {
        Pixel(x, y) = ((color & 255) << 16) | (color & 0xFF00) | ((color >> 16) & 255);
    }

    // Writes the pixels back; the DC's clipping decides what is written.
    void Store();

private:
    HDC target_ = nullptr;
    RECT bounds_{};
    std::vector<DWORD> pixels_;  // top-down rows of the bounds, 0x00RRGGBB

    long Width() const { return bounds_.right - bounds_.left; }
    DWORD &Pixel(long x, long y) {
        return pixels_[static_cast<size_t>(y - bounds_.top) * Width() + (x - bounds_.left)];
    }
    DWORD Pixel(long x, long y) const {
        return pixels_[static_cast<size_t>(y - bounds_.top) * Width() + (x - bounds_.left)];
    }
    bool Locate(HDC dc, const RECT &area);
    bool ReadSelectedBitmap();
    bool ReadThroughDibSection();
};

}  // namespace brocade
