#include "render/gradient_cache.h"

#include "common/enums.h"
#include "render/dc_pixels.h"
#include "render/highlight_fill.h"

namespace brocade {

namespace {

constexpr long kLargest = 4096;  // wider or taller is no item's fill: filled in place

}  // namespace

void GradientCache::Clear() {
    surface_.reset();
    size_ = SIZE{};
}

bool GradientCache::Holds(long width, long height, COLORREF c1, long style, COLORREF c2) const {
    if (!surface_ || style != style_ || width != size_.cx || c1 != c1_ || c2 != c2_) return false;
    return style == kHorizontalLeftToRight ? height <= size_.cy : height == size_.cy;
}

bool GradientCache::Fill(HDC dc, const RECT &rect, COLORREF c1, long style, COLORREF c2) {
    if (style != kHorizontalLeftToRight && style != kDiagonal) return false;
    const long width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0 || width > kLargest || height > kLargest || !CopiesPixelForPixel(dc)) return false;
    if (!Holds(width, height, c1, style, c2)) {
        if (!surface_) surface_ = std::make_unique<ScratchSurface>();
        if (!surface_->Reserve(width, height)) {
            Clear();
            return false;
        }
        RECT whole = {0, 0, width, height};
        FillHighlight(surface_->Dc(), whole, c1, style, c2);
        style_ = style;
        size_ = SIZE{width, height};
        c1_ = c1;
        c2_ = c2;
        ++filled_;
    }
    return BitBlt(dc, rect.left, rect.top, width, height, surface_->Dc(), 0, 0, SRCCOPY) != FALSE;
}

}  // namespace brocade
