// The control's one tooltip: made when the control attaches to its host window, configured
// from the properties, released at teardown.
#pragma once
#include <windows.h>

#include <memory>

#include "help/help_host.h"
#include "help/tooltip.h"
#include "subclass/subclass_listener.h"

namespace brocade {

// Releases any tooltip in the slot, then makes a new one owned by the host window, hooked so
// the listener answers its TTM_WINDOWFROMPOINT, with an initial delay of 2500 ms and the
// information icon. The slot stays empty when the window cannot be created.
void CreateControlTooltip(std::unique_ptr<CTooltip> &slot, HWND hostWindow, cSubclassListener *listener);

// Unhooks and destroys the tooltip's window and deletes its font; the slot is left empty.
void ReleaseControlTooltip(std::unique_ptr<CTooltip> &slot);

// Balloon for bdBalloon, a plain rectangle for any other value; at once on the live window.
void ApplyTooltipStyle(CTooltip &tooltip, long tooltipStyle);

// After the properties are loaded: style, colours and the three delays from the host's values.
// With keepUnsetDelays, a delay of -1 leaves the tooltip's own (a new control's tooltip keeps
// the initial delay its attachment gave it).
void ConfigureTooltip(HelpHost &host, bool keepUnsetDelays = false);

}  // namespace brocade
