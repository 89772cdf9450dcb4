#include "subclass/tooltip_hook.h"

#include <commctrl.h>

#include "subclass/subclass_wnd.h"

namespace brocade {

void AttachTooltipWindow(HWND window, cSubclassListener *listener) {
    SubclassWnd::SubclassWindow(window, listener);
    SubclassWnd::HookMessage(window, TTM_WINDOWFROMPOINT);
}

void DetachTooltipWindow(HWND window) {
    SubclassWnd::UnhookMessage(window, TTM_WINDOWFROMPOINT);
    SubclassWnd::UnsubclassWindow(window);
}

}  // namespace brocade
