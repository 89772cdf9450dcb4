// The control's subclass listener: every hooked message of a window the control handles
// comes here first, is cracked once by its entry in the table below and goes to its handler,
// which hands it to the part that owns the behaviour.
#include <windows.h>
#include <commctrl.h>

#include "common/os_version.h"
#include "control/control.h"
#include "control/message_pump.h"
#include "menu/menu_char.h"
#include "render/draw_item.h"
#include "render/measure_item.h"
#include "render/menu_metrics.h"
#include "subclass/subclass_wnd.h"

namespace brocade {

namespace {

template <class Struct>
Struct *StructOf(LPARAM lParam) {
    return reinterpret_cast<Struct *>(lParam);
}

HWND WindowOf(WPARAM value) { return reinterpret_cast<HWND>(value); }
HMENU MenuOf(UINT_PTR value) { return reinterpret_cast<HMENU>(value); }

}  // namespace

const Control::Route Control::kRoutes[] = {
    {WM_DESTROY, [](Control &c, WindowMessage &m) { return c.OnDestroy(m.hwnd); }},
    {WM_ACTIVATE, [](Control &c, WindowMessage &m) { return c.OnActivate(m.wParam); }},
    {WM_SYSCOLORCHANGE, [](Control &c, WindowMessage &) { return c.OnSysColorChange(); }},
    {WM_SETTINGCHANGE, [](Control &c, WindowMessage &m) { return c.OnSettingChange(m.hwnd); }},
    {WM_DPICHANGED, [](Control &c, WindowMessage &m) { return c.OnDpiChanged(m.hwnd); }},
    {WM_ACTIVATEAPP, [](Control &c, WindowMessage &m) { return c.OnActivateApp(m.wParam != 0); }},
    {WM_GETMINMAXINFO, [](Control &c, WindowMessage &m) { return c.OnGetMinMaxInfo(m.hwnd); }},
    {WM_DRAWITEM,
     [](Control &c, WindowMessage &m) {
         auto *draw = StructOf<const DRAWITEMSTRUCT>(m.lParam);
         return draw ? c.OnDrawItem(m.hwnd, *draw, m.route) : 0;
     }},
    {WM_MEASUREITEM,
     [](Control &c, WindowMessage &m) {
         auto *measure = StructOf<MEASUREITEMSTRUCT>(m.lParam);
         return measure ? c.OnMeasureItem(m.hwnd, *measure, m.route) : 0;
     }},
    {WM_NOTIFY,
     [](Control &c, WindowMessage &m) {
         auto *header = StructOf<const NMHDR>(m.lParam);
         return header ? c.OnNotify(*header) : 0;
     }},
    {WM_NCMOUSEMOVE, [](Control &c, WindowMessage &m) { return c.OnNCMouseMove(m.hwnd, m.wParam); }},
    {WM_INITMENU, [](Control &c, WindowMessage &m) { return c.OnInitMenu(m.hwnd, MenuOf(m.wParam), m.route); }},
    {WM_INITMENUPOPUP,
     [](Control &c, WindowMessage &m) {
         return c.OnInitMenuPopup(m.hwnd, MenuOf(m.wParam), LOWORD(m.lParam), HIWORD(m.lParam) != 0, m.route);
     }},
    {WM_MENUSELECT,
     [](Control &c, WindowMessage &m) {
         return c.OnMenuSelect(m.hwnd, LOWORD(m.wParam), HIWORD(m.wParam), MenuOf(m.lParam));
     }},
    {WM_MENUCHAR,
     [](Control &c, WindowMessage &m) {
         return c.OnMenuChar(static_cast<wchar_t>(LOWORD(m.wParam)), MenuOf(m.lParam), m.route);
     }},
    {WM_ENTERMENULOOP, [](Control &c, WindowMessage &m) { return c.OnEnterMenuLoop(m.hwnd); }},
    {WM_EXITMENULOOP, [](Control &c, WindowMessage &) { return c.OnExitMenuLoop(); }},
    {WM_MDIDESTROY, [](Control &c, WindowMessage &m) { return c.OnMDIDestroy(m.hwnd); }},
    {WM_MDIACTIVATE,
     [](Control &c, WindowMessage &m) {
         return c.OnMDIActivate(m.hwnd, WindowOf(m.wParam), WindowOf(static_cast<WPARAM>(m.lParam)));
     }},
    {WM_MDISETMENU, [](Control &c, WindowMessage &) { return c.OnMDISetMenu(); }},
    {TTM_WINDOWFROMPOINT, [](Control &c, WindowMessage &m) { return c.OnWindowFromPoint(m.route); }},
    {Control::kPurgeMessage, [](Control &c, WindowMessage &) { return c.OnPurge(); }},
};

LRESULT Control::WindowMsgListener(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, bool &bRouteToOriginal) {
    WindowMessage m{hwnd, msg, wParam, lParam, bRouteToOriginal};
    for (const Route &entry : kRoutes)
        if (entry.message == msg) return entry.crack(*this, m);
    return 0;
}

bool Control::AddListenerRef() {
    if (tornDown_) return false;
    site_.KeepAlive();
    return true;
}

void Control::ReleaseListenerRef() { site_.LetGo(); }

// --- Handlers -------------------------------------------------------------------------------

LRESULT Control::OnDestroy(HWND window) {
    attachment_.OnDestroy(window);
    return 0;
}

LRESULT Control::OnActivate(WPARAM state) {
    // A minimized window's activation carries its state in the high word and does not match.
    if (state != WA_ACTIVE && state != WA_CLICKACTIVE) return 0;
    return menuAnimation_.Suspend();
}

// New system colours make a new Look: the next item painted sees its generation change and
// ends the pass drawn with the old one.
LRESULT Control::OnSysColorChange() {
    InvalidateLook();
    return 0;
}

LRESULT Control::OnSettingChange(HWND window) {
    ForgetMenuMetrics();
    InvalidateLook();
    if (!scanner_.Items().Empty()) {
        LoadDefaultColors();
        Refresh(window);
    }
    return 0;
}

// The window moved to a monitor of another DPI, or the user changed the scaling: the Look,
// the menu metrics and every measured item size were made for the old DPI. Windows keeps an
// owner-drawn item's size until the item is set again, so the next scan converts each item
// anew and the system measures it at the new DPI.
LRESULT Control::OnDpiChanged(HWND window) {
    ForgetMenuMetrics();
    dpiWindow_ = window;
    InvalidateLook();
    for (const RecordPtr &record : scanner_.Items().Records()) record->SetAttributesChanged(true);
    if (!scanner_.Items().Empty()) Refresh(window);
    return 0;
}

LRESULT Control::OnActivateApp(bool active) {
    if (IsWin95() || IsWinNT3() || IsWinNT4()) return 0;
    if (active)
        menuAnimation_.Suspend();
    else
        menuAnimation_.Resume();
    BOOL cues = FALSE;
    LRESULT result = SystemParametersInfoA(SPI_GETKEYBOARDCUES, 0, &cues, 0);
    keyboardCuesHidden_ = cues == 0;
    return result;
}

LRESULT Control::OnGetMinMaxInfo(HWND window) {
    if (window != attachment_.Host() && !scanner_.Items().Empty()) Refresh(window);
    return 0;
}

LRESULT Control::OnDrawItem(HWND window, const DRAWITEMSTRUCT &draw, bool &route) {
    FollowDpiOf(window);
    const LRESULT result = brocade::OnDrawItem(services_, site_, draw, route);
    if (!loop_) idlePass_.End();
    return result;
}

LRESULT Control::OnMeasureItem(HWND window, MEASUREITEMSTRUCT &measure, bool &route) {
    FollowDpiOf(window);
    return brocade::OnMeasureItem(services_, site_, measure, route);
}

LRESULT Control::OnNotify(const NMHDR &header) {
    HWND tooltip = tooltip_ ? tooltip_->Hwnd() : nullptr;
    if (!tooltip || header.code != static_cast<UINT>(TTN_SHOW)) return 0;
    return SetWindowPos(tooltip, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
}

LRESULT Control::OnNCMouseMove(HWND window, WPARAM hitTest) {
    if (!loop_ && hitTest == HTMENU) hotTrack_.Track(window);
    return 0;
}

LRESULT Control::OnInitMenu(HWND window, HMENU menu, bool &route) {
    if (menu && menu == GetMenu(window)) {
        scanner_.ScanMenuBar(menu);
        route = true;
    }
    return 0;
}

LRESULT Control::OnInitMenuPopup(HWND window, HMENU popup, UINT position, bool systemMenu, bool &route) {
    if (!settings_.enabled) return 0;
    // The host enables, checks and adds items in its own handler before the scan sees them.
    SubclassWnd::CallSavedWndProc(window, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup),
                                  MAKELPARAM(position, systemMenu ? TRUE : FALSE));
    ProcessPendingMessages(2);
    scanner_.OnInitMenuPopup(window, popup, systemMenu);
    route = false;
    return 0;
}

LRESULT Control::OnMenuSelect(HWND window, UINT item, UINT flags, HMENU menu) {
    // The system reports the selection once the items it moved are drawn: the frame beside
    // them shows now, not with the next item.
    if (loop_) loop_->Pass().Frame().Flush();
    return menuHelp_.OnMenuSelect(window, item, flags, menu);
}

LRESULT Control::OnMenuChar(wchar_t character, HMENU menu, bool &route) {
    return brocade::OnMenuChar(&scanner_.Items(), character, menu, route);
}

LRESULT Control::OnEnterMenuLoop(HWND window) {
    if (!settings_.enabled) {
        attachment_.RestoreMenus(window);
        return 0;
    }
    hotTrack_.StopHotTrackTimer();
    loop_.emplace(paintCaches_);
    // Each loop reads the DPI afresh: the window may have moved to another monitor since.
    dpiWindow_ = window;
    InvalidateLook();
    // Off for every loop, not only the first after an activation: the end of a loop puts it back.
    menuAnimation_.Suspend();
    // A host that builds its context menus for each use and destroys them afterwards would
    // otherwise pile up their records, with their fonts and pictures, for good.
    scanner_.PurgeDeadRecords();
    if (CurrentLook()->style.menuBorder == kBorderFlatWithShadow) loop_->TakeBackdrop();
    UnhighlightMenuBar(window);
    return 0;
}

LRESULT Control::OnExitMenuLoop() {
    // What served the loop's popups goes with it, and the Look is made again without it.
    loop_.reset();
    InvalidateLook();
    menuAnimation_.Resume();
    hotTrack_.Forget();
    return 0;
}

LRESULT Control::OnMDIDestroy(HWND window) {
    // The purge runs once the child is gone.
    return PostMessageA(window, kPurgeMessage, 0, 0);
}

// On the MDI client the first window is the child being activated; on a child, the second is.
LRESULT Control::OnMDIActivate(HWND window, HWND first, HWND second) {
    if (first && window == attachment_.MdiClient()) attachment_.RegisterWindowMenu(first, false);
    if (second == window) {
        attachment_.HookMDIFrame();
        StartMdiTimer();
    } else {
        if (window_.Handle()) KillTimer(window_.Handle(), kMdiTimer);
        attachment_.UnhookMDIFrame();
    }
    return 0;
}

LRESULT Control::OnMDISetMenu() {
    if (!settings_.enabled) attachment_.RestoreMenus(attachment_.Host());
    Refresh(attachment_.Host());
    return 0;
}

LRESULT Control::OnWindowFromPoint(bool &route) {
    if (!tooltipAnchor_) return 0;
    route = false;
    return reinterpret_cast<LRESULT>(tooltipAnchor_);
}

LRESULT Control::OnPurge() {
    ProcessPendingMessages(1);
    scanner_.PurgeDeadRecords();
    return 0;
}

// --- Timers ---------------------------------------------------------------------------------

void Control::OnTimer(UINT_PTR timer) {
    // A tick scans or draws the menu bar and so raises events: a host that lets go of the
    // control inside one must not free it before the tick is over, as on the subclass path.
    if (!AddListenerRef()) return;
    struct Hold {
        Control &control;
        ~Hold() { control.ReleaseListenerRef(); }  // may free the control: nothing runs after it
    } hold{*this};
    if (timer == kMdiTimer) {
        KillTimer(window_.Handle(), kMdiTimer);  // one shot
        attachment_.RedrawMenuBar(attachment_.RedrawTarget(attachment_.Host()));
    } else if (timer == kHotTrackTimer) {
        hotTrack_.Poll();
    }
}

}  // namespace brocade
