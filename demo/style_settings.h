// The part of the control's configuration the demo switches at run time, its names, and how
// it reaches the control.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "Brocade.h"

namespace brocade::demo {

struct StyleSettings {
    long highlightStyle = 1;  // bdHighlight
    long border = 2;          // bdBorder
    long appearance = 0;      // bdHighlightAppearance
    long iconSet = 0;         // bdMenuIconSet
    bool customColors = false;
    bool backgroundPicture = false;
    bool rightToLeft = false;
    long language = 0;        // bdLanguage, never Auto
};

struct NamedValue {
    long value;
    const wchar_t *name;
};

const std::vector<NamedValue> &HighlightStyleNames();
const std::vector<NamedValue> &BorderNames();
const std::vector<NamedValue> &AppearanceNames();
const std::vector<NamedValue> &IconSetNames();
const std::vector<NamedValue> &LanguageNames();
std::wstring NameOf(const std::vector<NamedValue> &names, long value);

// One line naming every setting, for captions and the status bar.
std::wstring Describe(const StyleSettings &settings);

// Whether the language's menus carry Japanese captions (marked Unicode captions).
bool UsesJapaneseCaptions(const StyleSettings &settings);
// Whether any font of the Japanese character set is installed: without one, Japanese captions
// show boxes.
bool JapaneseFontInstalled();

// Applies a Style menu command to the settings; false when the command is not a style command.
bool ApplyStyleCommand(UINT command, StyleSettings &settings);

// Puts every setting on the control in one go (a single refresh at the end).
void ApplyToControl(_Brocade *control, const StyleSettings &settings);

// Check marks of the Style menu for the settings.
void CheckStyleMenu(HMENU styleMenu, const StyleSettings &settings);

}  // namespace brocade::demo
