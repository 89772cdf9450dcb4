#include "frame/frame_test_support.h"

#include <algorithm>

#include "common/color_utils.h"
#include "support/test_support.h"

// The render tests' surfaces and the control tests' host, built into this executable too.
#include "control/control_test_support.cpp"
#include "render/render_test_support.cpp"

namespace frame_test {

using brocade::MemoryDc;
using brocade::SelectGuard;
using brocade::UniqueBitmap;

namespace {

UniqueBitmap CopyToBitmap(const Surface &pixels) {
    const int width = pixels.Width(), height = pixels.Height();
    HDC screen = GetDC(nullptr);
    UniqueBitmap bitmap(CreateCompatibleBitmap(screen, width, height));
    ReleaseDC(nullptr, screen);
    MemoryDc memory(pixels.Dc());
    {
        SelectGuard selection(memory.Get(), bitmap.Get());
        BitBlt(memory.Get(), 0, 0, width, height, pixels.Dc(), 0, 0, SRCCOPY);
    }
    return bitmap;
}

}  // namespace

UniqueBitmap MakeBitmap(int width, int height, const std::function<COLORREF(int, int)> &color) {
    Surface pixels(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) SetPixelV(pixels.Dc(), x, y, color(x, y));
    return CopyToBitmap(pixels);
}

UniqueBitmap MakeBitmap(int width, int height, COLORREF color) {
    Surface pixels(width, height, color);
    return CopyToBitmap(pixels);
}

namespace {

// The one-entry cache of the definition: the last screen colour and weight with their result.
struct ReferenceCache {
    bool valid = false;
    COLORREF screen = 0, result = 0;
    float weight = 0;
    COLORREF Of(COLORREF menuBackground, COLORREF s, float w) {
        if (!valid || s != screen || w != weight) {
            valid = true;
            screen = s;
            weight = w;
            result = brocade::DarkenColor(brocade::BlendColors(menuBackground, s, w));
        }
        return result;
    }
};

float Single(double value) {
    volatile float stored = static_cast<float>(value);
    return stored;
}

}  // namespace

void ReferenceShadowRight(HWND window, HDC dc, HBITMAP backdrop, long firstRow, long lastRow, COLORREF mb) {
    MemoryDc memory(dc);
    SelectGuard selection(memory.Get(), backdrop);
    RECT frame;
    GetWindowRect(window, &frame);
    const long width = frame.right - frame.left;
    ReferenceCache cache;
    for (long x = width - 2; x <= width; ++x)
        for (long y = firstRow; y <= lastRow; ++y) {
            const COLORREF s = GetPixel(memory.Get(), frame.left + x, frame.top + y);
            if (y < 2)
                SetPixelV(dc, x, y, s);
            else
                SetPixelV(dc, x, y, cache.Of(mb, s, Single((x - (width - 2)) / 2.0)));
        }
}

void ReferenceShadowBottom(HWND window, HDC dc, HBITMAP backdrop, COLORREF mb) {
    MemoryDc memory(dc);
    SelectGuard selection(memory.Get(), backdrop);
    RECT frame;
    GetWindowRect(window, &frame);
    const long width = frame.right - frame.left, height = frame.bottom - frame.top;
    ReferenceCache cache;
    for (long y = height - 2; y <= height; ++y)
        for (long x = 0; x <= width - 1; ++x) {
            const COLORREF s = GetPixel(memory.Get(), frame.left + x, frame.top + y);
            if (x < 2)
                SetPixelV(dc, x, y, s);
            else
                SetPixelV(dc, x, y, cache.Of(mb, s, Single((y - (height - 2)) / 2.0)));
        }
}

namespace {

LRESULT CALLBACK ColouredProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND) {
        RECT client;
        GetClientRect(window, &client);
        brocade::UniqueBrush brush(CreateSolidBrush(static_cast<COLORREF>(GetWindowLongPtrW(window, GWLP_USERDATA))));
        FillRect(reinterpret_cast<HDC>(wParam), &client, brush.Get());
        return 1;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

const wchar_t *ColouredClass() {
    static const wchar_t *name = [] {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = ColouredProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = L"BrocadeFrameColoured";
        RegisterClassW(&wc);
        return L"BrocadeFrameColoured";
    }();
    return name;
}

}  // namespace

HWND CreatePlainWindow(int x, int y, int width, int height, DWORD style, DWORD exStyle) {
    return CreateWindowExW(exStyle, ColouredClass(), L"", style, x, y, width, height, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

void WaitUntilPainted(HWND window, COLORREF color) {
    RECT client = {};
    GetClientRect(window, &client);
    // Under load the window's surface may come late: wait until its client shows the colour.
    for (int attempt = 0; attempt < 150; ++attempt) {
        brocade_test::PumpMessages(20);
        HDC dc = GetDC(window);
        const COLORREF seen = GetPixel(dc, std::min(5L, client.right / 2), std::min(5L, client.bottom / 2));
        ReleaseDC(window, dc);
        if (seen == color) return;
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    }
}

HWND CreateColouredWindow(int x, int y, int width, int height, COLORREF color, DWORD style) {
    HWND window = CreatePlainWindow(x, y, width, height, style);
    SetWindowLongPtrW(window, GWLP_USERDATA, static_cast<LONG_PTR>(color));
    ShowWindow(window, SW_SHOWNOACTIVATE);
    UpdateWindow(window);
    WaitUntilPainted(window, color);
    return window;
}

std::unique_ptr<Surface> ReadWindow(HWND window) {
    RECT frame = {};
    GetWindowRect(window, &frame);
    auto surface = std::make_unique<Surface>(frame.right - frame.left, frame.bottom - frame.top);
    HDC dc = GetWindowDC(window);
    BitBlt(surface->Dc(), 0, 0, surface->Width(), surface->Height(), dc, 0, 0, SRCCOPY);
    ReleaseDC(window, dc);
    return surface;
}

Borders BordersOf(HWND window) {
    RECT frame = {}, client = {};
    GetWindowRect(window, &frame);
    GetClientRect(window, &client);
    POINT corners[2] = {{client.left, client.top}, {client.right, client.bottom}};
    ClientToScreen(window, &corners[0]);
    ClientToScreen(window, &corners[1]);
    return Borders{frame.right - frame.left,      frame.bottom - frame.top,  corners[0].x - frame.left,
                   corners[0].y - frame.top,      frame.right - corners[1].x, frame.bottom - corners[1].y,
                   client.bottom - client.top};
}

bool UnderWine() { return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr; }

namespace {

constexpr UINT_PTR kOpenTimer = 77;

struct PopupRun {
    std::function<void()> onEnterLoop;
    std::function<void(HWND)> whileOpen;
    bool sawPopup = false;
    WNDPROC previous = nullptr;
};

PopupRun *&CurrentRun() {
    static PopupRun *run = nullptr;
    return run;
}

LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    PopupRun *run = CurrentRun();
    if (run && message == WM_ENTERMENULOOP && run->onEnterLoop) run->onEnterLoop();
    if (run && message == WM_TIMER && wParam == kOpenTimer) {
        KillTimer(window, kOpenTimer);
        HWND popup = FindWindowW(L"#32768", nullptr);
        if (popup && IsWindowVisible(popup)) {
            run->sawPopup = true;
            if (run->whileOpen) run->whileOpen(popup);
        }
        EndMenu();
        return 0;
    }
    return CallWindowProcW(run ? run->previous : DefWindowProcW, window, message, wParam, lParam);
}

}  // namespace

bool WithOpenPopup(HWND owner, HMENU menu, int x, int y, const std::function<void()> &onEnterLoop,
                   const std::function<void(HWND)> &whileOpen) {
    PopupRun run{onEnterLoop, whileOpen};
    run.previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(owner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&OwnerProc)));
    CurrentRun() = &run;
    SetForegroundWindow(owner);
    SetTimer(owner, kOpenTimer, 250, nullptr);
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN, x, y, 0, owner, nullptr);
    KillTimer(owner, kOpenTimer);
    SetWindowLongPtrW(owner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(run.previous));
    CurrentRun() = nullptr;
    brocade_test::PumpMessages(20);
    return run.sawPopup;
}

}  // namespace frame_test
