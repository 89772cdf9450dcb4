#include "control/menu_bar_hot_track.h"

namespace brocade {

void MenuBarHotTrack::StartHotTrackTimer() {
    pollWindow_ = tracking_.HotWindow();
    if (HWND own = actions_.EnsureOwnWindow()) SetTimer(own, kTimer, kHotTrackInterval, nullptr);
}

void MenuBarHotTrack::StopHotTrackTimer() {
    if (HWND own = window_.Handle()) KillTimer(own, kTimer);
}

}  // namespace brocade
