#include "help/control_tooltip.h"

#include "control/enums.h"
#include "help/skippable.h"
#include "subclass/tooltip_hook.h"

namespace brocade {

constexpr short kAttachedInitialDelay = 2500;

void CreateControlTooltip(std::unique_ptr<CTooltip> &slot, HWND hostWindow, cSubclassListener *listener) {
    ReleaseControlTooltip(slot);
    auto tooltip = std::make_unique<CTooltip>();
    if (!tooltip->Init(hostWindow)) return;
    SkipOnFailure([&] { AttachTooltipWindow(tooltip->Hwnd(), listener); });
    tooltip->SetInitialDelay(kAttachedInitialDelay);
    tooltip->SetIcon(CTooltip::kIconInformation);
    slot = std::move(tooltip);
}

void ReleaseControlTooltip(std::unique_ptr<CTooltip> &slot) {
    if (!slot) return;
    if (reinterpret_cast<LONG_PTR>(slot->Hwnd()) > 0) SkipOnFailure([&] { DetachTooltipWindow(slot->Hwnd()); });
    slot.reset();
}

void ApplyTootipStyle(CTooltip &tooltip, long tootipStyle) {
    tooltip.SetBalloonStyle(ToBoolean(tootipStyle == kBalloon));
}

void ConfigureTooltip(HelpHost &host) {
    CTooltip *tooltip = nullptr;
    SkipOnFailure([&] { tooltip = host.HelpTooltip(); });
    if (!tooltip) return;
    SkipOnFailure([&] { ApplyTootipStyle(*tooltip, host.HelpTootipStyle()); });
    SkipOnFailure([&] { tooltip->SetBackColor(host.HelpTooltipBackColor()); });
    SkipOnFailure([&] { tooltip->SetForeColor(host.HelpTooltipTextColor()); });
    SkipOnFailure([&] { tooltip->SetAutopopDelay(host.HelpTooltipAutopopDelay()); });
    SkipOnFailure([&] { tooltip->SetInitialDelay(host.HelpTooltipInitialDelay()); });
    SkipOnFailure([&] { tooltip->SetReshowDelay(host.HelpTooltipReshowDelay()); });
}

}  // namespace brocade
