#include "control/control.h"

#include "control/dispids.h"
#include "control/version.h"
#include "help/language.h"
#include "menu/os_version.h"
#include "render/color_utils.h"
#include "render/default_colors.h"

namespace brocade {

namespace {

const wchar_t *const kColorNames[kColorCount] = {
    L"MenuBackground", L"BitmapBackground",     L"MenuBarBackground", L"TextColor",
    L"DisabledTextColor", L"HighlightedTextColor", L"MenuHighlight",  L"MenuHighlightBorder",
    L"TootipBackground", L"TootipTextColor",
};

DISPID ColorDispid(ColorIndex index) { return kDispMenuBackground + index; }

}  // namespace

Control::Control(ControlSite &site) : site_(site) {
    for (int i = 0; i < kColorCount; ++i) customColors_[i] = defaultColors_[i] = 0xFFFFFFFF;
    LoadDefaultColors();
    for (int i = 0; i < kColorCount; ++i) customColors_[i] = defaultColors_[i];
    language_ = DetectLanguage();
}

Control::~Control() { Teardown(); }

void Control::LoadDefaultColors() { ComputeDefaultColors(highlightStyle_, defaultColors_); }

// --- Lifecycle ------------------------------------------------------------------------------

void Control::InitNew() {
    LoadDefaultColors();
    for (int i = 0; i < kColorCount; ++i) customColors_[i] = defaultColors_[i];
    unicode_ = kFalse;
    autoShowHelp_ = kTrue;
    highlightStyle_ = kHorizontalLeftToRight;
    menuBorder_ = kBorderNormal;
    lockRefresh_ = kFalse;
    SetTooltipAutopopDelay(-1);
    SetTooltipInitialDelay(-1);
    SetTooltipReshowDelay(-1);
    Boolean enabled = kTrue;
    SetEnabled(enabled);
}

void Control::Load(PropertyReader &in) {
    LoadDefaultColors();
    for (int i = 0; i < kColorCount; ++i) customColors_[i] = defaultColors_[i];
    unicode_ = kFalse;

    SetAutoShowHelp(in.ReadBoolean(L"AutoShowHelp", kTrue));
    // The style comes first so the derived defaults follow it before any colour is read.
    SetHighlightStyle(in.ReadLong(L"HighlightStyle", kHorizontalLeftToRight));
    SetMenuBorder(in.ReadLong(L"MenuBorder", kBorderNormal));
    checkMark_ = in.ReadPicture(L"CheckMark");
    useCustomColors_ = in.ReadBoolean(L"UseCustomColors", kFalse);
    for (int i = 0; i < kColorCount; ++i) {
        OLE_COLOR fallback = defaultColors_[i];
        if (i == kTextColor) fallback = 0x80000007;
        if (i == kTootipBackground) fallback = 0x80000018;
        if (i == kTootipTextColor) fallback = 0x80000017;
        customColors_[i] = static_cast<OLE_COLOR>(in.ReadLong(kColorNames[i], static_cast<long>(fallback)));
    }
    SetRightToLeft(in.ReadBoolean(L"RightToLeft", ToBoolean(site_.AmbientRightToLeft())));
    ComPtr<IPictureDisp> background = in.ReadPicture(L"BackgroundPicture");
    SetBackgroundPicture(background.Get());
    SetShowTooltip(in.ReadBoolean(L"ShowTooltip", kTrue));
    SetLanguage(in.ReadLong(L"Language", kEnglish));
    SetTooltipAutopopDelay(in.ReadInteger(L"TooltipAutopopDelay", -1));
    SetTooltipInitialDelay(in.ReadInteger(L"TooltipInitialDelay", -1));
    SetTooltipReshowDelay(in.ReadInteger(L"TooltipReshowDelay", -1));
    Boolean enabled = in.ReadBoolean(L"Enabled", kTrue);
    SetEnabled(enabled);
    SetHighlightAppearance(in.ReadLong(L"HighlightAppearance", 0));
    SetUnicode(in.ReadBoolean(L"Unicode", kFalse));
    SetHighlightOverBitmap(in.ReadLong(L"HighlightOverBitmap", 0));
    SetMenuIconSet(in.ReadLong(L"MenuIconSet", kIconsDefault));
    SetTootipStyle(in.ReadLong(L"TootipStyle", kBalloon));
    Boolean title = in.ReadBoolean(L"ShowTootipTitle", kFalse);
    SetShowTootipTitle(title);
}

void Control::Save(PropertyWriter &out) {
    out.WriteBoolean(L"AutoShowHelp", autoShowHelp_, kTrue);
    out.WritePicture(L"CheckMark", checkMark_.Get());
    out.WriteLong(L"HighlightStyle", highlightStyle_, kHorizontalLeftToRight);
    out.WriteLong(L"MenuBorder", menuBorder_, kBorderNormal);
    out.WriteBoolean(L"UseCustomColors", useCustomColors_, kFalse);
    for (int i = 0; i < kTootipBackground; ++i)
        out.WriteLong(kColorNames[i], static_cast<long>(customColors_[i]), static_cast<long>(defaultColors_[i]));
    // Written with its own value as the default, so the right-to-left setting always
    // comes from the container's ambient property.
    out.WriteBoolean(L"RightToLeft", rightToLeft_, rightToLeft_);
    out.WriteLong(L"TootipStyle", tootipStyle_, kBalloon);
    out.WriteBoolean(L"ShowTootipTitle", showTootipTitle_, kFalse);
    for (int i = kTootipBackground; i < kColorCount; ++i)
        out.WriteLong(kColorNames[i], static_cast<long>(customColors_[i]), static_cast<long>(defaultColors_[i]));
    out.WriteLongAlways(L"Language", language_);
    out.WriteBoolean(L"ShowTooltip", showTooltip_, kTrue);
    out.WritePicture(L"BackgroundPicture", backgroundPicture_.Get());
    out.WriteInteger(L"TooltipAutopopDelay", tooltipAutopopDelay_, -1);
    out.WriteInteger(L"TooltipInitialDelay", tooltipInitialDelay_, -1);
    out.WriteInteger(L"TooltipReshowDelay", tooltipReshowDelay_, -1);
    out.WriteBoolean(L"Enabled", enabled_, kTrue);
    out.WriteLong(L"HighlightAppearance", highlightAppearance_, 0);
    out.WriteBoolean(L"Unicode", unicode_, kFalse);
    out.WriteLong(L"HighlightOverBitmap", highlightOverBitmap_, 0);
    out.WriteLong(L"MenuIconSet", menuIconSet_, kIconsDefault);
}

void Control::Teardown() {
    if (tornDown_) return;
    tornDown_ = true;
    window_.Destroy();
    backgroundPicture_.Reset();
    checkMark_.Reset();
    imageList_.Reset();
}

// --- Properties -----------------------------------------------------------------------------

void Control::SetAutoShowHelp(Boolean value) {
    autoShowHelp_ = value;
    Notify(kDispAutoShowHelp);
}

void Control::SetCheckMark(IPictureDisp *value) {
    checkMark_ = ComPtr<IPictureDisp>(value);
    Notify(kDispCheckMark);
}

void Control::SetHighlightStyle(long value) {
    if (value == highlightStyle_) return;
    highlightStyle_ = value;
    LoadDefaultColors();
    Notify(kDispHighlightStyle);
}

void Control::SetMenuBorder(long value) {
    if (value == menuBorder_) return;
    menuBorder_ = value;
    LoadDefaultColors();
    Notify(kDispMenuBorder);
}

void Control::SetUseCustomColors(Boolean value) {
    if (value == useCustomColors_) return;
    useCustomColors_ = value;
    Notify(kDispUseCustomColors);
}

OLE_COLOR Control::Color(ColorIndex index) {
    OLE_COLOR value = defaultColors_[index];
    bool customAllowed = !(index == kMenuBarBackground && (IsWinNT3() || IsWinNT4() || IsWin95()));
    if (customAllowed && IsTrue(useCustomColors_) && customColors_[index] != 0xFFFFFFFF)
        value = customColors_[index];
    return RunMode() ? OleToRGB(value) : value;
}

void Control::SetColor(ColorIndex index, OLE_COLOR value) {
    if (value == customColors_[index]) return;
    customColors_[index] = value;
    Notify(ColorDispid(index));
}

void Control::SetLanguage(long value) {
    if (value == language_ && value != kAuto) return;
    language_ = value == kAuto ? DetectLanguage() : value;
    Notify(kDispLanguage);
}

void Control::SetRightToLeft(Boolean value) {
    if (value == rightToLeft_) return;
    rightToLeft_ = value;
    Notify(kDispRightToLeft);
}

void Control::SetShowTooltip(Boolean value) {
    if (value == showTooltip_) return;
    showTooltip_ = value;
    Notify(kDispShowTooltip);
}

void Control::SetTootipStyle(long value) {
    if (value == tootipStyle_) return;
    tootipStyle_ = value;
    Notify(kDispTootipStyle);
}

void Control::SetShowTootipTitle(Boolean value) {
    if (value == showTootipTitle_) return;
    showTootipTitle_ = value;
    Notify(kDispShowTootipTitle);
}

void Control::SetBackgroundPicture(IPictureDisp *value) {
    if (SameObject(backgroundPicture_, value)) return;
    backgroundPicture_ = ComPtr<IPictureDisp>(value);
    Notify(kDispBackgroundPicture);
}

void Control::SetTooltipInitialDelay(short value) {
    if (value == tooltipInitialDelay_) return;
    tooltipInitialDelay_ = value;
    Notify(kDispTooltipInitialDelay);
}

void Control::SetTooltipReshowDelay(short value) {
    if (value == tooltipReshowDelay_) return;
    tooltipReshowDelay_ = value;
    Notify(kDispTooltipReshowDelay);
}

void Control::SetTooltipAutopopDelay(short value) {
    if (value == tooltipAutopopDelay_) return;
    tooltipAutopopDelay_ = value;
    Notify(kDispTooltipAutopopDelay);
}

void Control::SetEnabled(Boolean value) {
    if (value == enabled_) return;
    enabled_ = value;
    Notify(kDispEnabled);
}

void Control::SetHighlightAppearance(long value) {
    if (value == highlightAppearance_) return;
    highlightAppearance_ = value;
    Notify(kDispHighlightAppearance);
}

void Control::SetUnicode(Boolean value) {
    if (value == unicode_) return;
    unicode_ = value;
    Notify(kDispUnicode);
}

void Control::SetHighlightOverBitmap(long value) {
    if (value == highlightOverBitmap_) return;
    highlightOverBitmap_ = value;
    Notify(kDispHighlightOverBitmap);
}

void Control::SetMenuIconSet(long value) {
    if (value == menuIconSet_) return;
    menuIconSet_ = value;
    Notify(kDispMenuIconSet);
}

void Control::SetLockRefresh(Boolean value) {
    if (value == lockRefresh_) return;
    lockRefresh_ = value;
}

std::wstring Control::Version() const { return kVersionText; }

}  // namespace brocade
