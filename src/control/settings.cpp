#include "control/settings.h"

#include "common/color_utils.h"
#include "common/os_version.h"
#include "render/default_colors.h"

namespace brocade {

namespace {

// Entry names of the stored colours, in their fixed order.
const wchar_t *const kColorNames[kColorCount] = {
    L"MenuBackground", L"BitmapBackground",     L"MenuBarBackground", L"TextColor",
    L"DisabledTextColor", L"HighlightedTextColor", L"MenuHighlight",  L"MenuHighlightBorder",
    L"TootipBackground", L"TootipTextColor",
};

// The entries read as they are, with the value of a new control as their default.
const struct {
    const wchar_t *name;
    bool Settings::*field;
} kFlags[] = {{L"AutoShowHelp", &Settings::autoShowHelp}, {L"UseCustomColors", &Settings::useCustomColors},
              {L"ShowTooltip", &Settings::showTooltip},   {L"Enabled", &Settings::enabled},
              {L"Unicode", &Settings::unicode},           {L"ShowTootipTitle", &Settings::showTooltipTitle}};
const struct {
    const wchar_t *name;
    long Settings::*field;
} kValues[] = {{L"HighlightStyle", &Settings::highlightStyle},       {L"MenuBorder", &Settings::menuBorder},
               {L"Language", &Settings::language},                   {L"TootipStyle", &Settings::tooltipStyle},
               {L"HighlightAppearance", &Settings::highlightAppearance},
               {L"HighlightOverBitmap", &Settings::highlightOverBitmap}, {L"MenuIconSet", &Settings::menuIconSet}};
const struct {
    const wchar_t *name;
    short Settings::*field;
} kDelays[] = {{L"TooltipAutopopDelay", &Settings::tooltipAutopopDelay},
               {L"TooltipInitialDelay", &Settings::tooltipInitialDelay},
               {L"TooltipReshowDelay", &Settings::tooltipReshowDelay}};

}  // namespace

void Settings::LoadDefaultColors() { ComputeDefaultColors(highlightStyle, defaultColors); }

void Settings::ResetColorsToDefaults() {
    for (int i = 0; i < kColorCount; ++i) customColors[i] = defaultColors[i];
}

OLE_COLOR Settings::Color(ColorIndex index, bool runMode) const {
    OLE_COLOR value = defaultColors[index];
    // These systems cannot give a menu bar a background of its own.
    bool customAllowed = !(index == kMenuBarBackground && (IsWinNT3() || IsWinNT4() || IsWin95()));
    if (customAllowed && useCustomColors && customColors[index] != 0xFFFFFFFF) value = customColors[index];
    return runMode ? OleToRGB(value) : value;
}

Settings Settings::Read(PropertyReader &in, bool ambientRightToLeft) {
    const Settings initial;
    Settings s;
    for (const auto &entry : kFlags) s.*entry.field = in.ReadBoolean(entry.name, initial.*entry.field);
    for (const auto &entry : kValues) s.*entry.field = in.ReadLong(entry.name, initial.*entry.field);
    for (const auto &entry : kDelays) s.*entry.field = in.ReadInteger(entry.name, initial.*entry.field);
    s.rightToLeft = in.ReadBoolean(L"RightToLeft", ambientRightToLeft);
    s.checkMark = in.ReadPicture(L"CheckMark");
    s.backgroundPicture = in.ReadPicture(L"BackgroundPicture");
    s.LoadDefaultColors();
    for (int i = 0; i < kColorCount; ++i) {
        OLE_COLOR fallback = s.defaultColors[i];
        if (i == kTextColor) fallback = 0x80000007;
        if (i == kTooltipBackground) fallback = 0x80000018;
        if (i == kTooltipTextColor) fallback = 0x80000017;
        s.customColors[i] = static_cast<OLE_COLOR>(in.ReadLong(kColorNames[i], static_cast<long>(fallback)));
    }
    return s;
}

void Settings::Write(PropertyWriter &out) const {
    const Settings initial;
    out.WriteBoolean(L"AutoShowHelp", autoShowHelp, initial.autoShowHelp);
    out.WritePicture(L"CheckMark", checkMark.Get());
    out.WriteLong(L"HighlightStyle", highlightStyle, initial.highlightStyle);
    out.WriteLong(L"MenuBorder", menuBorder, initial.menuBorder);
    out.WriteBoolean(L"UseCustomColors", useCustomColors, initial.useCustomColors);
    for (int i = 0; i < kTooltipBackground; ++i)
        out.WriteLong(kColorNames[i], static_cast<long>(customColors[i]), static_cast<long>(defaultColors[i]));
    // Written with its own value as the default, so the right-to-left setting always
    // comes from the container's ambient property.
    out.WriteBoolean(L"RightToLeft", rightToLeft, rightToLeft);
    out.WriteLong(L"TootipStyle", tooltipStyle, initial.tooltipStyle);
    out.WriteBoolean(L"ShowTootipTitle", showTooltipTitle, initial.showTooltipTitle);
    for (int i = kTooltipBackground; i < kColorCount; ++i)
        out.WriteLong(kColorNames[i], static_cast<long>(customColors[i]), static_cast<long>(defaultColors[i]));
    out.WriteLongAlways(L"Language", language);
    out.WriteBoolean(L"ShowTooltip", showTooltip, initial.showTooltip);
    out.WritePicture(L"BackgroundPicture", backgroundPicture.Get());
    out.WriteInteger(L"TooltipAutopopDelay", tooltipAutopopDelay, initial.tooltipAutopopDelay);
    out.WriteInteger(L"TooltipInitialDelay", tooltipInitialDelay, initial.tooltipInitialDelay);
    out.WriteInteger(L"TooltipReshowDelay", tooltipReshowDelay, initial.tooltipReshowDelay);
    out.WriteBoolean(L"Enabled", enabled, initial.enabled);
    out.WriteLong(L"HighlightAppearance", highlightAppearance, initial.highlightAppearance);
    out.WriteBoolean(L"Unicode", unicode, initial.unicode);
    out.WriteLong(L"HighlightOverBitmap", highlightOverBitmap, initial.highlightOverBitmap);
    out.WriteLong(L"MenuIconSet", menuIconSet, initial.menuIconSet);
}

void Settings::ReleaseObjects() {
    checkMark.Reset();
    backgroundPicture.Reset();
    imageList.Reset();
    captionFont.Reset();
    shortcutFont.Reset();
}

}  // namespace brocade
