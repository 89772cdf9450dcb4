// Where the control calls the menu machinery of the other subsystems: the scan and records,
// item measurement and painting, help and tooltips, hot tracking and the popup shadow.
// Until a subsystem is wired in here, its messages reach the window's own procedure.
#include "control/control.h"

namespace brocade {

bool Control::HasMenuRecords() const { return false; }
void Control::ScanMenuBar(HMENU) {}
void Control::RestoreMenu(HMENU) {}
void Control::OnInitMenuPopup(HWND, HMENU, LPARAM) {}
LRESULT Control::OnDrawItem(HWND, WPARAM, LPARAM, Boolean &) { return 0; }
LRESULT Control::OnMeasureItem(WPARAM, LPARAM, Boolean &) { return 0; }
LRESULT Control::OnMenuChar(WPARAM, LPARAM, Boolean &) { return 0; }
LRESULT Control::OnMenuSelect(HWND, WPARAM, LPARAM) { return 0; }
void Control::HotTrackCheck(HWND window) {
    if (window_.Handle()) KillTimer(window_.Handle(), kHotTrackTimer);
    hotTrackWindow_ = window;
}
void Control::CaptureShadowBackdrop() {}
void Control::ReleaseShadowBackdrop() {}
void Control::PurgeDeadRecords() {}
void Control::RemoveRecordsOfWindow(HWND) {}
void Control::CreateTooltip() {}
HWND Control::TooltipWindow() const { return nullptr; }
void Control::ReleaseTooltip() {}

}  // namespace brocade
