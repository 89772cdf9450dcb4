// The menu messages the control watches on every window whose menus it draws.
#pragma once
#include <windows.h>

#include <array>

namespace brocade {

constexpr UINT kWmUserMenuMessage = WM_USER + 101;

// In the order they are hooked and unhooked.
inline constexpr std::array<UINT, 21> kMenuMessages = {
    WM_INITMENU,      WM_INITMENUPOPUP,  WM_MENUSELECT,    WM_MEASUREITEM,     WM_DRAWITEM,
    WM_MENUCHAR,      WM_NCMOUSEMOVE,    WM_ENTERMENULOOP, WM_EXITMENULOOP,    WM_ACTIVATEAPP,
    WM_ACTIVATE,      WM_SYSCOLORCHANGE, WM_MDISETMENU,    WM_MDIACTIVATE,     WM_DESTROY,
    WM_SETTINGCHANGE, WM_GETMINMAXINFO,  WM_MDIDESTROY,    kWmUserMenuMessage, WM_NOTIFY,
    WM_DPICHANGED,
};

// Hook or unhook the whole set on a window already subclassed by the registry; neither
// subclasses nor unsubclasses by itself. HookMenuMessages lets the registry's not-found
// error through for an unregistered window.
void HookMenuMessages(HWND window);
void UnhookMenuMessages(HWND window);

}  // namespace brocade
