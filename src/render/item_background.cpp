#include "render/item_background.h"

#include "render/dc_pixels.h"
#include "render/highlight_fill.h"

namespace brocade {

void ColumnGradientCache::Clear() {
    selection_.reset();
    section_.Reset();
    dc_.reset();
    size_ = capacity_ = SIZE{};
}

bool ColumnGradientCache::Reserve(long width, long height) {
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

bool ColumnGradientCache::Fill(HDC dc, const RECT &column, COLORREF c1, COLORREF c2) {
    const long width = column.right - column.left, height = column.bottom - column.top;
    constexpr long kLargest = 4096;  // wider or taller is no item's column: filled in place
    if (width <= 0 || height <= 0 || width > kLargest || height > kLargest || !CopiesPixelForPixel(dc)) return false;
    // Each band is a full-height stripe whose colour depends on its column alone: a shorter
    // column is the top of a taller one.
    if (!dc_ || width != size_.cx || height > size_.cy || c1 != c1_ || c2 != c2_) {
        if (!Reserve(width, height)) return false;
        // The bands depend on positions relative to the rectangle only, and cover all of it.
        RECT whole = {0, 0, width, height};
        FillHighlight(dc_->Get(), whole, c1, kHorizontalLeftToRight, c2);
        size_ = SIZE{width, height};
        c1_ = c1;
        c2_ = c2;
        ++filled_;
    }
    return BitBlt(dc, column.left, column.top, width, height, dc_->Get(), 0, 0, SRCCOPY) != FALSE;
}

void EraseItemBackground(HDC dc, int cx, int cy, const PaintStyle &style) {
    FillPlain(dc, RECT{0, 0, cx, cy}, style.menuBackground);
}

void FillBitmapColumn(HDC dc, int bitmapWidth, int itemWidth, int bottom, const PaintStyle &style,
                      ColumnGradientCache *gradients) {
    long left = 0;
    if (style.rightToLeft) {
        left = itemWidth - (bitmapWidth + 1);
        if (style.menuBorder == kBorderFlat) left -= 2;
    }
    RECT column = {left, 0, left + bitmapWidth + 1, bottom};
    if (style.highlightStyle != kOffice2003) {
        FillPlain(dc, column, style.bitmapBackground);
        return;
    }
    const COLORREF from = style.rightToLeft ? style.bitmapBackground : style.menuBackground;
    const COLORREF to = style.rightToLeft ? style.menuBackground : style.bitmapBackground;
    if (!gradients || !gradients->Fill(dc, column, from, to)) FillHighlight(dc, column, from, kHorizontalLeftToRight, to);
}

}  // namespace brocade
