// The layers under a popup item's content: the item background and the bitmap column.
#pragma once
#include <windows.h>

#include "render/gradient_cache.h"
#include "render/paint_style.h"

namespace brocade {

// Fills (0, 0)-(cx, cy) with MenuBackground.
void EraseItemBackground(HDC dc, int cx, int cy, const PaintStyle &style);

// The column bitmapWidth + 1 pixels wide holding the item pictures, rows 0 to bottom; at the
// left edge, or at the right of itemWidth for right-to-left menus. Office 2003 shades it
// from MenuBackground at the outer edge to BitmapBackground at the inner one (through
// gradients, when given).
void FillBitmapColumn(HDC dc, int bitmapWidth, int itemWidth, int bottom, const PaintStyle &style,
                      GradientCache *gradients = nullptr);

}  // namespace brocade
