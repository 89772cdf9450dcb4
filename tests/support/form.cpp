#include "support/form.h"

#include <commctrl.h>

#include <algorithm>

namespace brocade_test {

namespace {

constexpr wchar_t kFormClass[] = L"BrocadeTestForm", kChildClass[] = L"BrocadeTestMdiChild";

void RegisterClasses() {
    static const bool registered = [] {
        WNDCLASSW wc = {0, Form::OwnProcedure(), 0, sizeof(Form *), GetModuleHandleW(nullptr), nullptr,
                        LoadCursorW(nullptr, IDC_ARROW), reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), nullptr, kFormClass};
        RegisterClassW(&wc);
        wc.lpszClassName = kChildClass;
        RegisterClassW(&wc);
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
        return InitCommonControlsEx(&controls);
    }();
    (void)registered;
}

}  // namespace

WNDPROC Form::OwnProcedure() { return &Form::Procedure; }

Form::Form(FormOptions options) {
    RegisterClasses();
    HINSTANCE instance = GetModuleHandleW(nullptr);
    window_ = CreateWindowExW(0, kFormClass, L"Brocade test form", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 40, 40, 480,
                              360, nullptr, nullptr, instance, this);
    CLIENTCREATESTRUCT client = {nullptr, 50000};
    if (options.mdiFrame)
        mdiClient_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0,
                                     0, 400, 250, window_, nullptr, instance, &client);
    if (options.statusBar)
        statusBar_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, window_,
                                     reinterpret_cast<HMENU>(1), instance, nullptr);
    if (options.visible) {
        ShowWindow(window_, SW_SHOW);
        UpdateWindow(window_);
        SetForegroundWindow(window_);
    }
}

Form::Form(Form &frame, const wchar_t *title) : mdiClient_(frame.mdiClient_), mdiChild_(true) {
    RegisterClasses();
    MDICREATESTRUCTW create = {kChildClass, title, GetModuleHandleW(nullptr), 0, 0, 240, 160, 0,
                               reinterpret_cast<LPARAM>(this)};
    window_ = reinterpret_cast<HWND>(SendMessageW(mdiClient_, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
}

Form::~Form() {
    if (IsWindow(window_)) {
        SetWindowLongPtrW(window_, 0, 0);
        if (mdiChild_)
            SendMessageW(mdiClient_, WM_MDIDESTROY, reinterpret_cast<WPARAM>(window_), 0);
        else
            DestroyWindow(window_);
    }
    for (HMENU menu : loose_)
        if (IsMenu(menu)) DestroyMenu(menu);
}

LRESULT CALLBACK Form::Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto *create = reinterpret_cast<CREATESTRUCTW *>(lParam);
        const bool child = create->dwExStyle & WS_EX_MDICHILD;
        SetWindowLongPtrW(window, 0, child ? static_cast<MDICREATESTRUCTW *>(create->lpCreateParams)->lParam
                                           : reinterpret_cast<LPARAM>(create->lpCreateParams));
    }
    auto *form = reinterpret_cast<Form *>(GetWindowLongPtrW(window, 0));
    if (!form) return DefWindowProcW(window, msg, wParam, lParam);
    form->received.push_back({msg, wParam, lParam});
    LRESULT result = 0;
    if (form->onMessage && form->onMessage(msg, wParam, lParam, result)) return result;
    if (form->mdiChild_) return DefMDIChildProcW(window, msg, wParam, lParam);
    if (msg == WM_SIZE && form->statusBar_) SendMessageW(form->statusBar_, WM_SIZE, 0, 0);
    return DefFrameProcW(window, form->mdiClient_, msg, wParam, lParam);
}

int Form::Count(UINT msg) const {
    return static_cast<int>(std::count_if(received.begin(), received.end(), [msg](const Message &m) { return m.msg == msg; }));
}

HMENU Form::MakePopup(std::initializer_list<const char *> items) {
    HMENU popup = CreatePopupMenu();
    for (const char *item : items)
        if (item[0] == '-' && item[1] == 0)
            AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
        else
            AppendMenuA(popup, MF_STRING, nextId_++, item);
    loose_.push_back(popup);
    return popup;
}

HMENU Form::AddPopup(const char *title, std::initializer_list<const char *> items, HMENU parent) {
    if (!parent && !(parent = GetMenu(window_))) SetMenu(window_, parent = CreateMenu());
    HMENU popup = MakePopup(items);
    loose_.pop_back();  // destroyed with its parent
    AppendMenuA(parent, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), title);
    if (parent == GetMenu(window_)) DrawMenuBar(window_);
    return popup;
}

}  // namespace brocade_test
