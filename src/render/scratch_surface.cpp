#include "render/scratch_surface.h"

#include <algorithm>
#include <atomic>

namespace brocade {

namespace {

// Larger requests (whole screens) get a surface of their own, freed after use.
constexpr size_t kLargestCached = 512 * 512;

ScratchSurface &CachedSurface() {
    static ScratchSurface surface;
    return surface;
}

std::atomic<bool> &CachedInUse() {
    static std::atomic<bool> inUse{false};
    return inUse;
}

}  // namespace

size_t ScratchSurface::PixelsAfterReserving(long width, long height) const {
    return static_cast<size_t>(std::max(width, width_)) * static_cast<size_t>(std::max(height, height_));
}

bool ScratchSurface::Reserve(long width, long height) {
    if (width <= 0 || height <= 0) return false;
    if (bits_ && width <= width_ && height <= height_) return true;
    const long newWidth = std::max(width, width_), newHeight = std::max(height, height_);
    selection_.reset();
    section_.Reset();
    bits_ = nullptr;
    width_ = height_ = 0;
    if (!dc_) dc_ = std::make_unique<MemoryDc>(nullptr);
    if (!*dc_) return false;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = newWidth;
    info.bmiHeader.biHeight = -newHeight;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void *bits = nullptr;
    section_.Reset(CreateDIBSection(dc_->Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!section_ || !bits) return false;
    selection_ = std::make_unique<SelectGuard>(dc_->Get(), section_.Get());
    bits_ = static_cast<uint32_t *>(bits);
    width_ = newWidth;
    height_ = newHeight;
    return true;
}

ScratchLease::~ScratchLease() {
    if (cached_) CachedInUse().store(false);
}

bool ScratchLease::Acquire(long width, long height) {
    if (surface_) return false;  // one acquisition per lease
    if (width <= 0 || height <= 0) return false;
    if (!CachedInUse().exchange(true)) {
        if (CachedSurface().PixelsAfterReserving(width, height) <= kLargestCached) {
            cached_ = true;
            if (!CachedSurface().Reserve(width, height)) return false;
            surface_ = &CachedSurface();
            return true;
        }
        CachedInUse().store(false);  // too large to keep: this lease makes its own
    }
    own_ = std::make_unique<ScratchSurface>();
    if (!own_->Reserve(width, height)) return false;
    surface_ = own_.get();
    return true;
}

}  // namespace brocade
