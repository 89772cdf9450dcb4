// The background of a menu bar title.
#pragma once
#include <windows.h>

#include "render/paint_style.h"

namespace brocade {

// Fills (0, 0)-(cx, cy): themed styles light a selected title while the bar is only hot
// (outside the menu loop) and show the open title in the bar colour.
void FillMenuBarItem(HDC dc, int cx, int cy, bool selected, const PaintStyle &style);

}  // namespace brocade
