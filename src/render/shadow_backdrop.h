// The picture of the screen taken when a menu loop begins: the popup shadow reads what lay
// behind the popup from it.
#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

namespace brocade {

class ShadowBackdrop {
public:
    ShadowBackdrop() = default;
    ~ShadowBackdrop();
    ShadowBackdrop(const ShadowBackdrop &) = delete;
    ShadowBackdrop &operator=(const ShadowBackdrop &) = delete;

    // Takes a picture of the whole screen; false (and empty) when the screen cannot be read.
    bool Capture();
    // Takes the pixels of a bitmap (not selected into any DC) as the picture of the screen,
    // its top-left pixel at the screen's origin; false (and empty) when they cannot be read.
    bool TakeBitmap(HBITMAP bitmap);
    void Release();
    bool Empty() const;
    // Changes with every capture and release: what was computed from one picture is known
    // stale.
    unsigned long Serial() const { return serial_; }

    long Width() const { return width_; }
    long Height() const { return height_; }
    bool Contains(long x, long y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    // The screen pixel at (x, y); only for positions the picture contains. The pixels are kept
    // in memory so the shadow, repainted with every item, never reads a DC pixel by pixel.
    COLORREF At(long x, long y) const {
        const uint32_t pixel = pixels_[static_cast<size_t>(y) * width_ + x];
        return RGB((pixel >> 16) & 255, (pixel >> 8) & 255, pixel & 255);
    }

private:
    std::vector<uint32_t> pixels_;  // top-down rows, 0x00RRGGBB
    long width_ = 0, height_ = 0;
    unsigned long serial_ = 0;
};

}  // namespace brocade
