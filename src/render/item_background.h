// The layers under a popup item's content: the item background and the bitmap column.
#pragma once
#include <windows.h>

#include <memory>

#include "common/gdi.h"
#include "render/paint_style.h"

namespace brocade {

// The Office 2003 column's gradient is the same for every item of a menu: it is filled once
// and copied to the items after, which costs a fraction of filling it again.
class ColumnGradientCache {
public:
    ColumnGradientCache() = default;
    ~ColumnGradientCache() { Clear(); }
    ColumnGradientCache(const ColumnGradientCache &) = delete;
    ColumnGradientCache &operator=(const ColumnGradientCache &) = delete;

    // Fills column in dc with the left-to-right gradient from c1 to c2, from the kept copy when
    // it has that width, at least that height and those colours. False when dc does not take a copy pixel for pixel
    // or no copy can be made: the caller fills the column itself.
    bool Fill(HDC dc, const RECT &column, COLORREF c1, COLORREF c2);
    void Clear();
    // Gradients filled since construction, to see the cache at work.
    long FilledCount() const { return filled_; }

private:
    SIZE size_{};      // the gradient kept, at the section's top left
    SIZE capacity_{};  // the section's size: columns of one popup differ in height (the last
                       // item may be taller), and each fits without a new section
    COLORREF c1_ = 0, c2_ = 0;
    std::unique_ptr<MemoryDc> dc_;
    UniqueBitmap section_;
    std::unique_ptr<SelectGuard> selection_;
    long filled_ = 0;

    bool Reserve(long width, long height);
};

// Fills (0, 0)-(cx, cy) with MenuBackground.
void EraseItemBackground(HDC dc, int cx, int cy, const PaintStyle &style);

// The column bitmapWidth + 1 pixels wide holding the item pictures, rows 0 to bottom; at the
// left edge, or at the right of itemWidth for right-to-left menus. Office 2003 shades it
// from MenuBackground at the outer edge to BitmapBackground at the inner one (through
// gradients, when given).
void FillBitmapColumn(HDC dc, int bitmapWidth, int itemWidth, int bottom, const PaintStyle &style,
                      ColumnGradientCache *gradients = nullptr);

}  // namespace brocade
