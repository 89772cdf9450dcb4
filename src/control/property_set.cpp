#include "control/property_set.h"

#include "common/color_utils.h"
#include "control/control.h"
#include "control/dispids.h"
#include "control/version.h"
#include "help/control_tooltip.h"

namespace brocade {

namespace {

DISPID ColorDispid(ColorIndex index) { return kDispMenuBackground + index; }

}  // namespace

const Settings &PropertySet::Values() const { return control_.settings_; }

OLE_COLOR PropertySet::Color(ColorIndex index) const { return control_.settings_.Color(index, control_.RunMode()); }

void PropertySet::Notify(DISPID dispid) { control_.Notify(dispid); }

// --- Set operations -----------------------------------------------------------------------------

void PropertySet::SetAutoShowHelp(bool value) {
    control_.settings_.autoShowHelp = value;
    Notify(kDispAutoShowHelp);
}

void PropertySet::SetCheckMark(IPictureDisp *value) {
    control_.settings_.checkMark = ComPtr<IPictureDisp>(value);
    Notify(kDispCheckMark);
}

void PropertySet::SetHighlightStyle(long value) {
    if (value == control_.settings_.highlightStyle) return;
    control_.settings_.highlightStyle = value;
    control_.LoadDefaultColors();
    if (control_.RunMode()) control_.RebuildPaintObjects(true, true);
    Notify(kDispHighlightStyle);
}

void PropertySet::SetMenuBorder(long value) {
    if (value == control_.settings_.menuBorder) return;
    control_.settings_.menuBorder = value;
    control_.LoadDefaultColors();
    if (control_.RunMode()) control_.RebuildPaintObjects(true, true);
    Notify(kDispMenuBorder);
}

void PropertySet::SetUseCustomColors(bool value) {
    if (value == control_.settings_.useCustomColors) return;
    control_.settings_.useCustomColors = value;
    if (control_.tooltip_) {
        control_.tooltip_->SetForeColor(OleToRGB(Color(kTooltipTextColor)));
        control_.tooltip_->SetBackColor(OleToRGB(Color(kTooltipBackground)));
    }
    // The brush and pen follow the colours now read, also while LockRefresh holds the refresh.
    if (control_.settings_.lockRefresh && control_.RunMode()) control_.RebuildPaintObjects(true, true);
    control_.Refresh(control_.attachment_.Host());
    Notify(kDispUseCustomColors);
}

void PropertySet::SetColor(ColorIndex index, OLE_COLOR value) {
    if (value == control_.settings_.customColors[index]) return;
    control_.settings_.customColors[index] = value;
    control_.InvalidateLook();
    switch (index) {
    case kMenuBackground:
        control_.RebuildPaintObjects(true, false);
        break;
    case kMenuHighlightBorder:
        control_.RebuildPaintObjects(false, true);
        break;
    case kMenuBarBackground: {
        UniqueBrush previous = control_.looks_.TakeMenuBarBrush();
        control_.MakeMenuBarBrush();
        control_.Refresh(control_.attachment_.Host());
        break;  // the previous brush goes only after the menu bar no longer uses it
    }
    case kTextColor:
    case kDisabledTextColor:
        control_.Refresh(control_.attachment_.Host());
        break;
    case kTooltipBackground:
        if (control_.tooltip_ && control_.RunMode()) control_.tooltip_->SetBackColor(OleToRGB(value));
        break;
    case kTooltipTextColor:
        if (control_.tooltip_ && control_.RunMode()) control_.tooltip_->SetForeColor(OleToRGB(value));
        break;
    default:
        break;
    }
    Notify(ColorDispid(index));
}

void PropertySet::SetLanguage(long value) {
    if (value == control_.settings_.language && value != kAuto) return;
    control_.settings_.language = value == kAuto ? DetectLanguage() : value;
    control_.services_.LoadLanguageHelp(control_.settings_.language);
    Notify(kDispLanguage);
}

void PropertySet::SetRightToLeft(bool value) {
    if (value == control_.settings_.rightToLeft) return;
    control_.settings_.rightToLeft = value;
    control_.attachment_.RedrawMenuBar(control_.attachment_.Host());
    for (HWND window : std::vector<HWND>(control_.attachment_.Registered())) control_.attachment_.RedrawMenuBar(window);
    Notify(kDispRightToLeft);
}

void PropertySet::SetShowTooltip(bool value) {
    if (value == control_.settings_.showTooltip) return;
    control_.settings_.showTooltip = value;
    if (control_.tooltip_) control_.tooltip_->SetActivate(value);
    Notify(kDispShowTooltip);
}

void PropertySet::SetTooltipStyle(long value) {
    if (value == control_.settings_.tooltipStyle) return;
    control_.settings_.tooltipStyle = value;
    if (control_.tooltip_) ApplyTooltipStyle(*control_.tooltip_, value);
    Notify(kDispTooltipStyle);
}

void PropertySet::SetShowTooltipTitle(bool value) {
    if (value == control_.settings_.showTooltipTitle) return;
    control_.settings_.showTooltipTitle = value;
    Notify(kDispShowTooltipTitle);
}

bool PropertySet::SetBackgroundPicture(IPictureDisp *value) {
    if (SameObject(control_.settings_.backgroundPicture, value)) return true;
    control_.InvalidateLook();
    control_.backgroundSurface_.Clear();
    control_.settings_.backgroundPicture = ComPtr<IPictureDisp>(value);
    if (value && control_.backgroundSurface_.Prepare(value, OleToRGB(Color(kMenuBackground))) != PictureTypeStatus::kAccepted)
        return false;  // kept, but not drawable and not announced
    Notify(kDispBackgroundPicture);
    return true;
}

void PropertySet::SetTooltipInitialDelay(short value) {
    if (value == control_.settings_.tooltipInitialDelay) return;
    control_.settings_.tooltipInitialDelay = value;
    if (control_.tooltip_) control_.tooltip_->SetInitialDelay(value);
    Notify(kDispTooltipInitialDelay);
}

void PropertySet::SetTooltipReshowDelay(short value) {
    if (value == control_.settings_.tooltipReshowDelay) return;
    control_.settings_.tooltipReshowDelay = value;
    if (control_.tooltip_) control_.tooltip_->SetReshowDelay(value);
    Notify(kDispTooltipReshowDelay);
}

void PropertySet::SetTooltipAutopopDelay(short value) {
    if (value == control_.settings_.tooltipAutopopDelay) return;
    control_.settings_.tooltipAutopopDelay = value;
    if (control_.tooltip_) control_.tooltip_->SetAutopopDelay(value);
    Notify(kDispTooltipAutopopDelay);
}

void PropertySet::SetEnabled(bool value) {
    if (value == control_.settings_.enabled) return;
    control_.settings_.enabled = value;
    std::vector<HWND> lastFirst(control_.attachment_.Registered().rbegin(), control_.attachment_.Registered().rend());
    if (control_.settings_.enabled) {
        for (HWND window : lastFirst) control_.attachment_.RedrawMenuBar(window);
    } else {
        control_.attachment_.RestoreMenus(control_.attachment_.Host());
        for (HWND window : lastFirst) {
            control_.attachment_.RestoreMenus(window);
            control_.Refresh(window);
        }
    }
    control_.Refresh(control_.attachment_.Host());
    Notify(kDispEnabled);
}

void PropertySet::SetHighlightAppearance(long value) {
    if (value == control_.settings_.highlightAppearance) return;
    control_.settings_.highlightAppearance = value;
    Notify(kDispHighlightAppearance);
}

void PropertySet::SetUnicode(bool value) {
    if (value == control_.settings_.unicode) return;
    control_.settings_.unicode = value;
    Notify(kDispUnicode);
}

void PropertySet::SetHighlightOverBitmap(long value) {
    if (value == control_.settings_.highlightOverBitmap) return;
    control_.settings_.highlightOverBitmap = value;
    Notify(kDispHighlightOverBitmap);
}

void PropertySet::SetMenuIconSet(long value) {
    if (value == control_.settings_.menuIconSet) return;
    control_.settings_.menuIconSet = value;
    control_.services_.LoadBuiltInCheckMark(control_.settings_.menuIconSet);
    Notify(kDispMenuIconSet);
}

void PropertySet::SetLockRefresh(bool value) {
    if (value == control_.settings_.lockRefresh) return;
    control_.settings_.lockRefresh = value;
    if (!control_.settings_.lockRefresh) control_.Refresh(control_.attachment_.Host());
}

void PropertySet::SetMenuCaptionFont(IFontDisp *font) {
    control_.settings_.captionFont = ComPtr<IFontDisp>(font);
    control_.attachment_.RedrawMenuBar(control_.attachment_.MenuWindow());
}

void PropertySet::SetMenuShortcutFont(IFontDisp *font) {
    control_.settings_.shortcutFont = ComPtr<IFontDisp>(font);
    control_.attachment_.RedrawMenuBar(control_.attachment_.MenuWindow());
}

void PropertySet::SetImageList(IDispatch *value) { control_.settings_.imageList = ComPtr<IDispatch>(value); }

std::wstring PropertySet::Version() const { return kVersionText; }

}  // namespace brocade
