#include "paint/menu_loop_support.h"

#include "support/test_support.h"

namespace paint_test {

namespace {

constexpr UINT kTick = 100;     // ms between the steps of a tracked menu
constexpr int kPatience = 30;  // ticks to wait for the popup to show

LRESULT CALLBACK FormProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, msg, wParam, lParam);
}

const wchar_t *FormClass() {
    static const wchar_t *name = [] {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = FormProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"BrocadePaintTestForm";
        RegisterClassW(&wc);
        return L"BrocadePaintTestForm";
    }();
    return name;
}

// The steps of the tracked menu, run from a thread timer inside the menu loop.
struct Session {
    HWND form;
    HMENU popup;
    int downs;
    int tick = 0;
    bool moved = false;
    PopupPicture picture;
};
Session *current = nullptr;

void Capture(Session &session, HWND popupWindow) {
    RECT window = {};
    GetWindowRect(popupWindow, &window);
    const int width = window.right - window.left, height = window.bottom - window.top;
    session.picture.pixels = std::make_unique<brocade_test::Surface>(width, height);
    HDC screen = GetDC(nullptr);
    BitBlt(session.picture.pixels->Dc(), 0, 0, width, height, screen, window.left, window.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    for (int i = 0; i < GetMenuItemCount(session.popup); ++i) {
        RECT item = {};
        // The window that shows the popup, not its owner (Wine maps from the window given).
        GetMenuItemRect(popupWindow, session.popup, static_cast<UINT>(i), &item);
        OffsetRect(&item, -window.left, -window.top);
        session.picture.items.push_back(item);
    }
}

// The open popup showing our menu (the system may keep other menu windows hidden).
HWND FindPopupWindow(HMENU popup) {
    for (HWND window = FindWindowExW(nullptr, nullptr, L"#32768", nullptr); window;
         window = FindWindowExW(nullptr, window, L"#32768", nullptr))
        if (IsWindowVisible(window) && reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0)) == popup)
            return window;
    return nullptr;
}

void CALLBACK Step(HWND, UINT, UINT_PTR timer, DWORD) {
    if (!current) return;
    Session &session = *current;
    HWND popupWindow = FindPopupWindow(session.popup);
    ++session.tick;
    if (!popupWindow && session.tick < kPatience) return;  // not shown yet
    if (popupWindow && !session.moved) {
        for (int i = 0; i < session.downs; ++i) PostMessageW(popupWindow, WM_KEYDOWN, VK_DOWN, 0);
        session.moved = true;
        return;
    }
    KillTimer(nullptr, timer);
    if (popupWindow) Capture(session, popupWindow);
    EndMenu();
}

}  // namespace

COLORREF PopupPicture::At(int item, int x, int y) const {
    if (!pixels || item < 0 || item >= static_cast<int>(items.size())) return CLR_INVALID;
    x += items[item].left;
    y += items[item].top;
    if (x < 0 || y < 0 || x >= pixels->Width() || y >= pixels->Height()) return CLR_INVALID;
    return pixels->At(x, y);
}

LoopForm::LoopForm() {
    HMENU bar = CreateMenu();
    HMENU file = CreatePopupMenu();
    AppendMenuW(file, MF_STRING, 100, L"E&xit");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
    form_ = CreateWindowExW(0, FormClass(), L"Paint", WS_OVERLAPPEDWINDOW, 10, 10, 300, 200, nullptr, bar,
                            GetModuleHandleW(nullptr), nullptr);
    site.container = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 32, 32, form_, nullptr,
                                     GetModuleHandleW(nullptr), nullptr);
    control_ = std::make_unique<brocade::Control>(site);
    control_->InitNew();
}

LoopForm::~LoopForm() {
    control_->Teardown();
    control_.reset();
    DestroyWindow(form_);
}

PopupPicture LoopForm::TrackAndCapture(HMENU popup, int downs) {
    Session session{form_, popup, downs};
    current = &session;
    SetForegroundWindow(form_);
    const UINT_PTR timer = SetTimer(nullptr, 0, kTick, &Step);
    TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_TOPALIGN, 100, 100, 0, form_, nullptr);
    KillTimer(nullptr, timer);
    current = nullptr;
    brocade_test::PumpMessages(20);
    return std::move(session.picture);
}

}  // namespace paint_test
