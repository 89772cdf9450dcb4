#include "common/dpi.h"

namespace brocade {

namespace {

using GetDpiForWindowProc = UINT(WINAPI *)(HWND);

// Looked up once: user32 stays loaded for the life of any process that has windows.
GetDpiForWindowProc DpiForWindowProc() {
    static const GetDpiForWindowProc proc = [] {
        HMODULE user32 = GetModuleHandleW(L"user32.dll");
        return user32 ? reinterpret_cast<GetDpiForWindowProc>(
                            reinterpret_cast<void (*)()>(GetProcAddress(user32, "GetDpiForWindow")))
                      : nullptr;
    }();
    return proc;
}

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    if (!screen) return kDefaultDpi;
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kDefaultDpi;
}

}  // namespace

int WindowDpi(HWND window) {
    if (window) {
        if (GetDpiForWindowProc proc = DpiForWindowProc()) {
            const UINT dpi = proc(window);
            if (dpi) return static_cast<int>(dpi);
        }
    }
    return ScreenDpi();
}

}  // namespace brocade
