#include "control/control.h"

#include "control/dispids.h"
#include "control/version.h"
#include "help/control_tooltip.h"
#include "help/language.h"
#include "common/os_version.h"
#include "common/color_utils.h"
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
    LoadDefaultColors();
    ResetColorsToDefaults();
    // The bare name: the system's library search order finds it.
    resourceLibrary_ = LoadLibraryA("BrocadeRes.dll");
    defaultPictures_ = std::make_unique<DefaultPictures>(
        resourceLibrary_, [this](const std::string &caption, bool convert, long language) {
            return DefaultPictureName(caption, convert, language);
        });
    language_ = -1;  // so the detected language counts as a change and loads its texts
    SetLanguage(DetectLanguage());
    LoadLanguageHelp(kEnglish);
    LoadBuiltInCheckMark();
}

Control::~Control() { Teardown(); }

void Control::LoadDefaultColors() {
    ComputeDefaultColors(highlightStyle_, defaultColors_);
    InvalidateLook();
}

void Control::ResetColorsToDefaults() {
    for (int i = 0; i < kColorCount; ++i) customColors_[i] = defaultColors_[i];
    InvalidateLook();
}

// --- Lifecycle ------------------------------------------------------------------------------

void Control::InitNew() {
    Attach();
    autoShowHelp_ = kTrue;
    highlightStyle_ = kHorizontalLeftToRight;
    menuBorder_ = kBorderNormal;
    lockRefresh_ = kFalse;
    SetTooltipAutopopDelay(-1);
    SetTooltipInitialDelay(-1);
    SetTooltipReshowDelay(-1);
    Boolean enabled = kTrue;
    SetEnabled(enabled);
    // Enabled is already True, so its set operation changes nothing: the refresh that builds
    // the popup brush and the border pen comes here.
    InvalidateLook();
    Refresh(hostWindow_);
}

void Control::Load(PropertyReader &in) {
    loaded_ = true;
    Attach();

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

    if (tooltip_) ConfigureTooltip(*this);
    if (IsTrue(useCustomColors_) && customColors_[kMenuBarBackground] != 0xFFFFFFFF) MakeMenuBarBrush();
    InvalidateLook();
    Refresh(hostWindow_);
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
    if (RunMode()) RebuildPaintObjects(true, true);
    Notify(kDispHighlightStyle);
}

void Control::SetMenuBorder(long value) {
    if (value == menuBorder_) return;
    menuBorder_ = value;
    LoadDefaultColors();
    if (RunMode()) RebuildPaintObjects(true, true);
    Notify(kDispMenuBorder);
}

void Control::SetUseCustomColors(Boolean value) {
    if (value == useCustomColors_) return;
    useCustomColors_ = value;
    if (tooltip_) {
        tooltip_->SetForeColor(OleToRGB(Color(kTootipTextColor)));
        tooltip_->SetBackColor(OleToRGB(Color(kTootipBackground)));
    }
    // The brush and pen follow the colours now read, also while LockRefresh holds the refresh.
    if (IsTrue(lockRefresh_) && RunMode()) RebuildPaintObjects(true, true);
    Refresh(hostWindow_);
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
        Refresh(hostWindow_);
        break;  // the previous brush goes only after the menu bar no longer uses it
    }
    case kTextColor:
    case kDisabledTextColor:
        Refresh(hostWindow_);
        break;
    case kTootipBackground:
        if (tooltip_ && RunMode()) tooltip_->SetBackColor(OleToRGB(value));
        break;
    case kTootipTextColor:
        if (tooltip_ && RunMode()) tooltip_->SetForeColor(OleToRGB(value));
        break;
    default:
        break;
    }
    Notify(ColorDispid(index));
}

void Control::MakeMenuBarBrush() {
    OLE_COLOR value = customColors_[kMenuBarBackground];
    ReplaceCached(menuBarBrush_, value == 0x80000004 ? nullptr : CreateSolidBrush(OleToRGB(value)));
}

void Control::SetLanguage(long value) {
    if (value == language_ && value != kAuto) return;
    language_ = value == kAuto ? DetectLanguage() : value;
    LoadLanguageHelp(language_);
    Notify(kDispLanguage);
}

void Control::SetRightToLeft(Boolean value) {
    if (value == rightToLeft_) return;
    rightToLeft_ = value;
    RedrawMenuBar(hostWindow_);
    for (HWND window : std::vector<HWND>(registered_)) RedrawMenuBar(window);
    Notify(kDispRightToLeft);
}

void Control::SetShowTooltip(Boolean value) {
    if (value == showTooltip_) return;
    showTooltip_ = value;
    if (tooltip_) tooltip_->SetActivate(value);
    Notify(kDispShowTooltip);
}

void Control::SetTootipStyle(long value) {
    if (value == tootipStyle_) return;
    tootipStyle_ = value;
    if (tooltip_) ApplyTootipStyle(*tooltip_, value);
    Notify(kDispTootipStyle);
}

void Control::SetShowTootipTitle(Boolean value) {
    if (value == showTootipTitle_) return;
    showTootipTitle_ = value;
    Notify(kDispShowTootipTitle);
}

bool Control::SetBackgroundPicture(IPictureDisp *value) {
    if (SameObject(backgroundPicture_, value)) return true;
    InvalidateLook();
    backgroundSurface_.Clear();
    backgroundPicture_ = ComPtr<IPictureDisp>(value);
    if (value && backgroundSurface_.Prepare(value, OleToRGB(Color(kMenuBackground))) != PictureTypeStatus::kAccepted)
        return false;  // kept, but not drawable and not announced
    Notify(kDispBackgroundPicture);
    return true;
}

void Control::SetTooltipInitialDelay(short value) {
    if (value == tooltipInitialDelay_) return;
    tooltipInitialDelay_ = value;
    if (tooltip_) tooltip_->SetInitialDelay(value);
    Notify(kDispTooltipInitialDelay);
}

void Control::SetTooltipReshowDelay(short value) {
    if (value == tooltipReshowDelay_) return;
    tooltipReshowDelay_ = value;
    if (tooltip_) tooltip_->SetReshowDelay(value);
    Notify(kDispTooltipReshowDelay);
}

void Control::SetTooltipAutopopDelay(short value) {
    if (value == tooltipAutopopDelay_) return;
    tooltipAutopopDelay_ = value;
    if (tooltip_) tooltip_->SetAutopopDelay(value);
    Notify(kDispTooltipAutopopDelay);
}

void Control::SetEnabled(Boolean value) {
    if (value == enabled_) return;
    enabled_ = value;
    std::vector<HWND> lastFirst(registered_.rbegin(), registered_.rend());
    if (IsTrue(enabled_)) {
        for (HWND window : lastFirst) RedrawMenuBar(window);
    } else {
        RestoreMenus(hostWindow_);
        for (HWND window : lastFirst) {
            RestoreMenus(window);
            Refresh(window);
        }
    }
    Refresh(hostWindow_);
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
    LoadBuiltInCheckMark();
    Notify(kDispMenuIconSet);
}

void Control::SetLockRefresh(Boolean value) {
    if (value == lockRefresh_) return;
    lockRefresh_ = value;
    if (!IsTrue(lockRefresh_)) Refresh(hostWindow_);
}

std::wstring Control::Version() const { return kVersionText; }

}  // namespace brocade
