#include "control/control.h"

#include <variant>

#include "control/dispids.h"
#include "control/version.h"
#include "help/control_tooltip.h"
#include "help/language.h"
#include "common/os_version.h"
#include "common/color_utils.h"

namespace brocade {

namespace {

// A stored value handed to its set operation, as a load applies them one after the other.
template <class T>
struct Apply {
    T Settings::*field;
    void (PropertySet::*set)(T);
};
using LoadStep = std::variant<Apply<bool>, Apply<long>, Apply<short>>;

const LoadStep kStyleSteps[] = {Apply<bool>{&Settings::autoShowHelp, &PropertySet::SetAutoShowHelp},
                                Apply<long>{&Settings::highlightStyle, &PropertySet::SetHighlightStyle},
                                Apply<long>{&Settings::menuBorder, &PropertySet::SetMenuBorder}};
const LoadStep kLaterSteps[] = {
    Apply<bool>{&Settings::showTooltip, &PropertySet::SetShowTooltip}, Apply<long>{&Settings::language, &PropertySet::SetLanguage},
    Apply<short>{&Settings::tooltipAutopopDelay, &PropertySet::SetTooltipAutopopDelay},
    Apply<short>{&Settings::tooltipInitialDelay, &PropertySet::SetTooltipInitialDelay},
    Apply<short>{&Settings::tooltipReshowDelay, &PropertySet::SetTooltipReshowDelay},
    Apply<bool>{&Settings::enabled, &PropertySet::SetEnabled},
    Apply<long>{&Settings::highlightAppearance, &PropertySet::SetHighlightAppearance},
    Apply<bool>{&Settings::unicode, &PropertySet::SetUnicode},
    Apply<long>{&Settings::highlightOverBitmap, &PropertySet::SetHighlightOverBitmap},
    Apply<long>{&Settings::menuIconSet, &PropertySet::SetMenuIconSet}, Apply<long>{&Settings::tooltipStyle, &PropertySet::SetTooltipStyle},
    Apply<bool>{&Settings::showTooltipTitle, &PropertySet::SetShowTooltipTitle}};

template <size_t Count>
void ApplyStored(const LoadStep (&steps)[Count], const Settings &stored, PropertySet &properties) {
    for (const LoadStep &step : steps)
        std::visit([&](const auto &apply) { (properties.*apply.set)(stored.*apply.field); }, step);
}

}  // namespace

Control::Control(ControlSite &site) : site_(site) {
    LoadDefaultColors();
    ResetColorsToDefaults();
    settings_.language = -1;  // so the detected language counts as a change and loads its texts
    properties_.SetLanguage(DetectLanguage());
    services_.LoadLanguageHelp(kEnglish);
    services_.LoadBuiltInCheckMark(settings_.menuIconSet);
}

Control::~Control() { Teardown(); }

void Control::LoadDefaultColors() {
    settings_.LoadDefaultColors();
    InvalidateLook();
}

void Control::ResetColorsToDefaults() {
    settings_.ResetColorsToDefaults();
    InvalidateLook();
}

// --- Lifecycle ------------------------------------------------------------------------------

void Control::InitNew() {
    Attach();
    const Settings initial;
    settings_.autoShowHelp = initial.autoShowHelp;
    settings_.highlightStyle = initial.highlightStyle;
    settings_.menuBorder = initial.menuBorder;
    settings_.lockRefresh = initial.lockRefresh;
    properties_.SetTooltipAutopopDelay(-1);
    properties_.SetTooltipInitialDelay(-1);
    properties_.SetTooltipReshowDelay(-1);
    properties_.SetEnabled(initial.enabled);
    // Enabled is already True, so its set operation changes nothing: the refresh that builds
    // the popup brush and the border pen comes here.
    InvalidateLook();
    Refresh(attachment_.Host());
}

void Control::Load(PropertyReader &in) {
    loaded_ = true;
    Attach();

    const Settings stored = Settings::Read(in, site_.AmbientRightToLeft());
    // The style comes first so the derived defaults follow it before any colour is read.
    ApplyStored(kStyleSteps, stored, properties_);
    settings_.checkMark = stored.checkMark;
    settings_.useCustomColors = stored.useCustomColors;
    for (int i = 0; i < kColorCount; ++i) settings_.customColors[i] = stored.customColors[i];
    properties_.SetRightToLeft(stored.rightToLeft);
    properties_.SetBackgroundPicture(stored.backgroundPicture.Get());
    ApplyStored(kLaterSteps, stored, properties_);

    if (tooltip_) ConfigureTooltip(services_);
    if (settings_.useCustomColors && settings_.customColors[kMenuBarBackground] != 0xFFFFFFFF) MakeMenuBarBrush();
    InvalidateLook();
    Refresh(attachment_.Host());
}

void Control::Save(PropertyWriter &out) { settings_.Write(out); }

}  // namespace brocade
