// The automation interface _Brocade: each method checks its arguments and forwards to the core.
#include "com/brocade_automation.h"

#include <windows.h>
#include <oleauto.h>

#include "com/brocade_object.h"
#include "com/text_conversion.h"
#include "com/type_info.h"
#include "common/color_utils.h"
#include "menu/captions.h"

namespace brocade {

// --- IDispatch --------------------------------------------------------------------------------

AutomationBase::AutomationBase(BrocadeObject &object) : Embedded(object) {
    GetBrocadeTypeInfo(IID__Brocade, typeInfo_.Out());
}

Control &AutomationBase::Core() { return object_.Core(); }
PropertySet &AutomationBase::Properties() { return object_.Core().Properties(); }
const Settings &AutomationBase::Values() { return object_.Core().Properties().Values(); }

STDMETHODIMP AutomationBase::GetTypeInfoCount(UINT *count) { return Out(count, typeInfo_ ? 1 : 0); }

STDMETHODIMP AutomationBase::GetTypeInfo(UINT index, LCID, ITypeInfo **result) {
    if (!result) return E_POINTER;
    *result = nullptr;
    if (index != 0) return DISP_E_BADINDEX;
    if (!typeInfo_) return E_UNEXPECTED;
    *result = typeInfo_.AddRefed();
    return S_OK;
}

STDMETHODIMP AutomationBase::GetIDsOfNames(REFIID iid, LPOLESTR *names, UINT count, LCID, DISPID *ids) {
    if (!IsEqualIID(iid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
    if (!typeInfo_) return E_UNEXPECTED;
    return typeInfo_->GetIDsOfNames(names, count, ids);
}

STDMETHODIMP AutomationBase::Invoke(DISPID id, REFIID iid, LCID, WORD flags, DISPPARAMS *params, VARIANT *result,
                                    EXCEPINFO *exception, UINT *argError) {
    if (!IsEqualIID(iid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
    if (!typeInfo_) return E_UNEXPECTED;
    object_.EnsureInitialized();
    SetErrorInfo(0, nullptr);
    return typeInfo_->Invoke(static_cast<_Brocade *>(this), id, flags, params, result, exception, argError);
}

// --- Colours ----------------------------------------------------------------------------------

HRESULT ColorProperties::GetColor(ColorIndex index, OLE_COLOR *value) { return Out(value, Properties().Color(index)); }
HRESULT ColorProperties::PutColor(ColorIndex index, OLE_COLOR value) {
    return Apply([&] { Properties().SetColor(index, value); });
}

STDMETHODIMP ColorProperties::get_UseCustomColors(VARIANT_BOOL *value) { return Out(value, Values().useCustomColors); }
STDMETHODIMP ColorProperties::put_UseCustomColors(VARIANT_BOOL value) {
    return Set(&PropertySet::SetUseCustomColors, value);
}
STDMETHODIMP ColorProperties::get_MenuBackground(OLE_COLOR *value) { return GetColor(kMenuBackground, value); }
STDMETHODIMP ColorProperties::put_MenuBackground(OLE_COLOR value) { return PutColor(kMenuBackground, value); }
STDMETHODIMP ColorProperties::get_BitmapBackground(OLE_COLOR *value) { return GetColor(kBitmapBackground, value); }
STDMETHODIMP ColorProperties::put_BitmapBackground(OLE_COLOR value) { return PutColor(kBitmapBackground, value); }
STDMETHODIMP ColorProperties::get_MenuBarBackground(OLE_COLOR *value) { return GetColor(kMenuBarBackground, value); }
STDMETHODIMP ColorProperties::put_MenuBarBackground(OLE_COLOR value) { return PutColor(kMenuBarBackground, value); }
STDMETHODIMP ColorProperties::get_TextColor(OLE_COLOR *value) { return GetColor(kTextColor, value); }
STDMETHODIMP ColorProperties::put_TextColor(OLE_COLOR value) { return PutColor(kTextColor, value); }
STDMETHODIMP ColorProperties::get_DisabledTextColor(OLE_COLOR *value) { return GetColor(kDisabledTextColor, value); }
STDMETHODIMP ColorProperties::put_DisabledTextColor(OLE_COLOR value) { return PutColor(kDisabledTextColor, value); }
STDMETHODIMP ColorProperties::get_HighlightedTextColor(OLE_COLOR *value) {
    return GetColor(kHighlightedTextColor, value);
}
STDMETHODIMP ColorProperties::put_HighlightedTextColor(OLE_COLOR value) {
    return PutColor(kHighlightedTextColor, value);
}
STDMETHODIMP ColorProperties::get_MenuHighlight(OLE_COLOR *value) { return GetColor(kMenuHighlight, value); }
STDMETHODIMP ColorProperties::put_MenuHighlight(OLE_COLOR value) { return PutColor(kMenuHighlight, value); }
STDMETHODIMP ColorProperties::get_MenuHighlightBorder(OLE_COLOR *value) {
    return GetColor(kMenuHighlightBorder, value);
}
STDMETHODIMP ColorProperties::put_MenuHighlightBorder(OLE_COLOR value) { return PutColor(kMenuHighlightBorder, value); }
STDMETHODIMP ColorProperties::get_TootipBackground(OLE_COLOR *value) { return GetColor(kTooltipBackground, value); }
STDMETHODIMP ColorProperties::put_TootipBackground(OLE_COLOR value) { return PutColor(kTooltipBackground, value); }
STDMETHODIMP ColorProperties::get_TootipTextColor(OLE_COLOR *value) { return GetColor(kTooltipTextColor, value); }
STDMETHODIMP ColorProperties::put_TootipTextColor(OLE_COLOR value) { return PutColor(kTooltipTextColor, value); }

// --- Help and tooltips ------------------------------------------------------------------------

STDMETHODIMP HelpProperties::get_AutoShowHelp(VARIANT_BOOL *value) { return Out(value, Values().autoShowHelp); }
STDMETHODIMP HelpProperties::put_AutoShowHelp(VARIANT_BOOL value) { return Set(&PropertySet::SetAutoShowHelp, value); }
STDMETHODIMP HelpProperties::get_ShowTooltip(VARIANT_BOOL *value) { return Out(value, Values().showTooltip); }
STDMETHODIMP HelpProperties::put_ShowTooltip(VARIANT_BOOL value) { return Set(&PropertySet::SetShowTooltip, value); }
STDMETHODIMP HelpProperties::get_TootipStyle(bdTooltipStyle *value) { return Out(value, Values().tooltipStyle); }
STDMETHODIMP HelpProperties::put_TootipStyle(bdTooltipStyle value) { return Set(&PropertySet::SetTooltipStyle, value); }
STDMETHODIMP HelpProperties::get_ShowTootipTitle(VARIANT_BOOL *value) { return Out(value, Values().showTooltipTitle); }
STDMETHODIMP HelpProperties::put_ShowTootipTitle(VARIANT_BOOL *value) {
    return value ? Apply([&] { Properties().SetShowTooltipTitle(*value != VARIANT_FALSE); }) : E_POINTER;
}
STDMETHODIMP HelpProperties::get_TooltipInitialDelay(short *value) { return Out(value, Values().tooltipInitialDelay); }
STDMETHODIMP HelpProperties::put_TooltipInitialDelay(short value) {
    return Set(&PropertySet::SetTooltipInitialDelay, value);
}
STDMETHODIMP HelpProperties::get_TooltipReshowDelay(short *value) { return Out(value, Values().tooltipReshowDelay); }
STDMETHODIMP HelpProperties::put_TooltipReshowDelay(short value) { return Set(&PropertySet::SetTooltipReshowDelay, value); }
STDMETHODIMP HelpProperties::get_TooltipAutopopDelay(short *value) { return Out(value, Values().tooltipAutopopDelay); }
STDMETHODIMP HelpProperties::put_TooltipAutopopDelay(short value) {
    return Set(&PropertySet::SetTooltipAutopopDelay, value);
}

STDMETHODIMP HelpProperties::AddMessage(BSTR sCaption, BSTR sHelpMessage) {
    return Apply([&] { Core().HelpMessages().AddMessage(AnsiFromWide(sCaption), AnsiFromWide(sHelpMessage)); });
}
STDMETHODIMP HelpProperties::AddCompositeMessage(BSTR sComposite) {
    return Apply([&] { Core().HelpMessages().AddCompositeMessage(AnsiFromWide(sComposite)); });
}
STDMETHODIMP HelpProperties::RemoveMessage(BSTR sCaption) {
    return Apply([&] { Core().HelpMessages().RemoveMessage(AnsiFromWide(sCaption)); });
}

// --- Look -------------------------------------------------------------------------------------

STDMETHODIMP LookProperties::get_CheckMark(IPictureDisp **value) { return OutObject(value, Values().checkMark); }
STDMETHODIMP LookProperties::putref_CheckMark(IPictureDisp *value) {
    return Apply([&] { Properties().SetCheckMark(value); });
}
STDMETHODIMP LookProperties::get_HighlightStyle(bdHighlight *value) { return Out(value, Values().highlightStyle); }
STDMETHODIMP LookProperties::put_HighlightStyle(bdHighlight value) { return Set(&PropertySet::SetHighlightStyle, value); }
STDMETHODIMP LookProperties::get_MenuBorder(bdBorder *value) { return Out(value, Values().menuBorder); }
STDMETHODIMP LookProperties::put_MenuBorder(bdBorder value) { return Set(&PropertySet::SetMenuBorder, value); }
STDMETHODIMP LookProperties::get_Language(bdLanguage *value) { return Out(value, Values().language); }
STDMETHODIMP LookProperties::put_Language(bdLanguage value) { return Set(&PropertySet::SetLanguage, value); }
STDMETHODIMP LookProperties::get_RightToLeft(VARIANT_BOOL *value) { return Out(value, Values().rightToLeft); }
STDMETHODIMP LookProperties::put_RightToLeft(VARIANT_BOOL value) { return Set(&PropertySet::SetRightToLeft, value); }
STDMETHODIMP LookProperties::get_BackgroundPicture(IPictureDisp **value) {
    return OutObject(value, Values().backgroundPicture);
}
STDMETHODIMP LookProperties::putref_BackgroundPicture(IPictureDisp *value) {
    const wchar_t *invalid = L"Invalid picture type";
    return ComGuard([&] { return Properties().SetBackgroundPicture(value) ? S_OK : RaiseError(IID__Brocade, invalid); },
                    IID__Brocade, invalid);
}
STDMETHODIMP LookProperties::get_HighlightAppearance(bdHighlightAppearance *value) {
    return Out(value, Values().highlightAppearance);
}
STDMETHODIMP LookProperties::put_HighlightAppearance(bdHighlightAppearance value) {
    return Set(&PropertySet::SetHighlightAppearance, value);
}
STDMETHODIMP LookProperties::get_Unicode(VARIANT_BOOL *value) { return Out(value, Values().unicode); }
STDMETHODIMP LookProperties::put_Unicode(VARIANT_BOOL value) { return Set(&PropertySet::SetUnicode, value); }
STDMETHODIMP LookProperties::get_HighlightOverBitmap(bdHighlightOverBitmap *value) {
    return Out(value, Values().highlightOverBitmap);
}
STDMETHODIMP LookProperties::put_HighlightOverBitmap(bdHighlightOverBitmap value) {
    return Set(&PropertySet::SetHighlightOverBitmap, value);
}
STDMETHODIMP LookProperties::get_MenuIconSet(bdMenuIconSet *value) { return Out(value, Values().menuIconSet); }
STDMETHODIMP LookProperties::put_MenuIconSet(bdMenuIconSet value) { return Set(&PropertySet::SetMenuIconSet, value); }

// The system menu font is made on first demand.
STDMETHODIMP LookProperties::GetMenuCaptionFont(IFontDisp **result) {
    return ComGuard([&] { return OutObject(result, Core().MenuCaptionFont()); });
}
STDMETHODIMP LookProperties::SetMenuCaptionFont(IFontDisp *aFont) {
    return Apply([&] { Properties().SetMenuCaptionFont(aFont); });
}
STDMETHODIMP LookProperties::GetMenuShortcutFont(IFontDisp **result) {
    return ComGuard([&] { return OutObject(result, Core().MenuShortcutFont()); });
}
STDMETHODIMP LookProperties::SetMenuShortcutFont(IFontDisp *aFont) {
    return Apply([&] { Properties().SetMenuShortcutFont(aFont); });
}
STDMETHODIMP LookProperties::SetImageList(IDispatch **anImgListControl) {
    if (!anImgListControl) return E_POINTER;
    Properties().SetImageList(*anImgListControl);
    return S_OK;
}
STDMETHODIMP LookProperties::GetImageList(IDispatch **result) { return OutObject(result, Values().imageList); }

// --- State and the remaining methods ----------------------------------------------------------

STDMETHODIMP BrocadeAutomation::get_Enabled(VARIANT_BOOL *value) { return Out(value, Values().enabled); }
STDMETHODIMP BrocadeAutomation::put_Enabled(VARIANT_BOOL *value) {
    return value ? Apply([&] { Properties().SetEnabled(*value != VARIANT_FALSE); }) : E_POINTER;
}
STDMETHODIMP BrocadeAutomation::get_LockRefresh(VARIANT_BOOL *value) { return Out(value, Values().lockRefresh); }
STDMETHODIMP BrocadeAutomation::put_LockRefresh(VARIANT_BOOL value) { return Set(&PropertySet::SetLockRefresh, value); }

STDMETHODIMP BrocadeAutomation::get_Version(BSTR *value) {
    if (!value) return E_POINTER;
    *value = nullptr;
    return ComGuard([&] {
        *value = SysAllocString(Properties().Version().c_str());
        return *value ? S_OK : E_OUTOFMEMORY;
    });
}

STDMETHODIMP BrocadeAutomation::GetCleanCaption(BSTR sCaption, BSTR *result) {
    if (!result) return E_POINTER;
    *result = nullptr;
    return ComGuard([&] {
        *result = SysAllocString(WideFromAnsi(brocade::GetCleanCaption(AnsiFromWide(sCaption))).c_str());
        return *result ? S_OK : E_OUTOFMEMORY;
    });
}

STDMETHODIMP BrocadeAutomation::ShowAboutBox() {
    HWND owner = object_.ParentWindow() ? object_.ParentWindow() : GetActiveWindow();
    return Apply([&] { Core().ShowAboutBox(owner); });
}

STDMETHODIMP BrocadeAutomation::RegisterWindowMenu(LONG hWindow, VARIANT_BOOL *bStop) {
    // Window handles carry 32 significant bits; a 64-bit handle is their sign extension.
    HWND window = reinterpret_cast<HWND>(static_cast<LONG_PTR>(hWindow));
    return Apply([&] { Core().RegisterWindowMenu(window, bStop && *bStop != VARIANT_FALSE); });
}

HRESULT BrocadeAutomation::DefaultPicture(BSTR caption, long language, long iconSet, IPictureDisp **result) {
    return ComGuard([&] { return OutObject(result, Core().DefaultPicture(AnsiFromWide(caption), language, iconSet)); });
}
STDMETHODIMP BrocadeAutomation::GetDefaultPicture(BSTR sCaption, IPictureDisp **result) {
    return DefaultPicture(sCaption, Values().language, Values().menuIconSet, result);
}
STDMETHODIMP BrocadeAutomation::GetDefaultPictureEx(BSTR sCaption, bdLanguage eLanguage, IPictureDisp **result) {
    return DefaultPicture(sCaption, eLanguage, Values().menuIconSet, result);
}
STDMETHODIMP BrocadeAutomation::GetDefaultPictureEx2(BSTR sCaption, bdLanguage eLanguage, bdMenuIconSet eMenuIconSet,
                                                     IPictureDisp **result) {
    return DefaultPicture(sCaption, eLanguage, eMenuIconSet, result);
}

STDMETHODIMP BrocadeAutomation::GetMeanColor(LONG aColor1, LONG aColor2, LONG *result) {
    return Out(result, brocade::GetMeanColor(aColor1, aColor2));
}

STDMETHODIMP BrocadeAutomation::CaptureScreen(IPictureDisp **result) {
    if (result) *result = nullptr;
    return RaiseError(IID__Brocade, L"Call to undocumented function CaptureScreen");
}

}  // namespace brocade
