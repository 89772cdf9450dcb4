#include "control/control_test_support.h"

#include <algorithm>
#include <map>

namespace brocade_test {

namespace {

std::map<HWND, MessageLog *> &Logs() {
    static std::map<HWND, MessageLog *> logs;
    return logs;
}

LRESULT CALLBACK FormProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto found = Logs().find(window);
    if (found != Logs().end() && found->second) found->second->messages.push_back(msg);
    if (msg == WM_NCDESTROY) Logs().erase(window);
    return DefWindowProcW(window, msg, wParam, lParam);
}

const wchar_t *FormClass() {
    static const wchar_t *name = [] {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = FormProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"BrocadeTestForm";
        RegisterClassW(&wc);
        return L"BrocadeTestForm";
    }();
    return name;
}

}  // namespace

int MessageLog::Count(UINT msg) const { return static_cast<int>(std::count(messages.begin(), messages.end(), msg)); }

HWND CreateForm(MessageLog *log, const wchar_t *title, DWORD exStyle) {
    HMENU bar = CreateMenu();
    HMENU file = CreatePopupMenu();
    AppendMenuW(file, MF_STRING, 100, L"&Open\tCtrl+O");
    AppendMenuW(file, MF_STRING, 101, L"E&xit");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
    HWND form = CreateWindowExW(exStyle, FormClass(), title, WS_OVERLAPPEDWINDOW, 10, 10, 300, 200, nullptr, bar,
                                GetModuleHandleW(nullptr), nullptr);
    Logs()[form] = log;
    return form;
}

HWND CreateContainer(HWND parent) {
    return CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 32, 32, parent, nullptr, GetModuleHandleW(nullptr),
                           nullptr);
}

HostedControl::HostedControl(HWND form, bool userMode) {
    site.container = CreateContainer(form);
    site.userMode = userMode;
    control = std::make_unique<brocade::Control>(site);
    control->InitNew();
}

WNDPROC ProcedureOf(HWND window) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)); }

}  // namespace brocade_test
