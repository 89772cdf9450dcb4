#include "control/control.h"

#include "control/dispids.h"
#include "control/version.h"
#include "help/control_tooltip.h"
#include "help/language.h"
#include "common/os_version.h"
#include "common/color_utils.h"

namespace brocade {

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
    properties_.SetAutoShowHelp(stored.autoShowHelp);
    // The style comes first so the derived defaults follow it before any colour is read.
    properties_.SetHighlightStyle(stored.highlightStyle);
    properties_.SetMenuBorder(stored.menuBorder);
    settings_.checkMark = stored.checkMark;
    settings_.useCustomColors = stored.useCustomColors;
    for (int i = 0; i < kColorCount; ++i) settings_.customColors[i] = stored.customColors[i];
    properties_.SetRightToLeft(stored.rightToLeft);
    properties_.SetBackgroundPicture(stored.backgroundPicture.Get());
    properties_.SetShowTooltip(stored.showTooltip);
    properties_.SetLanguage(stored.language);
    properties_.SetTooltipAutopopDelay(stored.tooltipAutopopDelay);
    properties_.SetTooltipInitialDelay(stored.tooltipInitialDelay);
    properties_.SetTooltipReshowDelay(stored.tooltipReshowDelay);
    properties_.SetEnabled(stored.enabled);
    properties_.SetHighlightAppearance(stored.highlightAppearance);
    properties_.SetUnicode(stored.unicode);
    properties_.SetHighlightOverBitmap(stored.highlightOverBitmap);
    properties_.SetMenuIconSet(stored.menuIconSet);
    properties_.SetTooltipStyle(stored.tooltipStyle);
    properties_.SetShowTooltipTitle(stored.showTooltipTitle);

    if (tooltip_) ConfigureTooltip(services_);
    if (settings_.useCustomColors && settings_.customColors[kMenuBarBackground] != 0xFFFFFFFF) MakeMenuBarBrush();
    InvalidateLook();
    Refresh(attachment_.Host());
}

void Control::Save(PropertyWriter &out) { settings_.Write(out); }

void Control::MakeMenuBarBrush() {
    OLE_COLOR value = settings_.customColors[kMenuBarBackground];
    ReplaceCached(menuBarBrush_, value == 0x80000004 ? nullptr : CreateSolidBrush(OleToRGB(value)));
}


}  // namespace brocade
