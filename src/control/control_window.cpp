#include "control/control_window.h"

#include "common/boundary.h"
#include "common/code_module.h"
#include "control/control.h"
#include "control/design_icon.h"

namespace brocade {

namespace {

constexpr const wchar_t *kClassName = L"BrocadeControlWindow";

bool RegisterWindowClass() {
    WNDCLASSEXW existing = {sizeof existing};
    if (GetClassInfoExW(CodeModule(), kClassName, &existing)) return true;
    WNDCLASSEXW wc = {sizeof wc};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = CodeModule();
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = kClassName;
    return RegisterClassExW(&wc) != 0;
}

}  // namespace

bool ControlWindow::Create(HWND parent, const RECT &position, bool designMode) {
    if (window_) return true;
    if (!RegisterWindowClass()) return false;
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (designMode ? WS_VISIBLE : 0);
    window_ = CreateWindowExW(0, kClassName, L"", style, position.left, position.top,
                              position.right - position.left, position.bottom - position.top, parent, nullptr,
                              CodeModule(), nullptr);
    if (!window_) return false;
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowProc));
    return true;
}

void ControlWindow::Destroy() {
    if (!window_) return;
    HWND window = window_;
    window_ = nullptr;
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    DestroyWindow(window);
}

void ControlWindow::Move(const RECT &position) {
    if (window_)
        MoveWindow(window_, position.left, position.top, position.right - position.left,
                   position.bottom - position.top, TRUE);
}

LRESULT CALLBACK ControlWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto unhandled = [&] { return DefWindowProcW(window, message, wParam, lParam); };
    return Guarded(
        [&] {
            auto *self = reinterpret_cast<ControlWindow *>(GetWindowLongPtrW(window, GWLP_USERDATA));
            if (self && message == WM_PAINT) return self->OnPaint();
            if (self && message == WM_TIMER) {
                self->control_.OnTimer(wParam);
                return LRESULT(0);
            }
            return unhandled();
        },
        unhandled);
}

LRESULT ControlWindow::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window_, &paint);
    RECT client;
    GetClientRect(window_, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    DrawDesignIcon(dc, client);
    EndPaint(window_, &paint);
    return 0;
}

}  // namespace brocade
