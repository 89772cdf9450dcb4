// The edge drawn around a highlight bar, one per bdHighlightAppearance value.
#pragma once
#include <windows.h>

#include "render/paint_style.h"

namespace brocade {

// bdFlat and values outside the enumeration draw nothing; bdFlatWithBorder outlines the
// rectangle in MenuHighlightBorder.
void DrawHighlightEdge(HDC dc, const RECT &rect, const PaintStyle &style, long appearance);

}  // namespace brocade
