#include "menu_driver.h"

#include <functional>

#include "demo_form.h"

namespace brocade::demo {

namespace {

constexpr UINT kGetMenuOfPopup = 0x01E1;  // MN_GETHMENU
constexpr DWORD kStepTimeoutMs = 2000;

void PressKey(WORD key) {
    INPUT inputs[2] = {};
    inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = inputs[1].ki.wVk = key;
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
}

bool WaitUntil(const std::function<bool()> &condition, DWORD timeoutMs = kStepTimeoutMs) {
    DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(5);
    }
    return true;
}

BOOL CALLBACK CollectPopup(HWND window, LPARAM found) {
    wchar_t className[16] = {};
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId() && IsWindowVisible(window) && GetClassNameW(window, className, 16) &&
        wcscmp(className, L"#32768") == 0)
        reinterpret_cast<std::vector<HWND> *>(found)->push_back(window);
    return TRUE;
}

HWND PopupShowing(HMENU menu) {
    for (HWND popup : VisibleMenuPopups())
        if (reinterpret_cast<HMENU>(SendMessageW(popup, kGetMenuOfPopup, 0, 0)) == menu) return popup;
    return nullptr;
}

// The control lets pending messages through while it prepares a popup, so a key that arrives
// just then reaches the form instead of the menu loop: press again until the effect shows.
bool PressUntil(WORD key, const std::function<bool()> &effect, int attempts = 3) {
    for (int attempt = 0; attempt < attempts; ++attempt) {
        PressKey(key);
        // Generous: pressing again too early would act twice (F10 would close the menu again).
        if (WaitUntil(effect, 2000)) return true;
    }
    return false;
}

// The highlight once it holds still (moving it clears the old item before it marks the new
// one, and the control rewrites items while it prepares them), or -1.
int SettledHighlight(HMENU menu) {
    int previous = HighlightedPosition(menu);
    for (int reads = 0; reads < 150; ++reads) {
        Sleep(20);
        int now = HighlightedPosition(menu);
        if (now == previous && now >= 0) return now;
        previous = now;
    }
    return -1;
}

// Presses a key until the menu's highlight reaches the position.
bool MoveHighlight(HMENU menu, int target, WORD key) {
    for (int presses = 0; presses < 40; ++presses) {
        int current = SettledHighlight(menu);
        if (current == target) return true;
        if (current < 0) return false;  // pressing blindly would lose track
        PressKey(key);
        WaitUntil([&] {
            int now = HighlightedPosition(menu);
            return now >= 0 && now != current;
        }, 1500);
    }
    return SettledHighlight(menu) == target;
}

// Lets the form's thread paint what the last key changed.
void WaitForPaint(const std::vector<HWND> &windows) {
    WaitUntil([&] {
        for (HWND window : windows)
            if (GetUpdateRect(window, nullptr, FALSE)) return false;
        return true;
    }, 1000);
    Sleep(60);
}

// Whether the form's thread runs a menu loop.
bool InMenuMode(HWND form) {
    GUITHREADINFO info = {sizeof info};
    return GetGUIThreadInfo(GetWindowThreadProcessId(form, nullptr), &info) && (info.flags & GUI_INMENUMODE);
}

// The menu bar title whose popup is open, or -1. Read from the open popup itself: the
// highlight marks of the bar's items do not survive the control rewriting them.
int OpenTitle(HMENU bar) {
    for (HWND popup : VisibleMenuPopups()) {
        HMENU shown = reinterpret_cast<HMENU>(SendMessageW(popup, kGetMenuOfPopup, 0, 0));
        int count = GetMenuItemCount(bar);
        for (int i = 0; i < count; ++i)
            if (GetSubMenu(bar, i) == shown) return i;
    }
    return -1;
}

}  // namespace

std::vector<HWND> VisibleMenuPopups() {
    std::vector<HWND> found;
    EnumWindows(CollectPopup, reinterpret_cast<LPARAM>(&found));
    return found;
}

int HighlightedPosition(HMENU menu) {
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i)
        if (GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_HILITE) return i;
    return -1;
}

bool MenuDriver::Open(const MenuPath &path, OpenedMenu &opened, std::wstring &failure) {
    HMENU bar = GetMenu(form_);
    if (!PressUntil(VK_F10, [&] { return InMenuMode(form_); }, 2)) {
        failure = L"F10 did not start the menu loop";
        return false;
    }
    // Down opens the first title's popup; Right and Left then move between open popups.
    if (!PressUntil(VK_DOWN, [&] { return OpenTitle(bar) >= 0; })) {
        failure = L"Down did not open a popup";
        return false;
    }
    for (int moves = 0; moves < 20 && OpenTitle(bar) != path.title; ++moves) {
        int current = OpenTitle(bar);
        PressKey(current < path.title ? VK_RIGHT : VK_LEFT);
        WaitUntil([&] {
            int now = OpenTitle(bar);
            return now >= 0 && now != current;
        });
    }
    HMENU popupMenu = TitlePopup(bar, path.title);
    if (OpenTitle(bar) != path.title ||
        !WaitUntil([&] { return PopupShowing(popupMenu) && HighlightedPosition(popupMenu) >= 0; })) {
        failure = L"the popup of the menu title did not open";
        return false;
    }
    if (!MoveHighlight(popupMenu, path.item, VK_DOWN)) {
        failure = L"Down did not reach the item";
        return false;
    }
    HMENU deepest = popupMenu;
    int selected = path.item;
    if (path.subItem >= 0) {
        HMENU submenu = GetSubMenu(popupMenu, path.item);
        if (!PressUntil(VK_RIGHT, [&] { return PopupShowing(submenu) && HighlightedPosition(submenu) >= 0; }) ||
            !MoveHighlight(submenu, path.subItem, VK_DOWN)) {
            failure = L"Right did not open the submenu (item " + std::to_wstring(HighlightedPosition(popupMenu)) +
                      L", " + std::to_wstring(VisibleMenuPopups().size()) + L" popups, showing " +
                      std::to_wstring(PopupShowing(submenu) != nullptr) + L", item " +
                      std::to_wstring(HighlightedPosition(submenu)) + L")";
            return false;
        }
        deepest = submenu;
        selected = path.subItem;
    }
    opened.popups = VisibleMenuPopups();
    std::vector<HWND> painted = opened.popups;
    painted.push_back(form_);
    WaitForPaint(painted);
    HWND popup = PopupShowing(deepest);
    GetWindowRect(popup, &opened.popupRect);
    GetMenuItemRect(popup, deepest, static_cast<UINT>(selected), &opened.itemRect);
    return true;
}

void MenuDriver::Close() {
    std::function<void()> end = [] { EndMenu(); };
    SendMessageW(form_, kRunOnFormThread, 0, reinterpret_cast<LPARAM>(&end));
    WaitUntil([&] { return VisibleMenuPopups().empty() && !InMenuMode(form_); });
}

}  // namespace brocade::demo
