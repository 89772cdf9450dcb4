// A host's picture drawn at another size than its own: at a high DPI a 16-pixel picture is
// drawn 24 or 32 pixels wide. StretchBlt would repeat or drop whole pixels; here every pixel
// of the result is the area-weighted mean of the source pixels it covers, with the picture's
// transparent pixels left out of the mean.
#pragma once
#include <windows.h>

namespace brocade {

// The bitmap resampled to width x height and written at (0, 0) of dc. Pixels of the key
// colour are transparent: a result pixel mostly covered by them takes the key colour, and the
// others never do. False when the bitmap's pixels cannot be read.
bool DrawResampledBitmap(HDC dc, int width, int height, HBITMAP bitmap, COLORREF key);

// The icon resampled to the rectangle and blended onto dc with its transparency; disabled
// draws it grey, as DrawState's DSS_DISABLED would. False when its pixels cannot be read.
bool DrawResampledIcon(HDC dc, const RECT &at, HICON icon, bool disabled);

}  // namespace brocade
