// The fixed-size picture the control shows of itself on a form being designed.
#pragma once
#include <windows.h>

namespace brocade {

constexpr int kDesignIconPixels = 32;

// Draws the control's icon stretched over rect.
void DrawDesignIcon(HDC dc, const RECT &rect);

}  // namespace brocade
