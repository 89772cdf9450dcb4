#include "render/popup_window_dc.h"

namespace brocade {

HDC PopupWindowDc::For(HWND popup) {
    if (dc_ && popup == window_ && IsWindow(popup)) return dc_;
    Release();
    if (!popup || !IsWindow(popup)) return nullptr;
    dc_ = GetWindowDC(popup);
    if (!dc_) return nullptr;
    window_ = popup;
    ++taken_;
    return dc_;
}

void PopupWindowDc::Release() {
    // A destroyed window's DCs went back to the system with it; releasing the handle again
    // could release somebody else's DC that reuses it.
    if (dc_ && IsWindow(window_)) ReleaseDC(window_, dc_);
    dc_ = nullptr;
    window_ = nullptr;
}

}  // namespace brocade
