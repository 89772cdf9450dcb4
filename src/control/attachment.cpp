#include "control/attachment.h"

#include <algorithm>

#include "common/os_version.h"
#include "common/skippable.h"
#include "help/status_bar.h"
#include "subclass/menu_message_set.h"
#include "subclass/subclass_wnd.h"

namespace brocade {

namespace {

bool IsMdiChild(HWND window) { return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_MDICHILD) != 0; }

HWND FindMDIClient(HWND window) { return FindWindowExA(window, nullptr, "MDIClient", nullptr); }

HWND GetTopLevelAncestor(HWND window) {
    HWND top = window;
    for (HWND parent = GetParent(window); parent; parent = GetParent(parent)) top = parent;
    return top;
}

// The system's own menu background, set back on a menu the control drew.
void SetSystemMenuBackground(HMENU menu) {
    if (IsWin95() || IsWinNT3() || IsWinNT4()) return;  // no SetMenuInfo there
    MENUINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = MIM_BACKGROUND;
    info.hbrBack = GetSysColorBrush(IsWinXP() ? COLOR_MENUBAR : COLOR_MENU);
    SetMenuInfo(menu, &info);
}

}  // namespace

HWND FindHostWindow(HWND window) {
    while (window && (GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) && !IsMdiChild(window))
        window = GetParent(window);
    return window;
}

bool Attachment::Attach(HWND host) {
    if (!host || attached_) return false;
    attached_ = true;
    host_ = host;
    Skippable([&] {
        SubclassWnd::SubclassWindow(host, &listener_);
        HookMenuMessages(host);
    });
    bool mdiForm = FindMDIClient(host) != nullptr;
    if (!mdiForm && IsMdiChild(host)) {
        mdiFrame_ = GetTopLevelAncestor(host);
        HWND client = GetParent(host);
        // An MDI child is never the active top-level window; its client knows whether it
        // is the active child.
        if (GetActiveWindow() == host ||
            reinterpret_cast<HWND>(SendMessageW(client, WM_MDIGETACTIVE, 0, 0)) == host)
            HookMDIFrame();
    }
    if (mdiForm) {
        mdiClient_ = FindMDIClient(host);
        if (mdiClient_) RegisterWindowMenu(mdiClient_, false);
    }
    statusBar_ = FindStatusBar(mdiFrame_ ? mdiFrame_ : host);
    return true;
}

// --- Registered windows ---------------------------------------------------------------------

bool Attachment::IsRegistered(HWND window) const {
    return std::find(registered_.begin(), registered_.end(), window) != registered_.end();
}

void Attachment::ForgetRegistered(HWND window) {
    registered_.erase(std::remove(registered_.begin(), registered_.end(), window), registered_.end());
}

void Attachment::RegisterWindowMenu(HWND window, bool stop) {
    bool redraw = RegisterWindowMenuCore(window, stop, false);
    if (IsWindowVisible(window) && redraw) RedrawMenuBar(window);
}

bool Attachment::RegisterWindowMenuCore(HWND window, bool stop, bool noRedraw) {
    if (!window || window == host_ || window == mdiFrame_ || !IsWindow(window)) return false;
    // A window of another thread cannot be subclassed from here.
    if (GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId()) return false;
    if (stop) {
        if (IsRegistered(window) && SubclassWnd::IsWindowSubclassed(window)) {
            Skippable([&] { UnhookMenuMessages(window); });
            SubclassWnd::UnsubclassWindow(window);
            ForgetRegistered(window);
        }
        return !noRedraw;
    }
    if (SubclassWnd::IsWindowSubclassed(window)) return false;
    bool hooked = false;
    Skippable([&] {
        SubclassWnd::SubclassWindow(window, &listener_);
        HookMenuMessages(window);
        hooked = true;
    });
    if (hooked && !IsRegistered(window)) registered_.push_back(window);
    return hooked;
}

void Attachment::OnDestroy(HWND window) {
    RegisterWindowMenuCore(window, true, true);
    if (window == mdiClient_) mdiClient_ = nullptr;
}

// --- MDI frame ------------------------------------------------------------------------------

void Attachment::HookMDIFrame() {
    if (!mdiFrame_) return;
    Skippable([&] {
        SubclassWnd::SubclassWindow(mdiFrame_, &listener_);
        HookMenuMessages(mdiFrame_);
        frameHooked_ = true;
    });
}

void Attachment::UnhookMDIFrame() {
    if (!frameHooked_) return;
    Skippable([&] { UnhookMenuMessages(mdiFrame_); });
    SubclassWnd::UnsubclassWindow(mdiFrame_);
    // Deliberately more than removing the hook: the frame's items this control converted go
    // back to plain strings. Once the frame is unhooked nobody draws them, and the next active
    // child may have no control at all; if it has one, that control converts them again.
    Skippable([&] { RestoreMenus(mdiFrame_); });
    scanner_.RemoveRecordsOfWindow(mdiFrame_);
    frameHooked_ = false;
}

// --- Menu bars ------------------------------------------------------------------------------

void Attachment::RedrawMenuBar(HWND window) {
    if (!window || !IsWindow(window)) return;
    if (settings_.enabled) {
        if (HMENU menu = GetMenu(window)) scanner_.ScanMenuBar(menu);
    }
    if (!settings_.lockRefresh) DrawMenuBar(window);
}

void Attachment::RestoreMenus(HWND window) {
    if (scanner_.Items().Empty()) return;
    if (HMENU system = GetSystemMenu(window, FALSE)) {
        SetSystemMenuBackground(system);
        scanner_.RestoreMenu(system);
    }
    HMENU menu = GetMenu(window);
    if (!menu) return;
    SetSystemMenuBackground(menu);
    scanner_.RestoreMenu(menu);
    DrawMenuBar(window);
}

// --- Teardown -------------------------------------------------------------------------------

void Attachment::RestoreConvertedMenus() {
    for (auto window = registered_.rbegin(); window != registered_.rend(); ++window)
        Skippable([&] { RestoreMenus(*window); });
    Skippable([&] { RestoreMenus(host_); });
    // Whatever else was converted and still exists: context menus, menus of windows the
    // control no longer knows.
    scanner_.RestoreAllMenus();
}

void Attachment::Detach() {
    Skippable([&] {
        if (mdiFrame_ && frameHooked_) UnhookMDIFrame();
    });
    // Deliberately more than removing the hooks: every menu the control converted gets its
    // string items back. A control removed from a form that lives on would otherwise leave
    // owner-drawn items that nobody draws; on a form that is closing, this costs next to nothing.
    Skippable([&] { RestoreConvertedMenus(); });
    Skippable([&] {
        if (mdiClient_) RegisterWindowMenuCore(mdiClient_, true, true);
        mdiClient_ = nullptr;
    });
    // Every listed window leaves the list, also one that no longer exists or was unhooked
    // behind the control's back.
    while (!registered_.empty()) {
        HWND window = registered_.front();
        Skippable([&] { RegisterWindowMenuCore(window, true, true); });
        if (!registered_.empty() && registered_.front() == window) {
            SubclassWnd::UnsubclassWindow(window);
            registered_.erase(registered_.begin());
        }
    }
    Skippable([&] {
        if (host_) {
            UnhookMenuMessages(host_);
            SubclassWnd::UnsubclassWindow(host_);
        }
    });
}

}  // namespace brocade
