#include "common/measure_units.h"

#include "common/com_ptr.h"
#include "common/gdi.h"
#include "common/color_utils.h"
#include "common/single_precision.h"

namespace brocade {

int HimetricToPixels(long himetric, int pixelsPerInch) {
    return RoundEven(static_cast<double>(himetric) * pixelsPerInch / kHimetricPerInch);
}

float PixelsPerHimetric(int pixelsPerInch) { return ToSingle(pixelsPerInch / kHimetricPerInch); }

int ScaleHimetric(long himetric, float pixelsPerHimetric) {
    return RoundEven(static_cast<double>(pixelsPerHimetric) * static_cast<double>(himetric));
}

int ScreenPixelsPerInch(int axis) {
    // The system resolution is fixed for the life of a process, and reading it takes a screen
    // DC: it is read once per axis.
    static int known[2] = {0, 0};
    int &cached = known[axis == LOGPIXELSX ? 0 : 1];
    if (cached != 0 && (axis == LOGPIXELSX || axis == LOGPIXELSY)) return cached;
    WindowDc screen(nullptr);
    const int value = screen ? GetDeviceCaps(screen.Get(), axis) : 0;
    if (axis == LOGPIXELSX || axis == LOGPIXELSY) cached = value;
    return value;
}

bool PictureHimetricSize(IPictureDisp *picture, SIZE &himetric) {
    if (!picture) return false;
    ComPtr<IPicture> sizes = ComPtr<IPictureDisp>(picture).As<IPicture>(IID_IPicture);
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    if (!sizes || FAILED(sizes->get_Width(&width)) || FAILED(sizes->get_Height(&height))) return false;
    himetric = SIZE{width, height};
    return true;
}

SIZE PicturePixels(IPictureDisp *picture) {
    SIZE himetric{0, 0};
    if (!PictureHimetricSize(picture, himetric)) return SIZE{0, 0};
    return SIZE{HimetricToPixels(himetric.cx, ScreenPixelsPerInch(LOGPIXELSX)),
                HimetricToPixels(himetric.cy, ScreenPixelsPerInch(LOGPIXELSY))};
}

}  // namespace brocade
