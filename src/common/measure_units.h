// Picture sizes for measurement: pictures hold them in HIMETRIC units (1/100 mm), items are
// measured in screen pixels.
#pragma once
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

namespace brocade {

constexpr double kHimetricPerInch = 2540.0;

// Pixels of a HIMETRIC length at a resolution: the nearest whole pixel, halves to even.
int HimetricToPixels(long himetric, int pixelsPerInch);

// Pixels per HIMETRIC unit at a resolution, held in single precision as the bitmap column
// width is computed with it.
float PixelsPerHimetric(int pixelsPerInch);
// A HIMETRIC length scaled by such a factor: the nearest whole pixel, halves to even.
int ScaleHimetric(long himetric, float pixelsPerHimetric);

// The screen's pixels per inch along LOGPIXELSX or LOGPIXELSY; 0 when it cannot be read.
int ScreenPixelsPerInch(int axis);

// A picture's width and height in HIMETRIC; false when there is no picture or it does not say.
bool PictureHimetricSize(IPictureDisp *picture, SIZE &himetric);
// A picture's width and height in pixels at the screen's resolution; 0 x 0 when unknown.
SIZE PicturePixels(IPictureDisp *picture);

}  // namespace brocade
