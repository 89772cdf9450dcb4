#include "backdrop.h"

#include "common/gdi.h"

namespace brocade::demo {

namespace {

// An 16x16 check of two blues.
UniqueBrush MakeCheckerBrush() {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = 16;
    info.bmiHeader.biHeight = -16;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void *bits = nullptr;
    UniqueBitmap tile(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!tile || !bits) return UniqueBrush(CreateSolidBrush(RGB(90, 120, 170)));
    auto *pixels = static_cast<DWORD *>(bits);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) pixels[y * 16 + x] = ((x / 8 + y / 8) % 2) ? 0x5A78AA : 0x8CA5D2;
    return UniqueBrush(CreatePatternBrush(tile.Get()));  // the brush keeps its own copy
}

LRESULT CALLBACK BackdropProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND: {
        static UniqueBrush checker = MakeCheckerBrush();
        RECT client;
        GetClientRect(window, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, checker.Get());
        return 1;
    }
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

HWND CreateBackdrop(HINSTANCE instance, const RECT &area) {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = BackdropProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"BrocadeDemoBackdrop";
    RegisterClassW(&windowClass);
    HWND backdrop = CreateWindowExW(WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW, windowClass.lpszClassName, L"", WS_POPUP,
                                    area.left, area.top, area.right - area.left, area.bottom - area.top, nullptr,
                                    nullptr, instance, nullptr);
    if (!backdrop) return nullptr;
    SetWindowPos(backdrop, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    UpdateWindow(backdrop);
    return backdrop;
}

}  // namespace brocade::demo
