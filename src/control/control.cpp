#include "control/control.h"

#include "control/dispids.h"
#include "control/version.h"
#include "help/control_tooltip.h"
#include "help/language.h"
#include "common/os_version.h"
#include "common/color_utils.h"

namespace brocade {

namespace {

DISPID ColorDispid(ColorIndex index) { return kDispMenuBackground + index; }

}  // namespace

Control::Control(ControlSite &site) : site_(site) {
    LoadDefaultColors();
    ResetColorsToDefaults();
    settings_.language = -1;  // so the detected language counts as a change and loads its texts
    SetLanguage(DetectLanguage());
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
    SetTooltipAutopopDelay(-1);
    SetTooltipInitialDelay(-1);
    SetTooltipReshowDelay(-1);
    SetEnabled(initial.enabled);
    // Enabled is already True, so its set operation changes nothing: the refresh that builds
    // the popup brush and the border pen comes here.
    InvalidateLook();
    Refresh(attachment_.Host());
}

void Control::Load(PropertyReader &in) {
    loaded_ = true;
    Attach();

    const Settings stored = Settings::Read(in, site_.AmbientRightToLeft());
    SetAutoShowHelp(stored.autoShowHelp);
    // The style comes first so the derived defaults follow it before any colour is read.
    SetHighlightStyle(stored.highlightStyle);
    SetMenuBorder(stored.menuBorder);
    settings_.checkMark = stored.checkMark;
    settings_.useCustomColors = stored.useCustomColors;
    for (int i = 0; i < kColorCount; ++i) settings_.customColors[i] = stored.customColors[i];
    SetRightToLeft(stored.rightToLeft);
    SetBackgroundPicture(stored.backgroundPicture.Get());
    SetShowTooltip(stored.showTooltip);
    SetLanguage(stored.language);
    SetTooltipAutopopDelay(stored.tooltipAutopopDelay);
    SetTooltipInitialDelay(stored.tooltipInitialDelay);
    SetTooltipReshowDelay(stored.tooltipReshowDelay);
    SetEnabled(stored.enabled);
    SetHighlightAppearance(stored.highlightAppearance);
    SetUnicode(stored.unicode);
    SetHighlightOverBitmap(stored.highlightOverBitmap);
    SetMenuIconSet(stored.menuIconSet);
    SetTooltipStyle(stored.tooltipStyle);
    SetShowTooltipTitle(stored.showTooltipTitle);

    if (tooltip_) ConfigureTooltip(services_);
    if (settings_.useCustomColors && settings_.customColors[kMenuBarBackground] != 0xFFFFFFFF) MakeMenuBarBrush();
    InvalidateLook();
    Refresh(attachment_.Host());
}

void Control::Save(PropertyWriter &out) { settings_.Write(out); }

// --- Properties -----------------------------------------------------------------------------

void Control::SetAutoShowHelp(bool value) {
    settings_.autoShowHelp = value;
    Notify(kDispAutoShowHelp);
}

void Control::SetCheckMark(IPictureDisp *value) {
    settings_.checkMark = ComPtr<IPictureDisp>(value);
    Notify(kDispCheckMark);
}

void Control::SetHighlightStyle(long value) {
    if (value == settings_.highlightStyle) return;
    settings_.highlightStyle = value;
    LoadDefaultColors();
    if (RunMode()) RebuildPaintObjects(true, true);
    Notify(kDispHighlightStyle);
}

void Control::SetMenuBorder(long value) {
    if (value == settings_.menuBorder) return;
    settings_.menuBorder = value;
    LoadDefaultColors();
    if (RunMode()) RebuildPaintObjects(true, true);
    Notify(kDispMenuBorder);
}

void Control::SetUseCustomColors(bool value) {
    if (value == settings_.useCustomColors) return;
    settings_.useCustomColors = value;
    if (tooltip_) {
        tooltip_->SetForeColor(OleToRGB(Color(kTooltipTextColor)));
        tooltip_->SetBackColor(OleToRGB(Color(kTooltipBackground)));
    }
    // The brush and pen follow the colours now read, also while LockRefresh holds the refresh.
    if (settings_.lockRefresh && RunMode()) RebuildPaintObjects(true, true);
    Refresh(attachment_.Host());
    Notify(kDispUseCustomColors);
}

void Control::SetColor(ColorIndex index, OLE_COLOR value) {
    if (value == settings_.customColors[index]) return;
    settings_.customColors[index] = value;
    InvalidateLook();
    switch (index) {
    case kMenuBackground:
        RebuildPaintObjects(true, false);
        break;
    case kMenuHighlightBorder:
        RebuildPaintObjects(false, true);
        break;
    case kMenuBarBackground: {
        UniqueBrush previous(menuBarBrush_.Release());
        MakeMenuBarBrush();
        Refresh(attachment_.Host());
        break;  // the previous brush goes only after the menu bar no longer uses it
    }
    case kTextColor:
    case kDisabledTextColor:
        Refresh(attachment_.Host());
        break;
    case kTooltipBackground:
        if (tooltip_ && RunMode()) tooltip_->SetBackColor(OleToRGB(value));
        break;
    case kTooltipTextColor:
        if (tooltip_ && RunMode()) tooltip_->SetForeColor(OleToRGB(value));
        break;
    default:
        break;
    }
    Notify(ColorDispid(index));
}

void Control::MakeMenuBarBrush() {
    OLE_COLOR value = settings_.customColors[kMenuBarBackground];
    ReplaceCached(menuBarBrush_, value == 0x80000004 ? nullptr : CreateSolidBrush(OleToRGB(value)));
}

void Control::SetLanguage(long value) {
    if (value == settings_.language && value != kAuto) return;
    settings_.language = value == kAuto ? DetectLanguage() : value;
    services_.LoadLanguageHelp(settings_.language);
    Notify(kDispLanguage);
}

void Control::SetRightToLeft(bool value) {
    if (value == settings_.rightToLeft) return;
    settings_.rightToLeft = value;
    attachment_.RedrawMenuBar(attachment_.Host());
    for (HWND window : std::vector<HWND>(attachment_.Registered())) attachment_.RedrawMenuBar(window);
    Notify(kDispRightToLeft);
}

void Control::SetShowTooltip(bool value) {
    if (value == settings_.showTooltip) return;
    settings_.showTooltip = value;
    if (tooltip_) tooltip_->SetActivate(value);
    Notify(kDispShowTooltip);
}

void Control::SetTooltipStyle(long value) {
    if (value == settings_.tooltipStyle) return;
    settings_.tooltipStyle = value;
    if (tooltip_) ApplyTooltipStyle(*tooltip_, value);
    Notify(kDispTooltipStyle);
}

void Control::SetShowTooltipTitle(bool value) {
    if (value == settings_.showTooltipTitle) return;
    settings_.showTooltipTitle = value;
    Notify(kDispShowTooltipTitle);
}

bool Control::SetBackgroundPicture(IPictureDisp *value) {
    if (SameObject(settings_.backgroundPicture, value)) return true;
    InvalidateLook();
    backgroundSurface_.Clear();
    settings_.backgroundPicture = ComPtr<IPictureDisp>(value);
    if (value && backgroundSurface_.Prepare(value, OleToRGB(Color(kMenuBackground))) != PictureTypeStatus::kAccepted)
        return false;  // kept, but not drawable and not announced
    Notify(kDispBackgroundPicture);
    return true;
}

void Control::SetTooltipInitialDelay(short value) {
    if (value == settings_.tooltipInitialDelay) return;
    settings_.tooltipInitialDelay = value;
    if (tooltip_) tooltip_->SetInitialDelay(value);
    Notify(kDispTooltipInitialDelay);
}

void Control::SetTooltipReshowDelay(short value) {
    if (value == settings_.tooltipReshowDelay) return;
    settings_.tooltipReshowDelay = value;
    if (tooltip_) tooltip_->SetReshowDelay(value);
    Notify(kDispTooltipReshowDelay);
}

void Control::SetTooltipAutopopDelay(short value) {
    if (value == settings_.tooltipAutopopDelay) return;
    settings_.tooltipAutopopDelay = value;
    if (tooltip_) tooltip_->SetAutopopDelay(value);
    Notify(kDispTooltipAutopopDelay);
}

void Control::SetEnabled(bool value) {
    if (value == settings_.enabled) return;
    settings_.enabled = value;
    std::vector<HWND> lastFirst(attachment_.Registered().rbegin(), attachment_.Registered().rend());
    if (settings_.enabled) {
        for (HWND window : lastFirst) attachment_.RedrawMenuBar(window);
    } else {
        attachment_.RestoreMenus(attachment_.Host());
        for (HWND window : lastFirst) {
            attachment_.RestoreMenus(window);
            Refresh(window);
        }
    }
    Refresh(attachment_.Host());
    Notify(kDispEnabled);
}

void Control::SetHighlightAppearance(long value) {
    if (value == settings_.highlightAppearance) return;
    settings_.highlightAppearance = value;
    Notify(kDispHighlightAppearance);
}

void Control::SetUnicode(bool value) {
    if (value == settings_.unicode) return;
    settings_.unicode = value;
    Notify(kDispUnicode);
}

void Control::SetHighlightOverBitmap(long value) {
    if (value == settings_.highlightOverBitmap) return;
    settings_.highlightOverBitmap = value;
    Notify(kDispHighlightOverBitmap);
}

void Control::SetMenuIconSet(long value) {
    if (value == settings_.menuIconSet) return;
    settings_.menuIconSet = value;
    services_.LoadBuiltInCheckMark(settings_.menuIconSet);
    Notify(kDispMenuIconSet);
}

void Control::SetLockRefresh(bool value) {
    if (value == settings_.lockRefresh) return;
    settings_.lockRefresh = value;
    if (!settings_.lockRefresh) Refresh(attachment_.Host());
}

void Control::SetMenuCaptionFont(IFontDisp *font) {
    settings_.captionFont = ComPtr<IFontDisp>(font);
    attachment_.RedrawMenuBar(attachment_.MenuWindow());
}

void Control::SetMenuShortcutFont(IFontDisp *font) {
    settings_.shortcutFont = ComPtr<IFontDisp>(font);
    attachment_.RedrawMenuBar(attachment_.MenuWindow());
}

std::wstring Control::Version() const { return kVersionText; }

}  // namespace brocade
