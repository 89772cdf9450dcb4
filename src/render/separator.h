// Separator items: a sunken line, a dark and light pair of lines, or a thin line in the
// disabled text colour, depending on the colours and highlight style.
#pragma once
#include <windows.h>

#include "render/paint_style.h"

namespace brocade {

void DrawSeparator(HDC dc, int cx, int cy, int bitmapWidth, const PaintStyle &style);

}  // namespace brocade
