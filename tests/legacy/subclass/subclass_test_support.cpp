#include "subclass/subclass_test_support.h"

#include "subclass/subclass_wnd.h"

namespace subclass_test {

std::vector<Delivery> &Journal() {
    static std::vector<Delivery> journal;
    return journal;
}

std::string Trace(UINT msg) {
    std::string who;
    for (const Delivery &delivery : Journal())
        if (delivery.msg == msg) who += delivery.who;
    return who;
}

NcDestroySeen &LastNcDestroy() {
    static NcDestroySeen seen;
    return seen;
}

LRESULT CALLBACK HostProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg >= WM_USER || msg == WM_NCDESTROY) Journal().push_back({'O', hwnd, msg, wParam, lParam});
    if (msg == WM_NCDESTROY) {
        LastNcDestroy().procedure = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC));
        LastNcDestroy().subclassed = brocade::SubclassWnd::IsWindowSubclassed(hwnd);
    }
    if (msg >= WM_USER) return kOwnResult;
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

namespace {

const wchar_t *HostClass() {
    static const wchar_t *name = [] {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = HostProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"BrocadeSubclassHost";
        RegisterClassW(&wc);
        return wc.lpszClassName;
    }();
    return name;
}

}  // namespace

HostWindow::HostWindow()
    : hwnd_(CreateWindowExW(0, HostClass(), L"host", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                            nullptr, GetModuleHandleW(nullptr), nullptr)) {}

HostWindow::~HostWindow() {
    if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

WNDPROC HostWindow::Procedure() const {
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd_, GWLP_WNDPROC));
}

LRESULT TestListener::WindowMsgListener(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                        Boolean &bRouteToOriginal) {
    ++calls;
    referencesDuringLastCall = references;
    flagOnEntry = bRouteToOriginal;
    Journal().push_back({tag_, hwnd, msg, wParam, lParam});
    if (handler) return handler(hwnd, msg, wParam, lParam, bRouteToOriginal);
    return kListenerResult;
}

bool TestListener::AddListenerRef() {
    if (refuseReference) return false;
    ++references;
    return true;
}

}  // namespace subclass_test
