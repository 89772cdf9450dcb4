#include "render/dc_pixels.h"

#include <algorithm>
#include <atomic>

namespace brocade {

namespace {

int DeviceBitsPerPixel(HDC dc) { return GetDeviceCaps(dc, BITSPIXEL) * GetDeviceCaps(dc, PLANES); }

// The display's depth, asked again at most once a second: GetDeviceCaps on a window DC goes
// to the display driver, and windows' DCs are asked it for every item drawn.
int DisplayBitsPerPixel(HDC windowDc) {
    static std::atomic<int> bits{0};
    static std::atomic<DWORD> askedAt{0};
    const DWORD now = GetTickCount();
    int known = bits.load();
    if (known == 0 || now - askedAt.load() > 1000) {
        known = DeviceBitsPerPixel(windowDc);
        bits.store(known);
        askedAt.store(now);
    }
    return known;
}

int SurfaceBitsPerPixel(HDC dc) {
    switch (GetObjectType(dc)) {
    case OBJ_MEMDC: {
        BITMAP info = {};
        HGDIOBJ bitmap = GetCurrentObject(dc, OBJ_BITMAP);
        if (!bitmap || !GetObjectW(bitmap, sizeof info, &info)) return 0;
        return info.bmBitsPixel * info.bmPlanes;
    }
    case OBJ_DC: return WindowFromDC(dc) ? DisplayBitsPerPixel(dc) : DeviceBitsPerPixel(dc);
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


}  // namespace

bool CopiesPixelForPixel(HDC dc) {
    return GetMapMode(dc) == MM_TEXT && GetLayout(dc) == 0 && HasIdentityTransform(dc) && SurfaceBitsPerPixel(dc) >= 24;
}

bool DcPixels::Locate(HDC dc, const RECT &area) {
    if (!dc || target_ || !CopiesPixelForPixel(dc)) return false;
    RECT clip;
    const int clipKind = GetClipBox(dc, &clip);
    if (clipKind == ERROR) return false;
    if (clipKind == NULLREGION || !IntersectRect(&bounds_, &area, &clip)) SetRectEmpty(&bounds_);
    if (!Empty() && !scratch_.Acquire(bounds_.right - bounds_.left, bounds_.bottom - bounds_.top)) return false;
    target_ = dc;
    return true;
}

bool DcPixels::Prepare(HDC dc, const RECT &area) {
    if (!Locate(dc, area)) return false;
    // A copy back from the surface's last use may still be queued: it must read the old bits.
    if (!Empty()) GdiFlush();
    return true;
}

// BitBlt copies between the DC and the scratch surface: no bitmap is selected out of the DC
// (which costs far more than the copy) and the DC may be a window's or a memory DC alike.
bool DcPixels::Load(HDC dc, const RECT &area) {
    if (!Locate(dc, area)) return false;
    if (Empty()) return true;
    if (!BitBlt(scratch_.Dc(), 0, 0, bounds_.right - bounds_.left, bounds_.bottom - bounds_.top, dc, bounds_.left,
                bounds_.top, SRCCOPY)) {
        target_ = nullptr;
        return false;
    }
    GdiFlush();
    return true;
}

void DcPixels::SetRow(long y, long left, long right, COLORREF color) {
    if (right <= left) return;
    const uint32_t pixel = ((color & 255) << 16) | (color & 0xFF00) | ((color >> 16) & 255);
    uint32_t *row = scratch_.Row(y - bounds_.top);
    std::fill(row + (left - bounds_.left), row + (right - bounds_.left), pixel);
}

void DcPixels::CopyRow(long fromY, long toY) {
    const uint32_t *from = scratch_.Row(fromY - bounds_.top);
    std::copy(from, from + (bounds_.right - bounds_.left), scratch_.Row(toY - bounds_.top));
}

void DcPixels::Store() {
    if (!target_ || Empty()) return;
    // Only the CPU has touched the copy since GDI's queue was flushed.
    BitBlt(target_, bounds_.left, bounds_.top, bounds_.right - bounds_.left, bounds_.bottom - bounds_.top, scratch_.Dc(),
           0, 0, SRCCOPY);
}

}  // namespace brocade
