#include "support/menus.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/wait.h"

namespace brocade_test {

namespace {

// One menu shown by the menu loop, followed from a timer that ticks inside that loop. Timers
// come after input and paints: at a tick with no input queued, the loop has handled what was
// typed and the popup has painted.
struct MenuSession {
    HMENU menu;
    const WhileOpen &whileOpen;
    ULONGLONG deadline;
    bool shown = false, done = false, closed = false, busy = false;
};
MenuSession *g_session = nullptr;

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    MenuSession *session = g_session;
    if (!session || session->busy || session->closed) return;
    const bool late = GetTickCount64() > session->deadline;
    if (!late && HIWORD(GetQueueStatus(QS_INPUT))) return;
    HWND popup = FindPopupWindow(session->menu);
    if (!late && !session->done) {
        if (!popup || GetUpdateRect(popup, nullptr, FALSE)) return;
        session->shown = session->busy = true;
        LeaveInputToMenu leave;
        session->done = !session->whileOpen || session->whileOpen(popup);
        session->busy = false;
        return;  // closed at a later tick, once the loop has handled what whileOpen typed
    }
    EndMenu();
    session->closed = true;
}

bool Run(MenuSession &session, DWORD deadlineMs, Caller caller, const std::function<void()> &open) {
    g_session = &session;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, &Tick);
    open();
    KillTimer(nullptr, timer);
    g_session = nullptr;
    Pump();
    if (!session.shown) ADD_FAILURE_AT(caller.file, caller.line) << "the menu did not show within " << deadlineMs << " ms";
    else if (!session.done)
        ADD_FAILURE_AT(caller.file, caller.line) << "the menu closed, or " << deadlineMs << " ms passed, before whileOpen was done";
    return session.shown && session.done;
}

}  // namespace

HWND FindPopupWindow(HMENU menu) {
    for (HWND window = FindWindowExW(nullptr, nullptr, L"#32768", nullptr); window;
         window = FindWindowExW(nullptr, window, L"#32768", nullptr))
        if (IsWindowVisible(window) && reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0)) == menu)
            return window;
    return nullptr;
}

bool WithOpenPopup(HWND owner, HMENU menu, int x, int y, const WhileOpen &whileOpen, DWORD deadlineMs, Caller caller) {
    MenuSession session{menu, whileOpen, GetTickCount64() + deadlineMs};
    SetForegroundWindow(owner);
    return Run(session, deadlineMs, caller, [&] { TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN, x, y, 0, owner, nullptr); });
}

bool WithOpenMenuBar(HWND owner, const WhileOpen &whileOpen, DWORD deadlineMs, Caller caller) {
    MenuSession session{GetSubMenu(GetMenu(owner), 0), whileOpen, GetTickCount64() + deadlineMs};
    return Run(session, deadlineMs, caller, [&] {
        // Keys typed before the form has the foreground go to another window: type them once it
        // has, and again when a second has passed with no menu loop begun (a loop that runs
        // keeps this condition from being asked until it ends).
        ULONGLONG typeAt = 0;
        WaitFor([&] {
            if (session.closed) return true;
            if (GetForegroundWindow() != owner) SetForegroundWindow(owner);
            else if (GetTickCount64() >= typeAt && !HIWORD(GetQueueStatus(QS_INPUT))) {
                SetFocus(owner);
                PressKeys({VK_F10, VK_DOWN});
                typeAt = GetTickCount64() + 1000;
            }
            return false;
        }, deadlineMs + 1000, "the menu bar's popup to close", caller);
    });
}

void PressKeys(std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs;
    for (WORD key : keys)
        for (DWORD flags : {0ul, static_cast<DWORD>(KEYEVENTF_KEYUP)}) {
            INPUT input = {INPUT_KEYBOARD};
            input.ki.wVk = key;
            input.ki.dwFlags = flags;
            inputs.push_back(input);
        }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void MoveMouseTo(int x, int y) {
    INPUT input = {INPUT_MOUSE};
    input.mi.dx = (x * 65536 + GetSystemMetrics(SM_CXSCREEN) / 2) / GetSystemMetrics(SM_CXSCREEN);
    input.mi.dy = (y * 65536 + GetSystemMetrics(SM_CYSCREEN) / 2) / GetSystemMetrics(SM_CYSCREEN);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
}

FormMenuLoop::FormMenuLoop(HWND form, HMENU menu) : form_(form), menu_(menu) {
    const bool bar = menu == GetMenu(form);
    SendMessageW(form, WM_ENTERMENULOOP, FALSE, 0);
    if (bar) {
        SendMessageW(form, WM_INITMENU, reinterpret_cast<WPARAM>(menu), 0);
    } else {
        // The popup's place in the menu bar, as the menu gives it.
        UINT index = 0;
        HMENU owner = GetMenu(form);
        for (int i = 0; i < GetMenuItemCount(owner); ++i)
            if (GetSubMenu(owner, i) == menu) index = static_cast<UINT>(i);
        SendMessageW(form, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), MAKELPARAM(index, FALSE));
    }
}

FormMenuLoop::~FormMenuLoop() { SendMessageW(form_, WM_EXITMENULOOP, FALSE, 0); }

Surface FormMenuLoop::Draw(UINT position, bool selected, Caller caller) {
    MENUITEMINFOW info = {sizeof info, MIIM_FTYPE | MIIM_ID | MIIM_DATA | MIIM_STATE | MIIM_SUBMENU};
    Surface pixels;
    if (!GetMenuItemInfoW(menu_, position, TRUE, &info) || !(info.fType & MFT_OWNERDRAW)) {
        ADD_FAILURE_AT(caller.file, caller.line) << "item " << position << " of the menu was not made owner-drawn";
    } else {
        const UINT id = info.hSubMenu ? static_cast<UINT>(reinterpret_cast<UINT_PTR>(info.hSubMenu)) : info.wID;
        MEASUREITEMSTRUCT measure = {ODT_MENU, 0, id, 0, 0, info.dwItemData};
        SendMessageW(form_, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
        pixels = Surface(static_cast<int>(measure.itemWidth), static_cast<int>(measure.itemHeight));
        UINT state = selected ? ODS_SELECTED : 0;
        if (info.fState & MFS_CHECKED) state |= ODS_CHECKED;
        if (info.fState & MFS_DISABLED) state |= ODS_GRAYED | ODS_DISABLED;
        DRAWITEMSTRUCT draw = {ODT_MENU, 0, id, ODA_DRAWENTIRE, state, reinterpret_cast<HWND>(menu_), pixels.Dc(),
                               {0, 0, pixels.Width(), pixels.Height()}, info.dwItemData};
        SendMessageW(form_, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
    }
    return pixels;
}

Surface DrawItemThroughForm(HWND form, HMENU menu, UINT position, bool selected, Caller caller) {
    return FormMenuLoop(form, menu).Draw(position, selected, caller);
}

}  // namespace brocade_test
