// The automation interface _Brocade: each method checks its arguments and forwards to the core.
#include <windows.h>
#include <oleauto.h>

#include "com/automation_error.h"
#include "com/text_conversion.h"
#include "common/collection_error.h"
#include "com/brocade_object.h"
#include "menu/captions.h"
#include "common/color_utils.h"

#include <string>

namespace brocade {

namespace {

template <class T>
HRESULT Out(T *target, T value) {
    if (!target) return E_POINTER;
    *target = value;
    return S_OK;
}

template <class T>
HRESULT OutObject(T **target, ComPtr<T> value) {
    if (!target) return E_POINTER;
    *target = value.Detach();
    return S_OK;
}

}  // namespace

// --- Properties -----------------------------------------------------------------------------

STDMETHODIMP BrocadeObject::get_AutoShowHelp(VARIANT_BOOL *value) { return Out(value, core_->AutoShowHelp()); }
STDMETHODIMP BrocadeObject::put_AutoShowHelp(VARIANT_BOOL value) {
    core_->SetAutoShowHelp(value);
    return S_OK;
}

STDMETHODIMP BrocadeObject::get_CheckMark(IPictureDisp **value) { return OutObject(value, core_->CheckMark()); }
STDMETHODIMP BrocadeObject::putref_CheckMark(IPictureDisp *value) {
    core_->SetCheckMark(value);
    return S_OK;
}

STDMETHODIMP BrocadeObject::get_HighlightStyle(bdHighlight *value) { return Out(value, static_cast<bdHighlight>(core_->HighlightStyle())); }
STDMETHODIMP BrocadeObject::put_HighlightStyle(bdHighlight value) {
    core_->SetHighlightStyle(value);
    return S_OK;
}

STDMETHODIMP BrocadeObject::get_MenuBorder(bdBorder *value) { return Out(value, static_cast<bdBorder>(core_->MenuBorder())); }
STDMETHODIMP BrocadeObject::put_MenuBorder(bdBorder value) {
    core_->SetMenuBorder(value);
    return S_OK;
}

STDMETHODIMP BrocadeObject::get_UseCustomColors(VARIANT_BOOL *value) { return Out(value, core_->UseCustomColors()); }
STDMETHODIMP BrocadeObject::put_UseCustomColors(VARIANT_BOOL value) {
    core_->SetUseCustomColors(value);
    return S_OK;
}

STDMETHODIMP BrocadeObject::get_MenuBackground(OLE_COLOR *value) { return Out(value, core_->Color(kMenuBackground)); }
STDMETHODIMP BrocadeObject::put_MenuBackground(OLE_COLOR value) {
    core_->SetColor(kMenuBackground, value);
    return S_OK;
}

STDMETHODIMP BrocadeObject::get_BitmapBackground(OLE_COLOR *value) { return Out(value, core_->Color(kBitmapBackground)); }
STDMETHODIMP BrocadeObject::put_BitmapBackground(OLE_COLOR value) {
    core_->SetColor(kBitmapBackground, value);
    return S_OK;
}

STDMETHODIMP BrocadeObject::get_MenuBarBackground(OLE_COLOR *value) { return Out(value, core_->Color(kMenuBarBackground)); }
STDMETHODIMP BrocadeObject::put_MenuBarBackground(OLE_COLOR value) {
    core_->SetColor(kMenuBarBackground, value);
    return S_OK;
}

STDMETHODIMP BrocadeObject::get_TextColor(OLE_COLOR *value) { return Out(value, core_->Color(kTextColor)); }
STDMETHODIMP BrocadeObject::put_TextColor(OLE_COLOR value) {
    core_->SetColor(kTextColor, value);
    return S_OK;
}

STDMETHODIMP BrocadeObject::get_DisabledTextColor(OLE_COLOR *value) { return Out(value, core_->Color(kDisabledTextColor)); }
STDMETHODIMP BrocadeObject::put_DisabledTextColor(OLE_COLOR value) {
    core_->SetColor(kDisabledTextColor, value);
    return S_OK;
}

STDMETHODIMP BrocadeObject::get_HighlightedTextColor(OLE_COLOR *value) { return Out(value, core_->Color(kHighlightedTextColor)); }
STDMETHODIMP BrocadeObject::put_HighlightedTextColor(OLE_COLOR value) {
    core_->SetColor(kHighlightedTextColor, value);
    return S_OK;
}

STDMETHODIMP BrocadeObject::get_MenuHighlight(OLE_COLOR *value) { return Out(value, core_->Color(kMenuHighlight)); }
STDMETHODIMP BrocadeObject::put_MenuHighlight(OLE_COLOR value) {
    core_->SetColor(kMenuHighlight, value);
    return S_OK;
}

STDMETHODIMP BrocadeObject::get_MenuHighlightBorder(OLE_COLOR *value) { return Out(value, core_->Color(kMenuHighlightBorder)); }
STDMETHODIMP BrocadeObject::put_MenuHighlightBorder(OLE_COLOR value) {
    core_->SetColor(kMenuHighlightBorder, value);
    return S_OK;
}

STDMETHODIMP BrocadeObject::get_TootipBackground(OLE_COLOR *value) { return Out(value, core_->Color(kTootipBackground)); }
STDMETHODIMP BrocadeObject::put_TootipBackground(OLE_COLOR value) {
    core_->SetColor(kTootipBackground, value);
    return S_OK;
}

STDMETHODIMP BrocadeObject::get_TootipTextColor(OLE_COLOR *value) { return Out(value, core_->Color(kTootipTextColor)); }
STDMETHODIMP BrocadeObject::put_TootipTextColor(OLE_COLOR value) {
    core_->SetColor(kTootipTextColor, value);
    return S_OK;
}

STDMETHODIMP BrocadeObject::get_Language(bdLanguage *value) { return Out(value, static_cast<bdLanguage>(core_->Language())); }
STDMETHODIMP BrocadeObject::put_Language(bdLanguage value) {
    core_->SetLanguage(value);
    return S_OK;
}

STDMETHODIMP BrocadeObject::get_RightToLeft(VARIANT_BOOL *value) { return Out(value, core_->RightToLeft()); }
STDMETHODIMP BrocadeObject::put_RightToLeft(VARIANT_BOOL value) {
    core_->SetRightToLeft(value);
    return S_OK;
}

STDMETHODIMP BrocadeObject::get_ShowTooltip(VARIANT_BOOL *value) { return Out(value, core_->ShowTooltip()); }
STDMETHODIMP BrocadeObject::put_ShowTooltip(VARIANT_BOOL value) {
    core_->SetShowTooltip(value);
    return S_OK;
}

STDMETHODIMP BrocadeObject::get_TootipStyle(bdTooltipStyle *value) { return Out(value, static_cast<bdTooltipStyle>(core_->TootipStyle())); }
STDMETHODIMP BrocadeObject::put_TootipStyle(bdTooltipStyle value) {
    core_->SetTootipStyle(value);
    return S_OK;
}

STDMETHODIMP BrocadeObject::get_ShowTootipTitle(VARIANT_BOOL *value) { return Out(value, core_->ShowTootipTitle()); }
STDMETHODIMP BrocadeObject::put_ShowTootipTitle(VARIANT_BOOL *value) {
    if (!value) return E_POINTER;
    core_->SetShowTootipTitle(*value);
    return S_OK;
}

STDMETHODIMP BrocadeObject::get_BackgroundPicture(IPictureDisp **value) { return OutObject(value, core_->BackgroundPicture()); }
STDMETHODIMP BrocadeObject::putref_BackgroundPicture(IPictureDisp *value) {
    if (!core_->SetBackgroundPicture(value)) return RaiseError(IID__Brocade, L"Invalid picture type");
    return S_OK;
}

STDMETHODIMP BrocadeObject::get_TooltipInitialDelay(short *value) { return Out(value, core_->TooltipInitialDelay()); }
STDMETHODIMP BrocadeObject::put_TooltipInitialDelay(short value) {
    core_->SetTooltipInitialDelay(value);
    return S_OK;
}

STDMETHODIMP BrocadeObject::get_TooltipReshowDelay(short *value) { return Out(value, core_->TooltipReshowDelay()); }
STDMETHODIMP BrocadeObject::put_TooltipReshowDelay(short value) {
    core_->SetTooltipReshowDelay(value);
    return S_OK;
}

STDMETHODIMP BrocadeObject::get_TooltipAutopopDelay(short *value) { return Out(value, core_->TooltipAutopopDelay()); }
STDMETHODIMP BrocadeObject::put_TooltipAutopopDelay(short value) {
    core_->SetTooltipAutopopDelay(value);
    return S_OK;
}

STDMETHODIMP BrocadeObject::get_Enabled(VARIANT_BOOL *value) { return Out(value, core_->Enabled()); }
STDMETHODIMP BrocadeObject::put_Enabled(VARIANT_BOOL *value) {
    if (!value) return E_POINTER;
    core_->SetEnabled(*value);
    return S_OK;
}

STDMETHODIMP BrocadeObject::get_HighlightAppearance(bdHighlightAppearance *value) { return Out(value, static_cast<bdHighlightAppearance>(core_->HighlightAppearance())); }
STDMETHODIMP BrocadeObject::put_HighlightAppearance(bdHighlightAppearance value) {
    core_->SetHighlightAppearance(value);
    return S_OK;
}

STDMETHODIMP BrocadeObject::get_Unicode(VARIANT_BOOL *value) { return Out(value, core_->Unicode()); }
STDMETHODIMP BrocadeObject::put_Unicode(VARIANT_BOOL value) {
    core_->SetUnicode(value);
    return S_OK;
}

STDMETHODIMP BrocadeObject::get_HighlightOverBitmap(bdHighlightOverBitmap *value) { return Out(value, static_cast<bdHighlightOverBitmap>(core_->HighlightOverBitmap())); }
STDMETHODIMP BrocadeObject::put_HighlightOverBitmap(bdHighlightOverBitmap value) {
    core_->SetHighlightOverBitmap(value);
    return S_OK;
}

STDMETHODIMP BrocadeObject::get_MenuIconSet(bdMenuIconSet *value) { return Out(value, static_cast<bdMenuIconSet>(core_->MenuIconSet())); }
STDMETHODIMP BrocadeObject::put_MenuIconSet(bdMenuIconSet value) {
    core_->SetMenuIconSet(value);
    return S_OK;
}

STDMETHODIMP BrocadeObject::get_LockRefresh(VARIANT_BOOL *value) { return Out(value, core_->LockRefresh()); }
STDMETHODIMP BrocadeObject::put_LockRefresh(VARIANT_BOOL value) {
    core_->SetLockRefresh(value);
    return S_OK;
}

STDMETHODIMP BrocadeObject::get_Version(BSTR *value) {
    if (!value) return E_POINTER;
    *value = SysAllocString(core_->Version().c_str());
    return *value ? S_OK : E_OUTOFMEMORY;
}

// --- Methods --------------------------------------------------------------------------------

STDMETHODIMP BrocadeObject::AddMessage(BSTR sCaption, BSTR sHelpMessage) {
    return ComGuard([&] {
        core_->HelpMessages().AddMessage(AnsiFromWide(sCaption), AnsiFromWide(sHelpMessage));
        return S_OK;
    });
}

STDMETHODIMP BrocadeObject::AddCompositeMessage(BSTR sComposite) {
    return ComGuard([&] {
        core_->HelpMessages().AddCompositeMessage(AnsiFromWide(sComposite));
        return S_OK;
    });
}

STDMETHODIMP BrocadeObject::RemoveMessage(BSTR sCaption) {
    core_->HelpMessages().RemoveMessage(AnsiFromWide(sCaption));
    return S_OK;
}
STDMETHODIMP BrocadeObject::GetCleanCaption(BSTR sCaption, BSTR *result) {
    if (!result) return E_POINTER;
    *result = SysAllocString(WideFromAnsi(brocade::GetCleanCaption(AnsiFromWide(sCaption))).c_str());
    return *result ? S_OK : E_OUTOFMEMORY;
}

STDMETHODIMP BrocadeObject::ShowAboutBox() {
    HWND owner = parentWindow_ ? parentWindow_ : GetActiveWindow();
    core_->ShowAboutBox(owner);
    return S_OK;
}

STDMETHODIMP BrocadeObject::GetMenuCaptionFont(IFontDisp **result) { return OutObject(result, core_->MenuCaptionFont()); }

STDMETHODIMP BrocadeObject::SetMenuCaptionFont(IFontDisp *aFont) {
    core_->SetMenuCaptionFont(aFont);
    return S_OK;
}

STDMETHODIMP BrocadeObject::GetMenuShortcutFont(IFontDisp **result) {
    return OutObject(result, core_->MenuShortcutFont());
}

STDMETHODIMP BrocadeObject::SetMenuShortcutFont(IFontDisp *aFont) {
    core_->SetMenuShortcutFont(aFont);
    return S_OK;
}

STDMETHODIMP BrocadeObject::SetImageList(IDispatch **anImgListControl) {
    if (!anImgListControl) return E_POINTER;
    core_->SetImageList(*anImgListControl);
    return S_OK;
}

STDMETHODIMP BrocadeObject::GetImageList(IDispatch **result) { return OutObject(result, core_->ImageList()); }

STDMETHODIMP BrocadeObject::RegisterWindowMenu(LONG hWindow, VARIANT_BOOL *bStop) {
    // Window handles carry 32 significant bits; a 64-bit handle is their sign extension.
    HWND window = reinterpret_cast<HWND>(static_cast<LONG_PTR>(hWindow));
    core_->RegisterWindowMenu(window, bStop ? *bStop : VARIANT_FALSE);
    return S_OK;
}
STDMETHODIMP BrocadeObject::GetDefaultPicture(BSTR sCaption, IPictureDisp **result) {
    return OutObject(result, core_->DefaultPicture(AnsiFromWide(sCaption), core_->Language(), core_->MenuIconSet()));
}

STDMETHODIMP BrocadeObject::GetDefaultPictureEx(BSTR sCaption, bdLanguage eLanguage, IPictureDisp **result) {
    return OutObject(result, core_->DefaultPicture(AnsiFromWide(sCaption), eLanguage, core_->MenuIconSet()));
}

STDMETHODIMP BrocadeObject::GetDefaultPictureEx2(BSTR sCaption, bdLanguage eLanguage, bdMenuIconSet eMenuIconSet,
                                                 IPictureDisp **result) {
    return OutObject(result, core_->DefaultPicture(AnsiFromWide(sCaption), eLanguage, eMenuIconSet));
}

STDMETHODIMP BrocadeObject::GetMeanColor(LONG aColor1, LONG aColor2, LONG *result) {
    return Out(result, static_cast<LONG>(brocade::GetMeanColor(aColor1, aColor2)));
}

STDMETHODIMP BrocadeObject::CaptureScreen(IPictureDisp **result) {
    if (result) *result = nullptr;
    return RaiseError(IID__Brocade, L"Call to undocumented function CaptureScreen");
}

}  // namespace brocade
