// The highlight bar of a selected popup item.
#pragma once
#include <windows.h>

#include "render/gradient_cache.h"
#include "render/paint_style.h"

namespace brocade {

// Whether the bar spans the bitmap column too (HighlightOverBitmap with HighlightStyle).
bool HighlightCoversBitmap(const PaintStyle &style);

// Paints the bar over an item of cx x cy with a bitmap column bitmapWidth wide, then its
// edge. Separators and unselected items get nothing. A Diagonal or Horizontal Left To Right bar
// comes from gradients when given.
void DrawItemHighlight(HDC dc, int cx, int cy, int bitmapWidth, bool hasPicture, bool isSeparator, bool selected,
                       const PaintStyle &style, GradientCache *gradients = nullptr);

}  // namespace brocade
