// The two highlight fills defined pixel by pixel: Diagonal and Radial. They work on a copy
// of the DC's pixels and write it back once; the result is exactly what one SetPixelV per
// pixel gives, clipping included.
#pragma once
#include <windows.h>

namespace brocade {

// c1 at the top-left corner, falling off as the product of two linear ramps.
void FillDiagonal(HDC dc, const RECT &rect, COLORREF c1, COLORREF c2);
// c1 at the centre, nearing c2 towards the corners; may touch one column and row past the
// rectangle's right and bottom edges when its extent is odd.
void FillRadial(HDC dc, const RECT &rect, COLORREF c1, COLORREF c2);

}  // namespace brocade
