#include "render/picture_handles.h"

#include "common/gdi.h"
#include "common/color_utils.h"
#include "common/measure_units.h"

namespace brocade {

namespace {

constexpr double kHimetricPerInch = 2540.0;

ComPtr<IPicture> CreateOwningPicture(PICTDESC &description) {
    description.cbSizeofstruct = sizeof description;
    ComPtr<IPicture> picture;
    if (FAILED(OleCreatePictureIndirect(&description, IID_IPicture, TRUE, reinterpret_cast<void **>(picture.Out()))))
        return nullptr;
    return picture;
}

}  // namespace

ComPtr<IPicture> BitmapToPicture(HBITMAP bitmap, HPALETTE palette) {
    if (!bitmap) return nullptr;
    PICTDESC description = {};
    description.picType = PICTYPE_BITMAP;
    description.bmp.hbitmap = bitmap;
    description.bmp.hpal = palette;
    ComPtr<IPicture> picture = CreateOwningPicture(description);
    if (!picture) DeleteObject(bitmap);
    return picture;
}

ComPtr<IPicture> IconToPicture(HICON icon) {
    if (!icon) return nullptr;
    PICTDESC description = {};
    description.picType = PICTYPE_ICON;
    description.icon.hicon = icon;
    ComPtr<IPicture> picture = CreateOwningPicture(description);
    if (!picture) DestroyIcon(icon);
    return picture;
}

SIZE PicturePixelSize(IPicture *picture) {
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    if (!picture || FAILED(picture->get_Width(&width)) || FAILED(picture->get_Height(&height))) return SIZE{0, 0};
    WindowDc screen(nullptr);
    if (!screen) return SIZE{0, 0};
    return SIZE{HimetricToPixels(width, GetDeviceCaps(screen.Get(), LOGPIXELSX)),
                HimetricToPixels(height, GetDeviceCaps(screen.Get(), LOGPIXELSY))};
}

HANDLE PictureHandle(IPicture *picture) {
    OLE_HANDLE handle = 0;
    if (!picture || FAILED(picture->get_Handle(&handle))) return nullptr;
    // GDI and USER handles are 32-bit values, sign-extended to pointer size.
    return reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(static_cast<LONG>(handle)));
}

}  // namespace brocade
