// Subclassing of the control's own tooltip window, so the listener can answer which window
// lies under a point.
#pragma once
#include <windows.h>

#include "subclass/subclass_listener.h"

namespace brocade {

// Subclasses the window for the listener and hooks TTM_WINDOWFROMPOINT. A window that could
// not be subclassed lets HookMessage's not-found error through.
void AttachTooltipWindow(HWND window, cSubclassListener *listener);
void DetachTooltipWindow(HWND window);

}  // namespace brocade
