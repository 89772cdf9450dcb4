// What the control core needs from whoever hosts it: ambient properties of the container,
// the container's window, and a way to tell the host about changes and events.
// The COM layer implements it over the client site and the connection points; a program
// linking the core may implement it directly.
#pragma once
#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include <string>

#include "common/boolean.h"

namespace brocade {

class MenuItemRecord;

class ControlSite {
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

    // Events of the control.
    virtual void FireSetMenuItemAttributes(MenuItemRecord &record) = 0;
    // The host may change the measured size (both passed by reference).
    virtual void FireSetMenuItemSize(MenuItemRecord &record, long &width, long &height) = 0;
    // The host may replace the help text (passed by reference).
    virtual void FireShowMenuHelp(MenuItemRecord &record, std::string &helpMessage) = 0;
    virtual void FireClearMenuHelp() = 0;
    // The host may paint the item into menuDC itself and say so in userDrawn (by reference).
    virtual void FireDrawMenuItem(MenuItemRecord &record, HDC menuDC, bool selected, long cx, long cy,
                                  Boolean &userDrawn) = 0;
    // Raised at the stages of the default painting (bdDrawStage); a False doDefault (by
    // reference) stops the painting there.
    virtual void FireDrawMenuItemEx(MenuItemRecord &record, HDC menuDC, bool selected, long cx, long cy, long stage,
                                    Boolean &doDefault) = 0;
    // False when no handler can receive the events, so nobody but the control sees menuDC.
    virtual bool HasEventHandlers() { return true; }

protected:
    ~ControlSite() = default;
};

}  // namespace brocade
