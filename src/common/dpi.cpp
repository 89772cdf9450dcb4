#include "common/dpi.h"

namespace brocade {

namespace {

using GetDpiForWindowProc = UINT(WINAPI *)(HWND);
using GetSystemMetricsForDpiProc = int(WINAPI *)(int, UINT);

// Looked up once: user32 stays loaded for the life of any process that has windows. Both
// exist from Windows 10 1607 on.
template <class Proc>
Proc User32Proc(const char *name) {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 ? reinterpret_cast<Proc>(reinterpret_cast<void (*)()>(GetProcAddress(user32, name))) : nullptr;
}

GetDpiForWindowProc DpiForWindowProc() {
    static const GetDpiForWindowProc proc = User32Proc<GetDpiForWindowProc>("GetDpiForWindow");
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

int SystemDpi() { return ScreenDpi(); }

int SystemMetricForDpi(int index, int dpi) {
    const int system = ScreenDpi();
    if (dpi <= 0 || dpi == system) return GetSystemMetrics(index);
    static const GetSystemMetricsForDpiProc proc = User32Proc<GetSystemMetricsForDpiProc>("GetSystemMetricsForDpi");
    if (proc) return proc(index, static_cast<UINT>(dpi));
    return MulDiv(GetSystemMetrics(index), dpi, system);
}

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
