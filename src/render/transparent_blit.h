// A transparent, optionally stretched blit: source pixels of the key colour leave the
// destination as it was.
#pragma once
#include <windows.h>

namespace brocade {

// Copies sw x sh pixels of source at (sx, sy) onto w x h of destination at (x, y), stretched
// when the sizes differ. transparentColor is an OLE colour. False, with nothing drawn, when a
// DC, bitmap or selection cannot be had; everything made here is deleted in every case.
bool DrawTransparentBitmap(HDC destination, int x, int y, int w, int h, HDC source, int sx, int sy, int sw, int sh,
                           COLORREF transparentColor);

}  // namespace brocade
