// A memory DC with a 32-bpp DIB section selected, kept between uses: painters copy a DC's
// pixels into it with one BitBlt, work on its bits and copy them back with another, without
// creating (or deselecting) any GDI object per call.
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>

#include "common/gdi.h"

namespace brocade {

class ScratchSurface {
public:
    ScratchSurface() = default;
    ScratchSurface(const ScratchSurface &) = delete;
    ScratchSurface &operator=(const ScratchSurface &) = delete;

    // Makes the surface at least width x height; false when it cannot be made.
    bool Reserve(long width, long height);
    HDC Dc() const { return dc_ ? dc_->Get() : nullptr; }
    long Width() const { return width_; }
    uint32_t *Row(long y) const { return bits_ + static_cast<size_t>(y) * width_; }
    // The pixels the surface would hold once Reserve(width, height) has made room.
    size_t PixelsAfterReserving(long width, long height) const;

private:
    // Declared so that the section is selected out before it is deleted, and both before the DC.
    std::unique_ptr<MemoryDc> dc_;
    UniqueBitmap section_;
    std::unique_ptr<SelectGuard> selection_;
    uint32_t *bits_ = nullptr;
    long width_ = 0, height_ = 0;
};

// The right to use the cached surface for a while (one user at a time), or a surface of its
// own when the cached one is in use (a nested painter, another thread) or the request is too
// large to keep.
class ScratchLease {
public:
    ScratchLease() = default;
    ~ScratchLease();
    ScratchLease(const ScratchLease &) = delete;
    ScratchLease &operator=(const ScratchLease &) = delete;

    // A surface of at least width x height; false when none can be had.
    bool Acquire(long width, long height);
    HDC Dc() const { return surface_ ? surface_->Dc() : nullptr; }
    uint32_t *Row(long y) const { return surface_->Row(y); }

private:
    ScratchSurface *surface_ = nullptr;
    std::unique_ptr<ScratchSurface> own_;  // a surface made for this lease alone
    bool cached_ = false;
};

}  // namespace brocade
