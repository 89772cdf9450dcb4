// The windows the control handles: the host form, the windows the host registers, the MDI
// frame of an MDI child form and the client of an MDI form. They are hooked through the
// subclass registry with the menu message set, and all of them let go at teardown.
#pragma once
#include <windows.h>

#include <vector>

#include "control/settings.h"
#include "menu/menu_scan.h"
#include "subclass/subclass_listener.h"

namespace brocade {

class Attachment {
public:
    Attachment(cSubclassListener &listener, MenuScanner &scanner, const Settings &settings)
        : listener_(listener), scanner_(scanner), settings_(settings) {}
    Attachment(const Attachment &) = delete;
    Attachment &operator=(const Attachment &) = delete;

    // Hooks the host form found from the container's window, once. True when this call hooked
    // it; the MDI frame or client and the status bar are found with it.
    bool Attach(HWND containerWindow);
    bool Attached() const { return attached_; }
    // Lets go of every window, first giving each menu the control converted its strings back.
    void Detach();

    HWND Host() const { return host_; }
    HWND MdiFrame() const { return mdiFrame_; }
    HWND MdiClient() const { return mdiClient_; }
    bool FrameHooked() const { return frameHooked_; }
    HWND StatusBar() const { return statusBar_; }
    // The windows registered by the host, in registration order.
    const std::vector<HWND> &Registered() const { return registered_; }
    // The window whose menu bar a redraw of the host shows: the MDI frame while it is hooked.
    HWND RedrawTarget(HWND window) const { return frameHooked_ ? mdiFrame_ : window; }
    // The window whose menu bar the host form's menu shows in.
    HWND MenuWindow() const { return mdiFrame_ ? mdiFrame_ : host_; }

    // RegisterWindowMenu: hooks a window (or with stop, lets it go) and redraws its menu bar.
    void RegisterWindowMenu(HWND window, bool stop);
    // False when nothing changed that needs a redraw.
    bool RegisterWindowMenuCore(HWND window, bool stop, bool noRedraw);
    // WM_DESTROY of a hooked window.
    void OnDestroy(HWND window);
    // The MDI frame follows the activation of the child form.
    void HookMDIFrame();
    void UnhookMDIFrame();

    // Scans the window's menu bar (while enabled) and draws it (unless refreshing is locked).
    void RedrawMenuBar(HWND window);
    // Gives a window's system menu and menu bar their system look back.
    void RestoreMenus(HWND window);

private:
    cSubclassListener &listener_;
    MenuScanner &scanner_;
    const Settings &settings_;
    HWND host_ = nullptr;
    bool attached_ = false;
    HWND mdiFrame_ = nullptr;
    bool frameHooked_ = false;
    HWND mdiClient_ = nullptr;
    std::vector<HWND> registered_;
    HWND statusBar_ = nullptr;

    bool IsRegistered(HWND window) const;
    void ForgetRegistered(HWND window);
    void RestoreConvertedMenus();
};

// The host form: the container's window, or the first window up its parent chain that is a
// form of its own (top level, or an MDI child).
HWND FindHostWindow(HWND containerWindow);

}  // namespace brocade
