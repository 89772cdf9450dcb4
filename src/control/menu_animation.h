// The system's menu animation, switched off while the control's menus may open: a sliding or
// fading popup would show its frame and shadow, which the control draws item by item, half
// drawn.
#pragma once
#include <windows.h>

namespace brocade {

// One per control. The controls of a thread share one suspension: the first to switch
// animation off remembers what was in effect, the last to let go puts it back.
//
// Deliberately more careful than switching animation off in the user's profile
// (SPIF_UPDATEINIFILE) at activation and back at deactivation only: the change is made for the
// session alone and undone as soon as a menu loop ends, so a host that crashes or is killed
// cannot leave animation off for good, in every program of the user.
class MenuAnimationSwitch {
public:
    MenuAnimationSwitch() = default;
    MenuAnimationSwitch(const MenuAnimationSwitch &) = delete;
    MenuAnimationSwitch &operator=(const MenuAnimationSwitch &) = delete;
    ~MenuAnimationSwitch() { Resume(); }

    // Switches animation off for the session; the system call's result.
    BOOL Suspend();
    // Lets go of this control's suspension; animation comes back once no control holds one.
    void Resume();

private:
    bool suspended_ = false;
};

}  // namespace brocade
