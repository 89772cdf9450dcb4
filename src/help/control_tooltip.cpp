#include "help/control_tooltip.h"

#include "common/enums.h"
#include "common/skippable.h"
#include "subclass/tooltip_hook.h"

namespace brocade {

constexpr short kAttachedInitialDelay = 2500;

void CreateControlTooltip(std::unique_ptr<CTooltip> &slot, HWND hostWindow, cSubclassListener *listener) {
    ReleaseControlTooltip(slot);
    auto tooltip = std::make_unique<CTooltip>();
    if (!tooltip->Init(hostWindow)) return;
    Skippable([&] { AttachTooltipWindow(tooltip->Hwnd(), listener); });
    tooltip->SetInitialDelay(kAttachedInitialDelay);
    tooltip->SetIcon(CTooltip::kIconInformation);
    slot = std::move(tooltip);
}

void ReleaseControlTooltip(std::unique_ptr<CTooltip> &slot) {
    if (!slot) return;
    if (reinterpret_cast<LONG_PTR>(slot->Hwnd()) > 0) Skippable([&] { DetachTooltipWindow(slot->Hwnd()); });
    slot.reset();
}

void ApplyTooltipStyle(CTooltip &tooltip, long tooltipStyle) {
    tooltip.SetBalloonStyle(tooltipStyle == kBalloon);
}

void ConfigureTooltip(HelpHost &host, bool keepUnsetDelays) {
    CTooltip *tooltip = host.HelpTooltip();
    if (!tooltip) return;
    ApplyTooltipStyle(*tooltip, host.HelpTooltipStyle());
    tooltip->SetBackColor(host.HelpTooltipBackColor());
    tooltip->SetForeColor(host.HelpTooltipTextColor());
    auto apply = [&](void (CTooltip::*set)(short), short (HelpHost::*get)()) {
        short delay = (host.*get)();
        if (delay != -1 || !keepUnsetDelays) (tooltip->*set)(delay);
    };
    apply(&CTooltip::SetAutopopDelay, &HelpHost::HelpTooltipAutopopDelay);
    apply(&CTooltip::SetInitialDelay, &HelpHost::HelpTooltipInitialDelay);
    apply(&CTooltip::SetReshowDelay, &HelpHost::HelpTooltipReshowDelay);
}

}  // namespace brocade
