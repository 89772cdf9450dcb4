// What the control core needs from whoever hosts it: ambient properties of the container,
// the container's window, and a way to tell the host about changes and events.
// The COM layer implements it over the client site and the connection points; tests may
// implement it directly.
#pragma once
#include <windows.h>
#include <ole2.h>
#include <olectl.h>

namespace brocade {

class ControlSite {
public:
    // Ambient UserMode; run mode when the container does not say.
    virtual bool AmbientUserMode() = 0;
    virtual bool AmbientRightToLeft() = 0;
    // The container's ambient font with a new reference, or null.
    virtual IFontDisp *AmbientFont() = 0;

    // Standard property-change notification to the container.
    virtual void PropertyChanged(DISPID dispid) = 0;

    // Events of the control.
    virtual void FireClearMenuHelp() = 0;

protected:
    ~ControlSite() = default;
};

}  // namespace brocade
