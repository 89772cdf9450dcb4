#include "render/dc_pixels.h"

#include <algorithm>

#include "common/gdi.h"

namespace brocade {

namespace {

int SurfaceBitsPerPixel(HDC dc) {
    switch (GetObjectType(dc)) {
    case OBJ_MEMDC: {
        BITMAP info = {};
        HGDIOBJ bitmap = GetCurrentObject(dc, OBJ_BITMAP);
        if (!bitmap || !GetObjectW(bitmap, sizeof info, &info)) return 0;
        return info.bmBitsPixel * info.bmPlanes;
    }
    case OBJ_DC: return GetDeviceCaps(dc, BITSPIXEL) * GetDeviceCaps(dc, PLANES);
    default: return 0;
    }
}

bool HasIdentityTransform(HDC dc) {
    if (GetGraphicsMode(dc) == GM_COMPATIBLE) return true;
    XFORM transform;
    if (!GetWorldTransform(dc, &transform)) return false;
    return transform.eM11 == 1.0f && transform.eM12 == 0.0f && transform.eM21 == 0.0f && transform.eM22 == 1.0f &&
           transform.eDx == 0.0f && transform.eDy == 0.0f;
}

// One logical unit is one pixel, unmirrored, and a pixel survives a trip through 32 bits.
bool CopiesPixelForPixel(HDC dc) {
    return GetMapMode(dc) == MM_TEXT && GetLayout(dc) == 0 && HasIdentityTransform(dc) && SurfaceBitsPerPixel(dc) >= 24;
}

BITMAPINFO TopDownInfo(long width, long height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

}  // namespace

bool DcPixels::Locate(HDC dc, const RECT &area) {
    if (!dc || target_ || !CopiesPixelForPixel(dc)) return false;
    target_ = dc;
    RECT clip;
    const int clipKind = GetClipBox(dc, &clip);
    if (clipKind == ERROR) return false;
    if (clipKind == NULLREGION || !IntersectRect(&bounds_, &area, &clip)) SetRectEmpty(&bounds_);
    pixels_.assign(static_cast<size_t>(Width()) * (bounds_.bottom - bounds_.top), 0);
    return true;
}

bool DcPixels::Prepare(HDC dc, const RECT &area) { return Locate(dc, area); }

bool DcPixels::Load(HDC dc, const RECT &area) {
    if (!Locate(dc, area)) return false;
    if (Empty()) return true;
    return GetObjectType(dc) == OBJ_MEMDC ? ReadSelectedBitmap() : ReadThroughDibSection();
}

// A memory DC's pixels are its bitmap's: read with GetDIBits while a stand-in bitmap is
// selected, since the bitmap read must not be selected into a DC meanwhile.
bool DcPixels::ReadSelectedBitmap() {
    POINT corners[2] = {{bounds_.left, bounds_.top}, {bounds_.right, bounds_.bottom}};
    if (!LPtoDP(target_, corners, 2)) return false;
    HBITMAP bitmap = static_cast<HBITMAP>(GetCurrentObject(target_, OBJ_BITMAP));
    BITMAP info = {};
    if (!bitmap || !GetObjectW(bitmap, sizeof info, &info)) return false;
    const long width = Width(), height = bounds_.bottom - bounds_.top;
    const long deviceLeft = corners[0].x, deviceTop = corners[0].y;
    if (deviceLeft < 0 || deviceTop < 0 || deviceLeft + width > info.bmWidth || deviceTop + height > info.bmHeight)
        return false;

    // Whole rows of the bitmap, bottom-up from the area's last row.
    BITMAPINFO rowsInfo = TopDownInfo(info.bmWidth, info.bmHeight);
    rowsInfo.bmiHeader.biHeight = info.bmHeight;
    std::vector<DWORD> rows(static_cast<size_t>(info.bmWidth) * height);
    UniqueBitmap standIn(CreateBitmap(1, 1, 1, 1, nullptr));
    if (!standIn) return false;
    HGDIOBJ selected = SelectObject(target_, standIn.Get());
    if (!selected || selected == HGDI_ERROR) return false;
    const int read = GetDIBits(target_, bitmap, static_cast<UINT>(info.bmHeight - (deviceTop + height)),
                               static_cast<UINT>(height), rows.data(), &rowsInfo, DIB_RGB_COLORS);
    SelectObject(target_, selected);
    if (read != height) return false;
    for (long row = 0; row < height; ++row) {
        const DWORD *source = rows.data() + static_cast<size_t>(height - 1 - row) * info.bmWidth + deviceLeft;
        std::copy(source, source + width, pixels_.begin() + static_cast<size_t>(row) * width);
    }
    return true;
}

// Any other DC is copied into a DIB section first.
bool DcPixels::ReadThroughDibSection() {
    const long width = Width(), height = bounds_.bottom - bounds_.top;
    BITMAPINFO info = TopDownInfo(width, height);
    void *bits = nullptr;
    MemoryDc memory(nullptr);
    UniqueBitmap section(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!memory || !section || !bits) return false;
    {
        SelectGuard selection(memory.Get(), section.Get());
        if (!BitBlt(memory.Get(), 0, 0, width, height, target_, bounds_.left, bounds_.top, SRCCOPY)) return false;
        GdiFlush();
    }
    const DWORD *source = static_cast<const DWORD *>(bits);
    std::copy(source, source + pixels_.size(), pixels_.begin());
    return true;
}

void DcPixels::Store() {
    if (!target_ || Empty()) return;
    const long height = bounds_.bottom - bounds_.top;
    BITMAPINFO info = TopDownInfo(Width(), height);
    SetDIBitsToDevice(target_, bounds_.left, bounds_.top, static_cast<DWORD>(Width()), static_cast<DWORD>(height), 0, 0,
                      0, static_cast<UINT>(height), pixels_.data(), &info, DIB_RGB_COLORS);
}

}  // namespace brocade
