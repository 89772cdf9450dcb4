// The grey rendering of a disabled item's picture.
#pragma once
#include <windows.h>

namespace brocade {

// Every pixel of the w x h area at (x, y) further than 5 from keptColor (ColorDistance)
// becomes a light grey from its luminance: black turns into RGB(101, 101, 101). Works on a
// copy of the pixels, with the same result as GetPixel and SetPixelV per pixel.
void GrayImage(HDC dc, int x, int y, int w, int h, COLORREF keptColor);

// The grey a pixel of that colour becomes.
COLORREF GrayOf(COLORREF color);

}  // namespace brocade
