// The set operations of the control's properties: each stores the value in the settings and
// makes the change visible (a refresh, a menu bar redraw, the tooltip) before it notifies the
// container.
#pragma once
#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include <memory>
#include <string>

#include "common/enums.h"
#include "control/settings.h"

namespace brocade {

class Attachment;
class BackgroundSurface;
class CTooltip;
class Looks;
class MenuServices;

// What a changed property asks of the control that holds it.
class PropertyEffects {
public:
    // Run mode follows the container's ambient UserMode.
    virtual bool RunMode() = 0;
    // Tells the container, and the next item painted gets a new Look.
    virtual void Notify(DISPID dispid) = 0;
    // The next item painted gets a new Look.
    virtual void InvalidateLook() = 0;
    // The colours of the highlight style and menu border as the custom colours' defaults.
    virtual void LoadDefaultColors() = 0;
    // The popup background brush and the highlight border pen, from the colours read now.
    virtual void RebuildPaintObjects(bool brush, bool pen) = 0;
    // The brush of MenuBarBackground.
    virtual void MakeMenuBarBrush() = 0;
    // New brush and pen, and the menu bar of window drawn again.
    virtual void Refresh(HWND window) = 0;

protected:
    ~PropertyEffects() = default;
};

class PropertySet {
public:
    PropertySet(Settings &settings, Attachment &attachment, BackgroundSurface &background, Looks &looks,
                const std::unique_ptr<CTooltip> &tooltip, MenuServices &services, PropertyEffects &effects);
    PropertySet(const PropertySet &) = delete;
    PropertySet &operator=(const PropertySet &) = delete;

    // The values as stored.
    const Settings &Values() const;
    // A colour as the property reads it.
    OLE_COLOR Color(ColorIndex index) const;

    void SetAutoShowHelp(bool value);
    void SetCheckMark(IPictureDisp *value);
    void SetHighlightStyle(long value);
    void SetMenuBorder(long value);
    void SetUseCustomColors(bool value);
    void SetColor(ColorIndex index, OLE_COLOR value);
    void SetLanguage(long value);
    void SetRightToLeft(bool value);
    void SetShowTooltip(bool value);
    void SetTooltipStyle(long value);
    void SetShowTooltipTitle(bool value);
    // False when the picture is of a type that cannot be tiled ("Invalid picture type"); the
    // picture is kept but nothing is drawn from it.
    bool SetBackgroundPicture(IPictureDisp *value);
    void SetTooltipInitialDelay(short value);
    void SetTooltipReshowDelay(short value);
    void SetTooltipAutopopDelay(short value);
    void SetEnabled(bool value);
    void SetHighlightAppearance(long value);
    void SetUnicode(bool value);
    void SetHighlightOverBitmap(long value);
    void SetMenuIconSet(long value);
    void SetLockRefresh(bool value);
    // Fonts and the image list are not persisted.
    void SetMenuCaptionFont(IFontDisp *font);
    void SetMenuShortcutFont(IFontDisp *font);
    void SetImageList(IDispatch *value);
    std::wstring Version() const;

private:
    Settings &settings_;
    Attachment &attachment_;
    BackgroundSurface &background_;
    Looks &looks_;
    const std::unique_ptr<CTooltip> &tooltip_;
    MenuServices &services_;
    PropertyEffects &effects_;

    void Notify(DISPID dispid);
};

}  // namespace brocade
