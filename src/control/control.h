// The Brocade control core: its property set, persistence and lifecycle, as a plain C++
// class. The COM object in src/com is a thin shell that forwards to it.
#pragma once
#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include <string>

#include "common/boolean.h"
#include "common/com_ptr.h"
#include "control/control_site.h"
#include "control/control_window.h"
#include "control/enums.h"
#include "control/persist.h"

namespace brocade {

class Control {
public:
    explicit Control(ControlSite &site);
    ~Control();
    Control(const Control &) = delete;
    Control &operator=(const Control &) = delete;

    // Lifecycle driven by the container.
    void InitNew();
    void Load(PropertyReader &reader);
    void Save(PropertyWriter &writer);
    void Teardown();
    bool TornDown() const { return tornDown_; }

    // Run mode follows the container's ambient UserMode.
    bool RunMode() { return site_.AmbientUserMode(); }

    // The control's own window, made when the container activates the control in place.
    ControlWindow &Window() { return window_; }

    // --- Properties ---------------------------------------------------------------------
    Boolean AutoShowHelp() const { return autoShowHelp_; }
    void SetAutoShowHelp(Boolean value);
    ComPtr<IPictureDisp> CheckMark() const { return checkMark_; }
    void SetCheckMark(IPictureDisp *value);
    long HighlightStyle() const { return highlightStyle_; }
    void SetHighlightStyle(long value);
    long MenuBorder() const { return menuBorder_; }
    void SetMenuBorder(long value);
    Boolean UseCustomColors() const { return useCustomColors_; }
    void SetUseCustomColors(Boolean value);

    // The ten colours, read through the read rule.
    OLE_COLOR Color(ColorIndex index);
    void SetColor(ColorIndex index, OLE_COLOR value);
    OLE_COLOR CustomColor(ColorIndex index) const { return customColors_[index]; }
    OLE_COLOR DefaultColor(ColorIndex index) const { return defaultColors_[index]; }

    long Language() const { return language_; }
    void SetLanguage(long value);
    Boolean RightToLeft() const { return rightToLeft_; }
    void SetRightToLeft(Boolean value);
    Boolean ShowTooltip() const { return showTooltip_; }
    void SetShowTooltip(Boolean value);
    long TootipStyle() const { return tootipStyle_; }
    void SetTootipStyle(long value);
    Boolean ShowTootipTitle() const { return showTootipTitle_; }
    void SetShowTootipTitle(Boolean value);
    ComPtr<IPictureDisp> BackgroundPicture() const { return backgroundPicture_; }
    void SetBackgroundPicture(IPictureDisp *value);
    short TooltipInitialDelay() const { return tooltipInitialDelay_; }
    void SetTooltipInitialDelay(short value);
    short TooltipReshowDelay() const { return tooltipReshowDelay_; }
    void SetTooltipReshowDelay(short value);
    short TooltipAutopopDelay() const { return tooltipAutopopDelay_; }
    void SetTooltipAutopopDelay(short value);
    Boolean Enabled() const { return enabled_; }
    void SetEnabled(Boolean value);
    long HighlightAppearance() const { return highlightAppearance_; }
    void SetHighlightAppearance(long value);
    Boolean Unicode() const { return unicode_; }
    void SetUnicode(Boolean value);
    long HighlightOverBitmap() const { return highlightOverBitmap_; }
    void SetHighlightOverBitmap(long value);
    long MenuIconSet() const { return menuIconSet_; }
    void SetMenuIconSet(long value);
    Boolean LockRefresh() const { return lockRefresh_; }
    void SetLockRefresh(Boolean value);
    std::wstring Version() const;

    // --- Methods ------------------------------------------------------------------------
    ComPtr<IDispatch> ImageList() const { return imageList_; }
    void SetImageList(IDispatch *value) { imageList_ = ComPtr<IDispatch>(value); }
    void ShowAboutBox(HWND owner);

    // --- Events the core raises ---------------------------------------------------------
    void RaiseClearMenuHelp() { site_.FireClearMenuHelp(); }

private:
    ControlSite &site_;
    ControlWindow window_{*this};
    bool tornDown_ = false;

    Boolean autoShowHelp_ = kTrue;
    ComPtr<IPictureDisp> checkMark_;
    long highlightStyle_ = kHorizontalLeftToRight;
    long menuBorder_ = kBorderNormal;
    Boolean useCustomColors_ = kFalse;
    OLE_COLOR customColors_[kColorCount];
    OLE_COLOR defaultColors_[kColorCount];
    long language_ = kEnglish;
    Boolean rightToLeft_ = kFalse;
    Boolean showTooltip_ = kTrue;
    long tootipStyle_ = kBalloon;
    Boolean showTootipTitle_ = kFalse;
    ComPtr<IPictureDisp> backgroundPicture_;
    short tooltipInitialDelay_ = -1;
    short tooltipReshowDelay_ = -1;
    short tooltipAutopopDelay_ = -1;
    Boolean enabled_ = kTrue;
    long highlightAppearance_ = 0;
    Boolean unicode_ = kFalse;
    long highlightOverBitmap_ = 0;
    long menuIconSet_ = kIconsDefault;
    Boolean lockRefresh_ = kFalse;
    ComPtr<IDispatch> imageList_;

    void Notify(DISPID dispid) { site_.PropertyChanged(dispid); }
    void LoadDefaultColors();
};

}  // namespace brocade
