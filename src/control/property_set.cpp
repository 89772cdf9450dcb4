#include "control/property_set.h"

#include "common/color_utils.h"
#include "control/attachment.h"
#include "control/looks.h"
#include "control/menu_services.h"
#include "control/dispids.h"
#include "control/version.h"
#include "help/control_tooltip.h"

namespace brocade {

namespace {

DISPID ColorDispid(ColorIndex index) { return kDispMenuBackground + index; }

}  // namespace

PropertySet::PropertySet(Settings &settings, Attachment &attachment, BackgroundSurface &background, Looks &looks,
                         const std::unique_ptr<CTooltip> &tooltip, MenuServices &services, PropertyEffects &effects)
    : settings_(settings), attachment_(attachment), background_(background), looks_(looks), tooltip_(tooltip),
      services_(services), effects_(effects) {}

const Settings &PropertySet::Values() const { return settings_; }

OLE_COLOR PropertySet::Color(ColorIndex index) const { return settings_.Color(index, effects_.RunMode()); }

void PropertySet::Notify(DISPID dispid) { effects_.Notify(dispid); }

// --- Set operations -----------------------------------------------------------------------------

void PropertySet::SetAutoShowHelp(bool value) {
    settings_.autoShowHelp = value;
    Notify(kDispAutoShowHelp);
}

void PropertySet::SetCheckMark(IPictureDisp *value) {
    settings_.checkMark = ComPtr<IPictureDisp>(value);
    Notify(kDispCheckMark);
}

void PropertySet::SetHighlightStyle(long value) {
    if (value == settings_.highlightStyle) return;
    settings_.highlightStyle = value;
    effects_.LoadDefaultColors();
    if (effects_.RunMode()) effects_.RebuildPaintObjects(true, true);
    Notify(kDispHighlightStyle);
}

void PropertySet::SetMenuBorder(long value) {
    if (value == settings_.menuBorder) return;
    settings_.menuBorder = value;
    effects_.LoadDefaultColors();
    if (effects_.RunMode()) effects_.RebuildPaintObjects(true, true);
    Notify(kDispMenuBorder);
}

void PropertySet::SetUseCustomColors(bool value) {
    if (value == settings_.useCustomColors) return;
    settings_.useCustomColors = value;
    if (tooltip_) {
        tooltip_->SetForeColor(OleToRGB(Color(kTooltipTextColor)));
        tooltip_->SetBackColor(OleToRGB(Color(kTooltipBackground)));
    }
    // The brush and pen follow the colours now read, also while LockRefresh holds the refresh.
    if (settings_.lockRefresh && effects_.RunMode()) effects_.RebuildPaintObjects(true, true);
    effects_.Refresh(attachment_.Host());
    Notify(kDispUseCustomColors);
}

void PropertySet::SetColor(ColorIndex index, OLE_COLOR value) {
    if (value == settings_.customColors[index]) return;
    settings_.customColors[index] = value;
    effects_.InvalidateLook();
    switch (index) {
    case kMenuBackground:
        effects_.RebuildPaintObjects(true, false);
        break;
    case kMenuHighlightBorder:
        effects_.RebuildPaintObjects(false, true);
        break;
    case kMenuBarBackground: {
        UniqueBrush previous = looks_.TakeMenuBarBrush();
        effects_.MakeMenuBarBrush();
        effects_.Refresh(attachment_.Host());
        break;  // the previous brush goes only after the menu bar no longer uses it
    }
    case kTextColor:
    case kDisabledTextColor:
        effects_.Refresh(attachment_.Host());
        break;
    case kTooltipBackground:
        if (tooltip_ && effects_.RunMode()) tooltip_->SetBackColor(OleToRGB(value));
        break;
    case kTooltipTextColor:
        if (tooltip_ && effects_.RunMode()) tooltip_->SetForeColor(OleToRGB(value));
        break;
    default:
        break;
    }
    Notify(ColorDispid(index));
}

void PropertySet::SetLanguage(long value) {
    if (value == settings_.language && value != kAuto) return;
    settings_.language = value == kAuto ? DetectLanguage() : value;
    services_.LoadLanguageHelp(settings_.language);
    Notify(kDispLanguage);
}

void PropertySet::SetRightToLeft(bool value) {
    if (value == settings_.rightToLeft) return;
    settings_.rightToLeft = value;
    attachment_.RedrawMenuBar(attachment_.Host());
    for (HWND window : std::vector<HWND>(attachment_.Registered())) attachment_.RedrawMenuBar(window);
    Notify(kDispRightToLeft);
}

void PropertySet::SetShowTooltip(bool value) {
    if (value == settings_.showTooltip) return;
    settings_.showTooltip = value;
    if (tooltip_) tooltip_->SetActivate(value);
    Notify(kDispShowTooltip);
}

void PropertySet::SetTooltipStyle(long value) {
    if (value == settings_.tooltipStyle) return;
    settings_.tooltipStyle = value;
    if (tooltip_) ApplyTooltipStyle(*tooltip_, value);
    Notify(kDispTooltipStyle);
}

void PropertySet::SetShowTooltipTitle(bool value) {
    if (value == settings_.showTooltipTitle) return;
    settings_.showTooltipTitle = value;
    Notify(kDispShowTooltipTitle);
}

bool PropertySet::SetBackgroundPicture(IPictureDisp *value) {
    if (SameObject(settings_.backgroundPicture, value)) return true;
    effects_.InvalidateLook();
    background_.Clear();
    settings_.backgroundPicture = ComPtr<IPictureDisp>(value);
    if (value && background_.Prepare(value, OleToRGB(Color(kMenuBackground))) != PictureTypeStatus::kAccepted)
        return false;  // kept, but not drawable and not announced
    Notify(kDispBackgroundPicture);
    return true;
}

void PropertySet::SetTooltipInitialDelay(short value) {
    if (value == settings_.tooltipInitialDelay) return;
    settings_.tooltipInitialDelay = value;
    if (tooltip_) tooltip_->SetInitialDelay(value);
    Notify(kDispTooltipInitialDelay);
}

void PropertySet::SetTooltipReshowDelay(short value) {
    if (value == settings_.tooltipReshowDelay) return;
    settings_.tooltipReshowDelay = value;
    if (tooltip_) tooltip_->SetReshowDelay(value);
    Notify(kDispTooltipReshowDelay);
}

void PropertySet::SetTooltipAutopopDelay(short value) {
    if (value == settings_.tooltipAutopopDelay) return;
    settings_.tooltipAutopopDelay = value;
    if (tooltip_) tooltip_->SetAutopopDelay(value);
    Notify(kDispTooltipAutopopDelay);
}

void PropertySet::SetEnabled(bool value) {
    if (value == settings_.enabled) return;
    settings_.enabled = value;
    std::vector<HWND> lastFirst(attachment_.Registered().rbegin(), attachment_.Registered().rend());
    if (settings_.enabled) {
        for (HWND window : lastFirst) attachment_.RedrawMenuBar(window);
    } else {
        attachment_.RestoreMenus(attachment_.Host());
        for (HWND window : lastFirst) {
            attachment_.RestoreMenus(window);
            effects_.Refresh(window);
        }
    }
    effects_.Refresh(attachment_.Host());
    Notify(kDispEnabled);
}

void PropertySet::SetHighlightAppearance(long value) {
    if (value == settings_.highlightAppearance) return;
    settings_.highlightAppearance = value;
    Notify(kDispHighlightAppearance);
}

void PropertySet::SetUnicode(bool value) {
    if (value == settings_.unicode) return;
    settings_.unicode = value;
    Notify(kDispUnicode);
}

void PropertySet::SetHighlightOverBitmap(long value) {
    if (value == settings_.highlightOverBitmap) return;
    settings_.highlightOverBitmap = value;
    Notify(kDispHighlightOverBitmap);
}

void PropertySet::SetMenuIconSet(long value) {
    if (value == settings_.menuIconSet) return;
    settings_.menuIconSet = value;
    services_.LoadBuiltInCheckMark(settings_.menuIconSet);
    Notify(kDispMenuIconSet);
}

void PropertySet::SetLockRefresh(bool value) {
    if (value == settings_.lockRefresh) return;
    settings_.lockRefresh = value;
    if (!settings_.lockRefresh) effects_.Refresh(attachment_.Host());
}

void PropertySet::SetMenuCaptionFont(IFontDisp *font) {
    settings_.captionFont = ComPtr<IFontDisp>(font);
    attachment_.RedrawMenuBar(attachment_.MenuWindow());
}

void PropertySet::SetMenuShortcutFont(IFontDisp *font) {
    settings_.shortcutFont = ComPtr<IFontDisp>(font);
    attachment_.RedrawMenuBar(attachment_.MenuWindow());
}

void PropertySet::SetImageList(IDispatch *value) { settings_.imageList = ComPtr<IDispatch>(value); }

std::wstring PropertySet::Version() const { return kVersionText; }

}  // namespace brocade
