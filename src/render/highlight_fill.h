// The fill engine: paints a rectangle in one of the eleven bdHighlight styles.
#pragma once
#include <windows.h>

namespace brocade {

// Fills rect from c1 to c2 in the given style; values outside the enumeration fill plain c1.
// The band styles use rect as their band rectangle: afterwards its edges along the gradient
// axis hold the last band painted, so callers that need the rectangle again pass a copy.
// Extents are taken as signed 16-bit integers, so widths over 32,767 wrap.
void FillHighlight(HDC dc, RECT &rect, COLORREF c1, long style, COLORREF c2);

// FillHighlight in the Plain style on a copy of the rectangle.
void FillPlain(HDC dc, RECT rect, COLORREF color);

}  // namespace brocade
