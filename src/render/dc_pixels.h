// A DC's pixels copied into memory, read and changed there and written back with one call:
// the same pixels as GetPixel and SetPixelV calls, at a small fraction of their cost.
#pragma once
#include <windows.h>

#include <cstdint>

#include "render/scratch_surface.h"

namespace brocade {

// One logical unit is one pixel, unmirrored, and a pixel survives a trip through 32 bits:
// pixels worked on in memory and copied back are exactly what setting them one by one gives.
bool CopiesPixelForPixel(HDC dc);

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
        const uint32_t pixel = Pixel(x, y);
        return RGB((pixel >> 16) & 255, (pixel >> 8) & 255, pixel & 255);
    }
    void Set(long x, long y, COLORREF color) { Pixel(x, y) = PixelOf(color); }
    // A colour as the copy holds it: 0x00RRGGBB.
    static uint32_t PixelOf(COLORREF color) { return ((color & 255) << 16) | (color & 0xFF00) | ((color >> 16) & 255); }
    // Sets a run of one colour along a row, x from left to right (excluded).
    void SetRow(long y, long left, long right, COLORREF color);
    // Copies the visible part of one row onto another.
    void CopyRow(long fromY, long toY);
    // The visible pixels of a row as 0x00RRGGBB, from Bounds().left on.
    uint32_t *Row(long y) { return scratch_.Row(y - bounds_.top); }

    // Writes the pixels back; the DC's clipping decides what is written.
    void Store();

private:
    HDC target_ = nullptr;
    RECT bounds_{};
    ScratchLease scratch_;  // the copy: a DIB section, top-down rows of 0x00RRGGBB

    uint32_t &Pixel(long x, long y) { return scratch_.Row(y - bounds_.top)[x - bounds_.left]; }
    uint32_t Pixel(long x, long y) const { return scratch_.Row(y - bounds_.top)[x - bounds_.left]; }
    bool Locate(HDC dc, const RECT &area);
};

}  // namespace brocade
