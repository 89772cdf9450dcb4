// The control's events, as the parts that raise them see them. Each is raised synchronously;
// whatever a handler leaves in an argument passed by reference is what the control goes on with.
#pragma once
#include <windows.h>

#include <string>

#include "common/enums.h"

namespace brocade {

class MenuItemRecord;

class MenuEvents {
public:
    // The host may change the record before it is measured.
    virtual void FireSetMenuItemAttributes(MenuItemRecord &record) = 0;
    // Whatever the handler leaves in width and height is the item's size.
    virtual void FireSetMenuItemSize(MenuItemRecord &record, long &width, long &height) = 0;
    // The host may paint the item into menuDC itself and say so in userDrawn.
    virtual void FireDrawMenuItem(MenuItemRecord &record, HDC menuDC, bool selected, long cx, long cy,
                                  bool &userDrawn) = 0;
    // Raised at the stages of the default painting; a false doDefault stops it there.
    virtual void FireDrawMenuItemEx(MenuItemRecord &record, HDC menuDC, bool selected, long cx, long cy,
                                    DrawStage stage, bool &doDefault) = 0;
    // The text the handler leaves is the one shown.
    virtual void FireShowMenuHelp(MenuItemRecord &record, std::string &helpMessage) = 0;
    virtual void FireClearMenuHelp() = 0;
    // False when no handler can receive them: nobody but the control then sees an item's DC.
    virtual bool HasEventHandlers() { return true; }

protected:
    ~MenuEvents() = default;
};

}  // namespace brocade
