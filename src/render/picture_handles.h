// OLE picture objects made from bitmap and icon handles, and picture sizes in pixels.
#pragma once
#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include "common/com_ptr.h"

namespace brocade {

// Wraps a bitmap in a picture that owns it: releasing the picture deletes the bitmap. The
// bitmap is taken over in every case, so it is deleted here when no picture can be made.
// The palette stays the caller's.
ComPtr<IPicture> BitmapToPicture(HBITMAP bitmap, HPALETTE palette);

// The same for an icon; a null icon gives a null picture.
ComPtr<IPicture> IconToPicture(HICON icon);

// A picture's width and height (HIMETRIC) in pixels at the screen's resolution; 0 x 0 when
// it cannot be read.
SIZE PicturePixelSize(IPicture *picture);

// The handle a picture holds, as a pointer-sized handle (pictures hand it out in 32 bits).
HANDLE PictureHandle(IPicture *picture);

}  // namespace brocade
