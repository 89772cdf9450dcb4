// What the control core needs from whoever hosts it: ambient properties of the container,
// the container's window, and a way to tell the host about changes and raise its events.
// The COM layer implements it over the client site and the connection points; a program
// linking the core may implement it directly.
#pragma once
#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include <string>

#include "menu/menu_events.h"

namespace brocade {

class ControlSite : public MenuEvents {
public:
    // Ambient UserMode; run mode when the container does not say.
    virtual bool AmbientUserMode() = 0;
    virtual bool AmbientRightToLeft() = 0;
    // The container's ambient font with a new reference, or null.
    virtual IFontDisp *AmbientFont() = 0;

    // The window the container gives the control (the in-place site's window), or null.
    virtual HWND ContainerWindow() = 0;

    // Hold the control's host object alive around a call from the system (a window
    // message), so a host that lets go of the control inside an event cannot pull it away
    // mid-call.
    virtual void KeepAlive() = 0;
    virtual void LetGo() = 0;

    // Standard property-change notification to the container.
    virtual void PropertyChanged(DISPID dispid) = 0;

protected:
    ~ControlSite() = default;
};

}  // namespace brocade
