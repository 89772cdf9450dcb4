// Attachment to the host form's window, further windows registered by the host, the MDI
// frame of an MDI child form, and the orderly teardown that removes every hook.
#include <algorithm>

#include "common/skippable.h"
#include "control/control.h"
#include "help/control_tooltip.h"
#include "help/status_bar.h"
#include "common/os_version.h"
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

}  // namespace

// The host form: the container's window, or the first window up its parent chain that is a
// form of its own (top level, or an MDI child).
HWND Control::FindHostWindow() {
    HWND window = site_.ContainerWindow();
    while (window && (GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) && !IsMdiChild(window))
        window = GetParent(window);
    return window;
}

void Control::Attach() {
    AttachToHost();
    LoadDefaultColors();
    ResetColorsToDefaults();
    settings_.unicode = false;
}

void Control::AttachLate() {
    if (attached_ || tornDown_ || !AttachToHost()) return;
    // The tooltip is new: it takes what the properties already say, as it would have had the
    // site come before the properties were loaded or set.
    if (tooltip_) {
        tooltip_->SetActivate(settings_.showTooltip);
        ConfigureTooltip(*this, !loaded_);
    }
    Refresh(hostWindow_);
}

bool Control::AttachToHost() {
    HWND host = RunMode() ? FindHostWindow() : nullptr;
    if (host && !attached_) {
        attached_ = true;
        hostWindow_ = host;
        Skippable([&] {
            SubclassWnd::SubclassWindow(host, this);
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
        StartMdiTimer();
    }
    if (host) {
        CreateTooltip();
        if (GetOSVersionNumber() >= 5.0f) ReadKeyboardCues();
    }
    return host != nullptr;
}

void Control::ReadKeyboardCues() {
    BOOL cues = FALSE;
    SystemParametersInfoA(SPI_GETKEYBOARDCUES, 0, &cues, 0);
    keyboardCuesHidden_ = cues == 0;
}

HWND Control::EnsureOwnWindow() {
    if (!window_.Handle()) {
        RECT none = {0, 0, 0, 0};
        window_.Create(site_.ContainerWindow() ? site_.ContainerWindow() : HWND_MESSAGE, none, false);
    }
    return window_.Handle();
}

void Control::StartMdiTimer() {
    if (HWND own = EnsureOwnWindow()) SetTimer(own, kMdiTimer, 5, nullptr);
}

// --- Registered windows ---------------------------------------------------------------------

bool Control::IsRegistered(HWND window) const {
    return std::find(registered_.begin(), registered_.end(), window) != registered_.end();
}

void Control::ForgetRegistered(HWND window) {
    registered_.erase(std::remove(registered_.begin(), registered_.end(), window), registered_.end());
}

void Control::RegisterWindowMenu(HWND window, bool stop) {
    bool redraw = RegisterWindowMenuCore(window, stop, false);
    if (IsWindowVisible(window) && redraw) RedrawMenuBar(window);
}

bool Control::RegisterWindowMenuCore(HWND window, bool stop, bool noRedraw) {
    if (!window || window == hostWindow_ || window == mdiFrame_ || !IsWindow(window)) return false;
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
        SubclassWnd::SubclassWindow(window, this);
        HookMenuMessages(window);
        hooked = true;
    });
    if (hooked && !IsRegistered(window)) registered_.push_back(window);
    return hooked;
}

// --- MDI frame ------------------------------------------------------------------------------

void Control::HookMDIFrame() {
    if (!mdiFrame_) return;
    Skippable([&] {
        SubclassWnd::SubclassWindow(mdiFrame_, this);
        HookMenuMessages(mdiFrame_);
        frameHooked_ = true;
    });
}

void Control::UnhookMDIFrame() {
    if (!frameHooked_) return;
    Skippable([&] { UnhookMenuMessages(mdiFrame_); });
    SubclassWnd::UnsubclassWindow(mdiFrame_);
    // Deliberately more than removing the hook: the frame's items this control converted go
    // back to plain strings. Once the frame is unhooked nobody draws them, and the next active
    // child may have no control at all; if it has one, that control converts them again.
    Skippable([&] { RestoreMenus(mdiFrame_); });
    RemoveRecordsOfWindow(mdiFrame_);
    frameHooked_ = false;
}

// --- Menu bar redraw ------------------------------------------------------------------------

void Control::RedrawMenuBar(HWND window) {
    if (!window || !IsWindow(window)) return;
    if (settings_.enabled) {
        if (HMENU menu = GetMenu(window)) ScanMenuBar(menu);
    }
    if (!settings_.lockRefresh) DrawMenuBar(window);
}

// --- Teardown -------------------------------------------------------------------------------

void Control::RestoreConvertedMenus() {
    for (auto window = registered_.rbegin(); window != registered_.rend(); ++window)
        Skippable([&] { RestoreMenus(*window); });
    Skippable([&] { RestoreMenus(hostWindow_); });
    // Whatever else was converted and still exists: context menus, menus of windows the
    // control no longer knows.
    scanner_.RestoreAllMenus();
}

void Control::Teardown() {
    if (tornDown_) return;
    tornDown_ = true;
    // Nobody is told: the host may be letting go of the control, or be half gone itself.
    backgroundSurface_.Clear();
    settings_.backgroundPicture.Reset();
    InvalidateLook();
    Skippable([&] { ReleaseTooltip(); });
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
        if (hostWindow_) {
            UnhookMenuMessages(hostWindow_);
            SubclassWnd::UnsubclassWindow(hostWindow_);
        }
    });
    settings_.checkMark.Reset();
    builtInCheckMark_.Reset();
    if (defaultPictures_) defaultPictures_->Clear();
    settings_.imageList.Reset();
    settings_.captionFont.Reset();
    settings_.shortcutFont.Reset();
    systemMenuFont_.Reset();
    // The kept DCs first: one may still hold the pen.
    paintCaches_.Clear();
    look_.reset();
    popupBrush_.reset();
    highlightPen_.reset();
    menuBarBrush_.Reset();
    shadowBackdrop_.Release();
    menuAnimation_.Resume();
    window_.Destroy();
    scanner_.Items().Clear();
    scanner_.ReleaseMeasuring();
    defaultPictures_.reset();
    if (resourceLibrary_) FreeLibrary(resourceLibrary_);
    resourceLibrary_ = nullptr;
}

}  // namespace brocade
