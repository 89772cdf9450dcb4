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
    if (!suspended_) {
        suspended_ = true;
        if (shared.holders++ == 0 && !SystemParametersInfoA(SPI_GETMENUANIMATION, 0, &shared.before, 0))
            shared.before = FALSE;
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
    SystemParametersInfoA(SPI_SETMENUANIMATION, 0, AsParam(shared.before), 0);
}

}  // namespace brocade
