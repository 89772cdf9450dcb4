#include "render/popup_window_dc.h"

#include "render/dc_pixels.h"

namespace brocade {

bool MeasurePopup(HWND popup, PopupGeometry &geometry) {
    RECT window, client;
    if (!GetWindowRect(popup, &window) || !GetClientRect(popup, &client)) return false;
    POINT corners[2] = {{client.left, client.top}, {client.right, client.bottom}};
    if (!ClientToScreen(popup, &corners[0]) || !ClientToScreen(popup, &corners[1])) return false;
    geometry.width = window.right - window.left;
    geometry.height = window.bottom - window.top;
    geometry.left = corners[0].x - window.left;
    geometry.top = corners[0].y - window.top;
    geometry.right = window.right - corners[1].x;
    geometry.bottom = window.bottom - corners[1].y;
    geometry.clientHeight = client.bottom - client.top;
    geometry.screen = window;
    return true;
}

HDC PopupWindowDc::For(HWND popup) {
    if (dc_ && popup == window_ && IsWindow(popup)) return dc_;
    Release();
    if (!popup || !IsWindow(popup) || !MeasurePopup(popup, geometry_)) return nullptr;
    dc_ = GetWindowDC(popup);
    if (!dc_) return nullptr;
    window_ = popup;
    pixelForPixel_ = -1;
    return dc_;
}

bool PopupWindowDc::CopiesPixelForPixel() {
    if (!dc_) return false;
    if (pixelForPixel_ < 0) pixelForPixel_ = brocade::CopiesPixelForPixel(dc_) ? 1 : 0;
    return pixelForPixel_ == 1;
}

bool PopupWindowDc::KeepSelected(HPEN pen) {
    if (!dc_ || !pen) return false;
    if (GetCurrentObject(dc_, OBJ_PEN) == pen) return true;
    HGDIOBJ previous = SelectObject(dc_, pen);
    if (!previous || previous == HGDI_ERROR) return false;
    if (!originalPen_) originalPen_ = previous;
    return true;
}

void PopupWindowDc::Release() {
    // A destroyed window's DCs went back to the system with it; releasing the handle again
    // could release somebody else's DC that reuses it.
    if (dc_ && IsWindow(window_)) {
        if (originalPen_) SelectObject(dc_, originalPen_);
        ReleaseDC(window_, dc_);
    }
    originalPen_ = nullptr;
    dc_ = nullptr;
    window_ = nullptr;
}

}  // namespace brocade
