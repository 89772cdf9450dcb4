#include "render/gradient_cache.h"

#include "control/enums.h"
#include "render/dc_pixels.h"
#include "render/highlight_fill.h"

namespace brocade {

namespace {

constexpr long kLargest = 4096;  // wider or taller is no item's fill: filled in place

}  // namespace

void GradientCache::Clear() {
    selection_.reset();
    section_.Reset();
    dc_.reset();
    size_ = capacity_ = SIZE{};
}

bool GradientCache::Holds(long width, long height, COLORREF c1, long style, COLORREF c2) const {
    if (!dc_ || style != style_ || width != size_.cx || c1 != c1_ || c2 != c2_) return false;
    return style == kHorizontalLeftToRight ? height <= size_.cy : height == size_.cy;
}

bool GradientCache::Reserve(long width, long height) {
    if (dc_ && width <= capacity_.cx && height <= capacity_.cy) return true;
    const SIZE wanted = {width > capacity_.cx ? width : capacity_.cx, height > capacity_.cy ? height : capacity_.cy};
    Clear();
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = wanted.cx;
    info.bmiHeader.biHeight = -wanted.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void *bits = nullptr;
    dc_ = std::make_unique<MemoryDc>(nullptr);
    section_.Reset(CreateDIBSection(dc_->Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dc_->Get() || !section_) {
        Clear();
        return false;
    }
    selection_ = std::make_unique<SelectGuard>(dc_->Get(), section_.Get());
    capacity_ = wanted;
    return true;
}

bool GradientCache::Fill(HDC dc, const RECT &rect, COLORREF c1, long style, COLORREF c2) {
    if (style != kHorizontalLeftToRight && style != kDiagonal) return false;
    const long width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0 || width > kLargest || height > kLargest || !CopiesPixelForPixel(dc)) return false;
    if (!Holds(width, height, c1, style, c2)) {
        if (!Reserve(width, height)) return false;
        RECT whole = {0, 0, width, height};
        FillHighlight(dc_->Get(), whole, c1, style, c2);
        style_ = style;
        size_ = SIZE{width, height};
        c1_ = c1;
        c2_ = c2;
        ++filled_;
    }
    return BitBlt(dc, rect.left, rect.top, width, height, dc_->Get(), 0, 0, SRCCOPY) != FALSE;
}

}  // namespace brocade
