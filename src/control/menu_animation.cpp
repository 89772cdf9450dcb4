#include "control/menu_animation.h"

namespace brocade {

namespace {

struct ThreadSuspension {
    int holders = 0;
    BOOL before = FALSE;  // what was in effect when the first holder switched animation off
};

ThreadSuspension &Shared() {
    static thread_local ThreadSuspension shared;
    return shared;
}

void *AsParam(BOOL value) { return reinterpret_cast<void *>(static_cast<UINT_PTR>(value ? TRUE : FALSE)); }

}  // namespace

BOOL MenuAnimationSwitch::Suspend() {
    ThreadSuspension &shared = Shared();
    BOOL current = FALSE;
    bool known = SystemParametersInfoA(SPI_GETMENUANIMATION, 0, &current, 0) != FALSE;
    // The first holder remembers what is in effect; so does a later one that finds animation on
    // again (the user changed it meanwhile).
    if (known && (shared.holders == 0 || current)) shared.before = current;
    if (!suspended_) {
        suspended_ = true;
        ++shared.holders;
    }
    // No SPIF_UPDATEINIFILE: the user's profile keeps the user's own setting.
    return SystemParametersInfoA(SPI_SETMENUANIMATION, 0, AsParam(FALSE), 0);
}

void MenuAnimationSwitch::Resume() {
    if (!suspended_) return;
    suspended_ = false;
    ThreadSuspension &shared = Shared();
    if (--shared.holders > 0) return;
    shared.holders = 0;
    // Animation switched on meanwhile is the user's choice and stays.
    BOOL current = TRUE;
    if (SystemParametersInfoA(SPI_GETMENUANIMATION, 0, &current, 0) && !current)
        SystemParametersInfoA(SPI_SETMENUANIMATION, 0, AsParam(shared.before), 0);
}

}  // namespace brocade
