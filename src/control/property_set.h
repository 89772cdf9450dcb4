// The set operations of the control's properties: each stores the value in the settings and
// makes the change visible (a refresh, a menu bar redraw, the tooltip) before it notifies the
// container.
#pragma once
#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include <string>

#include "common/enums.h"
#include "control/settings.h"

namespace brocade {

class Control;

class PropertySet {
public:
    explicit PropertySet(Control &control) : control_(control) {}
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
    Control &control_;

    void Notify(DISPID dispid);
};

}  // namespace brocade
