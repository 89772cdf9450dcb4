// The automation interface _Brocade, implemented by topic in a chain of small classes: each
// adds one group of members, and the last is the member the object embeds. Every method
// checks its arguments and forwards to the core.
#pragma once
#include <windows.h>
#include <oleauto.h>

#include "Brocade.h"
#include "com/automation_error.h"
#include "com/embedded.h"
#include "common/com_ptr.h"
#include "common/enums.h"

namespace brocade {

class BrocadeObject;
class Control;
class PropertySet;
struct Settings;

// IDispatch through the type information, and what the topics share.
class AutomationBase : public Embedded<_Brocade, BrocadeObject> {
public:
    explicit AutomationBase(BrocadeObject &object);

    STDMETHODIMP GetTypeInfoCount(UINT *count) override;
    STDMETHODIMP GetTypeInfo(UINT index, LCID lcid, ITypeInfo **result) override;
    STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR *names, UINT count, LCID lcid, DISPID *ids) override;
    STDMETHODIMP Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS *params, VARIANT *result,
                        EXCEPINFO *exception, UINT *argError) override;

protected:
    ~AutomationBase() = default;
    Control &Core();
    PropertySet &Properties();
    const Settings &Values();

    static HRESULT Out(VARIANT_BOOL *target, bool value) { return Out(target, value ? VARIANT_TRUE : VARIANT_FALSE); }
    template <class T, class U>
    static HRESULT Out(T *target, U value) {
        if (!target) return E_POINTER;
        *target = static_cast<T>(value);
        return S_OK;
    }
    template <class T>
    static HRESULT OutObject(T **target, ComPtr<T> value) {
        if (!target) return E_POINTER;
        *target = value.Detach();
        return S_OK;
    }
    // A property of the core set: S_OK once set, or the failure it threw.
    template <class Arg, class Value>
    HRESULT Set(void (PropertySet::*set)(Arg), Value value) {
        return Apply([&] { (Properties().*set)(value); });
    }
    // A change of the core: S_OK once made, or the failure it threw.
    template <class Change>
    static HRESULT Apply(Change &&change) {
        return ComGuard([&] {
            change();
            return S_OK;
        });
    }

private:
    ComPtr<ITypeInfo> typeInfo_;
};

// The ten colours and whether the custom ones are used.
class ColorProperties : public AutomationBase {
public:
    using AutomationBase::AutomationBase;
    STDMETHODIMP get_UseCustomColors(VARIANT_BOOL *value) override;
    STDMETHODIMP put_UseCustomColors(VARIANT_BOOL value) override;
    STDMETHODIMP get_MenuBackground(OLE_COLOR *value) override;
    STDMETHODIMP put_MenuBackground(OLE_COLOR value) override;
    STDMETHODIMP get_BitmapBackground(OLE_COLOR *value) override;
    STDMETHODIMP put_BitmapBackground(OLE_COLOR value) override;
    STDMETHODIMP get_MenuBarBackground(OLE_COLOR *value) override;
    STDMETHODIMP put_MenuBarBackground(OLE_COLOR value) override;
    STDMETHODIMP get_TextColor(OLE_COLOR *value) override;
    STDMETHODIMP put_TextColor(OLE_COLOR value) override;
    STDMETHODIMP get_DisabledTextColor(OLE_COLOR *value) override;
    STDMETHODIMP put_DisabledTextColor(OLE_COLOR value) override;
    STDMETHODIMP get_HighlightedTextColor(OLE_COLOR *value) override;
    STDMETHODIMP put_HighlightedTextColor(OLE_COLOR value) override;
    STDMETHODIMP get_MenuHighlight(OLE_COLOR *value) override;
    STDMETHODIMP put_MenuHighlight(OLE_COLOR value) override;
    STDMETHODIMP get_MenuHighlightBorder(OLE_COLOR *value) override;
    STDMETHODIMP put_MenuHighlightBorder(OLE_COLOR value) override;
    STDMETHODIMP get_TootipBackground(OLE_COLOR *value) override;
    STDMETHODIMP put_TootipBackground(OLE_COLOR value) override;
    STDMETHODIMP get_TootipTextColor(OLE_COLOR *value) override;
    STDMETHODIMP put_TootipTextColor(OLE_COLOR value) override;

protected:
    ~ColorProperties() = default;

private:
    HRESULT GetColor(ColorIndex index, OLE_COLOR *value);
    HRESULT PutColor(ColorIndex index, OLE_COLOR value);
};

// The tooltip and the status-bar help.
class HelpProperties : public ColorProperties {
public:
    using ColorProperties::ColorProperties;
    STDMETHODIMP get_AutoShowHelp(VARIANT_BOOL *value) override;
    STDMETHODIMP put_AutoShowHelp(VARIANT_BOOL value) override;
    STDMETHODIMP get_ShowTooltip(VARIANT_BOOL *value) override;
    STDMETHODIMP put_ShowTooltip(VARIANT_BOOL value) override;
    STDMETHODIMP get_TootipStyle(bdTooltipStyle *value) override;
    STDMETHODIMP put_TootipStyle(bdTooltipStyle value) override;
    STDMETHODIMP get_ShowTootipTitle(VARIANT_BOOL *value) override;
    STDMETHODIMP put_ShowTootipTitle(VARIANT_BOOL *value) override;
    STDMETHODIMP get_TooltipInitialDelay(short *value) override;
    STDMETHODIMP put_TooltipInitialDelay(short value) override;
    STDMETHODIMP get_TooltipReshowDelay(short *value) override;
    STDMETHODIMP put_TooltipReshowDelay(short value) override;
    STDMETHODIMP get_TooltipAutopopDelay(short *value) override;
    STDMETHODIMP put_TooltipAutopopDelay(short value) override;
    STDMETHODIMP AddMessage(BSTR sCaption, BSTR sHelpMessage) override;
    STDMETHODIMP AddCompositeMessage(BSTR sComposite) override;
    STDMETHODIMP RemoveMessage(BSTR sCaption) override;

protected:
    ~HelpProperties() = default;
};

// How the menus look and read: style, pictures, fonts, language.
class LookProperties : public HelpProperties {
public:
    using HelpProperties::HelpProperties;
    STDMETHODIMP get_CheckMark(IPictureDisp **value) override;
    STDMETHODIMP putref_CheckMark(IPictureDisp *value) override;
    STDMETHODIMP get_HighlightStyle(bdHighlight *value) override;
    STDMETHODIMP put_HighlightStyle(bdHighlight value) override;
    STDMETHODIMP get_MenuBorder(bdBorder *value) override;
    STDMETHODIMP put_MenuBorder(bdBorder value) override;
    STDMETHODIMP get_Language(bdLanguage *value) override;
    STDMETHODIMP put_Language(bdLanguage value) override;
    STDMETHODIMP get_RightToLeft(VARIANT_BOOL *value) override;
    STDMETHODIMP put_RightToLeft(VARIANT_BOOL value) override;
    STDMETHODIMP get_BackgroundPicture(IPictureDisp **value) override;
    STDMETHODIMP putref_BackgroundPicture(IPictureDisp *value) override;
    STDMETHODIMP get_HighlightAppearance(bdHighlightAppearance *value) override;
    STDMETHODIMP put_HighlightAppearance(bdHighlightAppearance value) override;
    STDMETHODIMP get_Unicode(VARIANT_BOOL *value) override;
    STDMETHODIMP put_Unicode(VARIANT_BOOL value) override;
    STDMETHODIMP get_HighlightOverBitmap(bdHighlightOverBitmap *value) override;
    STDMETHODIMP put_HighlightOverBitmap(bdHighlightOverBitmap value) override;
    STDMETHODIMP get_MenuIconSet(bdMenuIconSet *value) override;
    STDMETHODIMP put_MenuIconSet(bdMenuIconSet value) override;
    STDMETHODIMP GetMenuCaptionFont(IFontDisp **result) override;
    STDMETHODIMP SetMenuCaptionFont(IFontDisp *aFont) override;
    STDMETHODIMP GetMenuShortcutFont(IFontDisp **result) override;
    STDMETHODIMP SetMenuShortcutFont(IFontDisp *aFont) override;
    STDMETHODIMP SetImageList(IDispatch **anImgListControl) override;
    STDMETHODIMP GetImageList(IDispatch **result) override;

protected:
    ~LookProperties() = default;
};

// The control's state and its remaining methods: windows, built-in pictures, helpers.
class BrocadeAutomation final : public LookProperties {
public:
    using LookProperties::LookProperties;
    STDMETHODIMP get_Enabled(VARIANT_BOOL *value) override;
    STDMETHODIMP put_Enabled(VARIANT_BOOL *value) override;
    STDMETHODIMP get_LockRefresh(VARIANT_BOOL *value) override;
    STDMETHODIMP put_LockRefresh(VARIANT_BOOL value) override;
    STDMETHODIMP get_Version(BSTR *value) override;
    STDMETHODIMP GetCleanCaption(BSTR sCaption, BSTR *result) override;
    STDMETHODIMP ShowAboutBox() override;
    STDMETHODIMP RegisterWindowMenu(LONG hWindow, VARIANT_BOOL *bStop) override;
    STDMETHODIMP GetDefaultPicture(BSTR sCaption, IPictureDisp **result) override;
    STDMETHODIMP GetDefaultPictureEx(BSTR sCaption, bdLanguage eLanguage, IPictureDisp **result) override;
    STDMETHODIMP GetDefaultPictureEx2(BSTR sCaption, bdLanguage eLanguage, bdMenuIconSet eMenuIconSet,
                                      IPictureDisp **result) override;
    STDMETHODIMP GetMeanColor(LONG aColor1, LONG aColor2, LONG *result) override;
    STDMETHODIMP CaptureScreen(IPictureDisp **result) override;

private:
    HRESULT DefaultPicture(BSTR caption, long language, long iconSet, IPictureDisp **result);
};

}  // namespace brocade
