// The control's life with its host: attachment when the container initialises it, the
// control's own window and timers, and the teardown that lets go of everything.
#include "common/os_version.h"
#include "common/skippable.h"
#include "control/control.h"
#include "help/control_tooltip.h"

namespace brocade {

void Control::Attach() {
    AttachToHost();
    LoadDefaultColors();
    ResetColorsToDefaults();
    settings_.unicode = false;
}

void Control::AttachLate() {
    if (attachment_.Attached() || tornDown_ || !AttachToHost()) return;
    // The tooltip is new: it takes what the properties already say, as it would have had the
    // site come before the properties were loaded or set.
    if (tooltip_) {
        tooltip_->SetActivate(settings_.showTooltip);
        ConfigureTooltip(services_, !loaded_);
    }
    Refresh(attachment_.Host());
}

bool Control::AttachToHost() {
    HWND host = RunMode() ? FindHostWindow(site_.ContainerWindow()) : nullptr;
    if (attachment_.Attach(host)) StartMdiTimer();
    if (host) {
        CreateControlTooltip(tooltip_, attachment_.Host(), this);
        if (GetOSVersionNumber() >= 5.0f) ReadKeyboardCues();
    }
    return host != nullptr;
}

void Control::ReadKeyboardCues() {
    BOOL cues = FALSE;
    SystemParametersInfoA(SPI_GETKEYBOARDCUES, 0, &cues, 0);
    keyboardCuesHidden_ = cues == 0;
}

HWND Control::EnsureOwnWindow() {
    if (!window_.Handle()) {
        RECT none = {0, 0, 0, 0};
        window_.Create(site_.ContainerWindow() ? site_.ContainerWindow() : HWND_MESSAGE, none, false);
    }
    return window_.Handle();
}

void Control::StartMdiTimer() {
    if (HWND own = EnsureOwnWindow()) SetTimer(own, kMdiTimer, 5, nullptr);
}

void Control::Teardown() {
    if (tornDown_) return;
    tornDown_ = true;
    // Nobody is told: the host may be letting go of the control, or be half gone itself.
    backgroundSurface_.Clear();
    settings_.backgroundPicture.Reset();
    InvalidateLook();
    Skippable([&] { ReleaseControlTooltip(tooltip_); });
    attachment_.Detach();
    settings_.ReleaseObjects();
    // The kept DCs first: one may still hold the pen.
    loop_.reset();
    idlePass_.End();
    paintCaches_.Clear();
    looks_.Clear();
    menuAnimation_.Resume();
    window_.Destroy();
    scanner_.Items().Clear();
    scanner_.ReleaseMeasuring();
    services_.Release();
}

}  // namespace brocade
