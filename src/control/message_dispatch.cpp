// The control's subclass listener: every hooked message of a window the control handles
// comes here first and goes to its handler in the table below.
#include <windows.h>
#include <commctrl.h>

#include "control/control.h"
#include "control/message_pump.h"
#include "common/os_version.h"
#include "render/menu_metrics.h"
#include "subclass/subclass_wnd.h"

namespace brocade {

const Control::Route Control::kRoutes[] = {
    {WM_DESTROY, &Control::OnDestroy},
    {WM_ACTIVATE, &Control::OnActivate},
    {WM_SYSCOLORCHANGE, &Control::OnSysColorChange},
    {WM_SETTINGCHANGE, &Control::OnSettingChange},
    {WM_DPICHANGED, &Control::OnDpiChanged},
    {WM_ACTIVATEAPP, &Control::OnActivateApp},
    {WM_GETMINMAXINFO, &Control::OnGetMinMaxInfo},
    {WM_DRAWITEM, &Control::OnDrawItemMessage},
    {WM_MEASUREITEM, &Control::OnMeasureItemMessage},
    {WM_NOTIFY, &Control::OnNotify},
    {WM_NCMOUSEMOVE, &Control::OnNCMouseMove},
    {WM_INITMENU, &Control::OnInitMenu},
    {WM_INITMENUPOPUP, &Control::OnInitMenuPopupMessage},
    {WM_MENUSELECT, &Control::OnMenuSelectMessage},
    {WM_MENUCHAR, &Control::OnMenuCharMessage},
    {WM_ENTERMENULOOP, &Control::OnEnterMenuLoop},
    {WM_EXITMENULOOP, &Control::OnExitMenuLoop},
    {WM_MDIDESTROY, &Control::OnMDIDestroy},
    {WM_MDIACTIVATE, &Control::OnMDIActivate},
    {WM_MDISETMENU, &Control::OnMDISetMenu},
    {TTM_WINDOWFROMPOINT, &Control::OnWindowFromPoint},
    {Control::kPurgeMessage, &Control::OnPurge},
};

LRESULT Control::WindowMsgListener(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, Boolean &bRouteToOriginal) {
    WindowMessage m{hwnd, msg, wParam, lParam, bRouteToOriginal};
    for (const Route &route : kRoutes)
        if (route.message == msg) return (this->*route.handler)(m);
    return 0;
}

bool Control::AddListenerRef() {
    if (tornDown_) return false;
    site_.KeepAlive();
    return true;
}

void Control::ReleaseListenerRef() { site_.LetGo(); }

// --- Handlers -------------------------------------------------------------------------------

LRESULT Control::OnDestroy(WindowMessage &m) {
    RegisterWindowMenuCore(m.hwnd, true, true);
    if (m.hwnd == mdiClient_) mdiClient_ = nullptr;
    return 0;
}

LRESULT Control::OnActivate(WindowMessage &m) {
    // A minimized window's activation carries its state in the high word and does not match.
    if (m.wParam != WA_ACTIVE && m.wParam != WA_CLICKACTIVE) return 0;
    return menuAnimation_.Suspend();
}

LRESULT Control::OnSysColorChange(WindowMessage &) {
    EndPopupPass();
    return 0;
}

LRESULT Control::OnSettingChange(WindowMessage &m) {
    ForgetMenuMetrics();
    EndPopupPass();
    if (HasMenuRecords()) {
        LoadDefaultColors();
        Refresh(m.hwnd);
    }
    return 0;
}

// The window moved to a monitor of another DPI, or the user changed the scaling: the Look,
// the menu metrics and every measured item size were made for the old DPI. Windows keeps an
// owner-drawn item's size until the item is set again, so the next scan converts each item
// anew and the system measures it at the new DPI.
LRESULT Control::OnDpiChanged(WindowMessage &m) {
    ForgetMenuMetrics();
    dpiWindow_ = m.hwnd;
    EndPopupPass();
    for (const RecordPtr &record : scanner_.Items().Records()) record->SetAttributesChanged(kTrue);
    if (HasMenuRecords()) Refresh(m.hwnd);
    return 0;
}

LRESULT Control::OnActivateApp(WindowMessage &m) {
    if (IsWin95() || IsWinNT3() || IsWinNT4()) return 0;
    if (m.wParam)
        menuAnimation_.Suspend();
    else
        menuAnimation_.Resume();
    BOOL cues = FALSE;
    LRESULT result = SystemParametersInfoA(SPI_GETKEYBOARDCUES, 0, &cues, 0);
    keyboardCuesHidden_ = cues == 0;
    return result;
}

LRESULT Control::OnGetMinMaxInfo(WindowMessage &m) {
    if (m.hwnd != hostWindow_ && HasMenuRecords()) Refresh(m.hwnd);
    return 0;
}

LRESULT Control::OnDrawItemMessage(WindowMessage &m) {
    FollowDpiOf(m.hwnd);
    return OnDrawItem(m.hwnd, m.wParam, m.lParam, m.route);
}

LRESULT Control::OnMeasureItemMessage(WindowMessage &m) {
    FollowDpiOf(m.hwnd);
    return OnMeasureItem(m.wParam, m.lParam, m.route);
}

LRESULT Control::OnNotify(WindowMessage &m) {
    const NMHDR *header = reinterpret_cast<const NMHDR *>(m.lParam);
    HWND tooltip = TooltipWindow();
    if (!header || !tooltip || header->code != static_cast<UINT>(TTN_SHOW)) return 0;
    return SetWindowPos(tooltip, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
}

LRESULT Control::OnNCMouseMove(WindowMessage &m) {
    if (!inMenuLoop_ && m.wParam == HTMENU) HotTrackCheck(m.hwnd);
    return 0;
}

LRESULT Control::OnInitMenu(WindowMessage &m) {
    HMENU menu = reinterpret_cast<HMENU>(m.wParam);
    if (menu && menu == GetMenu(m.hwnd)) {
        ScanMenuBar(menu);
        m.route = kTrue;
    }
    return 0;
}

LRESULT Control::OnInitMenuPopupMessage(WindowMessage &m) {
    EndPopupPass();
    if (!IsTrue(enabled_)) return 0;
    // The host enables, checks and adds items in its own handler before the scan sees them.
    SubclassWnd::CallSavedWndProc(m.hwnd, WM_INITMENUPOPUP, m.wParam, m.lParam);
    ProcessPendingMessages(2);
    OnInitMenuPopup(m.hwnd, reinterpret_cast<HMENU>(m.wParam), m.lParam);
    m.route = kFalse;
    return 0;
}

LRESULT Control::OnMenuSelectMessage(WindowMessage &m) {
    // The items of a popup are drawn in a row; once the selection moves, the popup it kept a
    // DC of may close.
    EndPopupPass();
    return OnMenuSelect(m.hwnd, m.wParam, m.lParam);
}

LRESULT Control::OnMenuCharMessage(WindowMessage &m) { return OnMenuChar(m.wParam, m.lParam, m.route); }

LRESULT Control::OnEnterMenuLoop(WindowMessage &m) {
    EndPopupPass();
    if (!IsTrue(enabled_)) {
        RestoreMenus(m.hwnd);
        return 0;
    }
    if (window_.Handle()) KillTimer(window_.Handle(), kHotTrackTimer);
    inMenuLoop_ = true;
    // Each loop reads the DPI afresh: the window may have moved to another monitor since.
    dpiWindow_ = m.hwnd;
    InvalidateLook();
    // Off for every loop, not only the first after an activation: the end of a loop puts it back.
    menuAnimation_.Suspend();
    // A host that builds its context menus for each use and destroys them afterwards would
    // otherwise pile up their records, with their fonts and pictures, for good.
    PurgeDeadRecords();
    if (DrawLook()->style.menuBorder == kBorderFlatWithShadow) CaptureShadowBackdrop();
    UnhighlightMenuBar(m.hwnd);
    return 0;
}

LRESULT Control::OnExitMenuLoop(WindowMessage &) {
    EndPopupPass();
    paintCaches_.EndMenuLoop();
    inMenuLoop_ = false;
    InvalidateLook();
    menuAnimation_.Resume();
    hotTracking_.Forget();
    ReleaseShadowBackdrop();
    return 0;
}

LRESULT Control::OnMDIDestroy(WindowMessage &m) {
    // The purge runs once the child is gone.
    return PostMessageA(m.hwnd, kPurgeMessage, 0, 0);
}

LRESULT Control::OnMDIActivate(WindowMessage &m) {
    HWND child = reinterpret_cast<HWND>(m.wParam);
    if (child && m.hwnd == mdiClient_) RegisterWindowMenu(child, kFalse);
    if (reinterpret_cast<HWND>(m.lParam) == m.hwnd) {
        HookMDIFrame();
        StartMdiTimer();
    } else {
        if (window_.Handle()) KillTimer(window_.Handle(), kMdiTimer);
        UnhookMDIFrame();
    }
    return 0;
}

LRESULT Control::OnMDISetMenu(WindowMessage &) {
    if (!IsTrue(enabled_)) RestoreMenus(hostWindow_);
    Refresh(hostWindow_);
    return 0;
}

LRESULT Control::OnWindowFromPoint(WindowMessage &m) {
    if (!tooltipAnchor_) return 0;
    m.route = kFalse;
    return reinterpret_cast<LRESULT>(tooltipAnchor_);
}

LRESULT Control::OnPurge(WindowMessage &) {
    ProcessPendingMessages(1);
    PurgeDeadRecords();
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
        RedrawMenuBar(frameHooked_ ? mdiFrame_ : hostWindow_);
    } else if (timer == kHotTrackTimer) {
        HotTrackCheck(hotTrackWindow_);
    }
}

}  // namespace brocade
