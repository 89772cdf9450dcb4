// The control's persisted properties with their defaults: values only, no windows. The
// control applies a change (redraws, the tooltip, notifications); this only holds it.
#pragma once
#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include "common/com_ptr.h"
#include "common/enums.h"
#include "control/persist.h"

namespace brocade {

struct Settings {
    bool autoShowHelp = true;
    ComPtr<IPictureDisp> checkMark;
    long highlightStyle = kHorizontalLeftToRight;
    long menuBorder = kBorderNormal;
    bool useCustomColors = false;
    // -1 in a custom colour: not set, the default is read.
    OLE_COLOR customColors[kColorCount] = {};
    // What the highlight style and the system colours give; only LoadDefaultColors writes them.
    OLE_COLOR defaultColors[kColorCount] = {};
    long language = kEnglish;  // never Auto
    bool rightToLeft = false;
    bool showTooltip = true;
    long tooltipStyle = kBalloon;
    bool showTooltipTitle = false;
    ComPtr<IPictureDisp> backgroundPicture;
    // Milliseconds; -1 leaves the tooltip window's own default.
    short tooltipInitialDelay = -1;
    short tooltipReshowDelay = -1;
    short tooltipAutopopDelay = -1;
    bool enabled = true;
    long highlightAppearance = 0;
    bool unicode = false;
    long highlightOverBitmap = 0;
    long menuIconSet = kIconsDefault;
    bool lockRefresh = false;  // not persisted
    // Not persisted either.
    ComPtr<IDispatch> imageList;
    ComPtr<IFontDisp> captionFont;
    ComPtr<IFontDisp> shortcutFont;

    // The ten defaults of the highlight style, from the system colours of now.
    void LoadDefaultColors();
    void ResetColorsToDefaults();
    // A colour as the properties read it: the custom value when custom colours are on and it
    // is set, else the default; as RGB in run mode, as stored at design time.
    OLE_COLOR Color(ColorIndex index, bool runMode) const;

    // What a stream or bag holds, with the defaults for what it lacks; the derived default
    // colours are those of the stored highlight style.
    static Settings Read(PropertyReader &in, bool ambientRightToLeft);
    void Write(PropertyWriter &out) const;
    // The objects the control was handed go back.
    void ReleaseObjects();
};

}  // namespace brocade
