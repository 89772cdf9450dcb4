#include "com/menu_item_object.h"

#include <oleauto.h>

#include <new>
#include <string>

#include "com/automation_error.h"
#include "com/module.h"
#include "com/type_info.h"
#include "menu/ansi_text.h"

namespace brocade {

namespace {

// Menu texts are bytes of the system's ANSI code page, as the host's runtime reads them.
HRESULT ReturnText(const std::string &text, BSTR *value) {
    if (!value) return E_POINTER;
    *value = nullptr;
    return ComGuard([&] {
        std::wstring wide = AnsiToWide(text);
        *value = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
        return *value ? S_OK : E_OUTOFMEMORY;
    });
}

// A change of the record, which tells its menu: S_OK once made, or the failure it threw.
template <class Change>
HRESULT ChangeRecord(Change &&change) {
    return ComGuard([&] {
        change();
        return S_OK;
    });
}

std::string TextOf(BSTR value) {
    return value ? WideToAnsi(std::wstring(value, SysStringLen(value))) : std::string();
}

HRESULT ReturnBoolean(bool flag, VARIANT_BOOL *value) {
    if (!value) return E_POINTER;
    *value = flag ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
}

HRESULT ReturnLong(long number, LONG *value) {
    if (!value) return E_POINTER;
    *value = number;
    return S_OK;
}

// Handles cross the automation boundary as 32-bit values.
HRESULT ReturnHandle(const void *handle, LONG *value) {
    return ReturnLong(static_cast<long>(reinterpret_cast<LONG_PTR>(handle)), value);
}

template <class Interface>
HRESULT ReturnObject(const ComPtr<Interface> &object, Interface **value) {
    if (!value) return E_POINTER;
    *value = object.AddRefed();
    return S_OK;
}

}  // namespace

CMenuItem *CMenuItem::Of(MenuItemRecord &record) {
    if (auto *existing = dynamic_cast<CMenuItem *>(record.Companion())) return existing;
    CMenuItem *object = new (std::nothrow) CMenuItem(record);
    if (!object) return nullptr;
    record.SetCompanion(std::unique_ptr<RecordCompanion>(object));
    return object;
}

CMenuItem::CMenuItem(MenuItemRecord &record) : record_(record) { LockModule(); }

CMenuItem::~CMenuItem() { UnlockModule(); }

HRESULT GetMenuItemDispatch(MenuItemRecord &record, IDispatch **result) {
    if (!result) return E_POINTER;
    *result = nullptr;
    CMenuItem *object = CMenuItem::Of(record);
    if (!object) return E_OUTOFMEMORY;
    *result = static_cast<_CMenuItem *>(object);
    (*result)->AddRef();
    return S_OK;
}

ComPtr<IDispatch> MenuItemDispatch(MenuItemRecord &record) {
    ComPtr<IDispatch> dispatch;
    GetMenuItemDispatch(record, dispatch.Out());
    return dispatch;
}

// --- IUnknown -----------------------------------------------------------------------------------

STDMETHODIMP CMenuItem::QueryInterface(REFIID iid, void **result) {
    if (!result) return E_POINTER;
    *result = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, IID__CMenuItem))
        *result = static_cast<_CMenuItem *>(this);
    else if (IsEqualIID(iid, IID_IProvideClassInfo))
        *result = static_cast<IProvideClassInfo *>(this);
    else if (IsEqualIID(iid, IID_ISupportErrorInfo))
        *result = static_cast<ISupportErrorInfo *>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) CMenuItem::AddRef() { return record_.AddRef(); }
STDMETHODIMP_(ULONG) CMenuItem::Release() { return record_.Release(); }

// --- IDispatch ----------------------------------------------------------------------------------

ITypeInfo *CMenuItem::TypeInfo() {
    if (!typeInfo_) GetBrocadeTypeInfo(IID__CMenuItem, typeInfo_.Out());
    return typeInfo_.Get();
}

STDMETHODIMP CMenuItem::GetTypeInfoCount(UINT *count) {
    if (!count) return E_POINTER;
    *count = TypeInfo() ? 1 : 0;
    return S_OK;
}

STDMETHODIMP CMenuItem::GetTypeInfo(UINT index, LCID, ITypeInfo **result) {
    if (!result) return E_POINTER;
    *result = nullptr;
    if (index != 0) return DISP_E_BADINDEX;
    if (!TypeInfo()) return E_UNEXPECTED;
    *result = typeInfo_.AddRefed();
    return S_OK;
}

STDMETHODIMP CMenuItem::GetIDsOfNames(REFIID iid, LPOLESTR *names, UINT count, LCID, DISPID *ids) {
    if (!IsEqualIID(iid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
    if (!TypeInfo()) return E_UNEXPECTED;
    return typeInfo_->GetIDsOfNames(names, count, ids);
}

STDMETHODIMP CMenuItem::Invoke(DISPID id, REFIID iid, LCID, WORD flags, DISPPARAMS *params, VARIANT *result,
                               EXCEPINFO *exception, UINT *argError) {
    if (!IsEqualIID(iid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
    if (!TypeInfo()) return E_UNEXPECTED;
    SetErrorInfo(0, nullptr);
    return typeInfo_->Invoke(static_cast<_CMenuItem *>(this), id, flags, params, result, exception, argError);
}

// --- _CMenuItem: read-only members ----------------------------------------------------------

STDMETHODIMP CMenuItem::get_CaptionFont(IFontDisp **value) { return ReturnObject(record_.CaptionFont(), value); }
STDMETHODIMP CMenuItem::get_ShortcutFont(IFontDisp **value) { return ReturnObject(record_.ShortcutFont(), value); }
STDMETHODIMP CMenuItem::get_HasSubMenus(VARIANT_BOOL *value) { return ReturnBoolean(record_.HasSubMenus(), value); }
STDMETHODIMP CMenuItem::get_IsTopLevel(VARIANT_BOOL *value) { return ReturnBoolean(record_.IsTopLevel(), value); }
STDMETHODIMP CMenuItem::get_IsSeparator(VARIANT_BOOL *value) { return ReturnBoolean(record_.IsSeparator(), value); }
STDMETHODIMP CMenuItem::get_ShortcutText(BSTR *value) { return ReturnText(record_.ShortcutText(), value); }
STDMETHODIMP CMenuItem::get_Caption(BSTR *value) { return ReturnText(record_.Caption(), value); }
STDMETHODIMP CMenuItem::get_Disabled(VARIANT_BOOL *value) { return ReturnBoolean(record_.Disabled(), value); }
STDMETHODIMP CMenuItem::get_Checked(VARIANT_BOOL *value) { return ReturnBoolean(record_.Checked(), value); }
STDMETHODIMP CMenuItem::get_hwnd(LONG *value) { return ReturnHandle(record_.OwnerWindow(), value); }
STDMETHODIMP CMenuItem::get_hMenu(LONG *value) { return ReturnHandle(record_.MenuHandle(), value); }
STDMETHODIMP CMenuItem::get_MenuId(LONG *value) { return ReturnLong(record_.MenuId(), value); }
STDMETHODIMP CMenuItem::get_ParentMenuId(LONG *value) { return ReturnLong(record_.ParentMenuId(), value); }
STDMETHODIMP CMenuItem::get_MenuText(BSTR *value) { return ReturnText(record_.MenuText(), value); }
STDMETHODIMP CMenuItem::get_ShortcutTextWidth(LONG *value) { return ReturnLong(record_.ShortcutTextWidth(), value); }
STDMETHODIMP CMenuItem::get_ShortcutTextHeight(LONG *value) {
    return ReturnLong(record_.ShortcutTextHeight(), value);
}
STDMETHODIMP CMenuItem::get_CaptionTextWidth(LONG *value) { return ReturnLong(record_.CaptionTextWidth(), value); }
STDMETHODIMP CMenuItem::get_CaptionTextHeight(LONG *value) { return ReturnLong(record_.CaptionTextHeight(), value); }
STDMETHODIMP CMenuItem::get_Position(LONG *value) { return ReturnLong(record_.Position(), value); }
STDMETHODIMP CMenuItem::get_IsFirst(VARIANT_BOOL *value) { return ReturnBoolean(record_.IsFirst(), value); }
STDMETHODIMP CMenuItem::get_IsLast(VARIANT_BOOL *value) { return ReturnBoolean(record_.IsLast(), value); }

// --- _CMenuItem: members the host may change -------------------------------------------------

STDMETHODIMP CMenuItem::get_Picture(IPictureDisp **value) { return ReturnObject(record_.Picture(), value); }

STDMETHODIMP CMenuItem::putref_Picture(IPictureDisp *value) {
    if (value) {
        // Late-bound callers may hand over any object; only a picture is accepted.
        ComPtr<IPicture> picture = ComPtr<IPictureDisp>(value).As<IPicture>(IID_IPicture);
        if (!picture) return RaiseError(IID__CMenuItem, L"Invalid picture type");
    }
    return ComGuard(
        [&] {
            record_.SetPicture(value);
            return S_OK;
        },
        IID__CMenuItem, L"Invalid picture type");
}

STDMETHODIMP CMenuItem::get_PictureBackColor(OLE_COLOR *value) {
    if (!value) return E_POINTER;
    *value = record_.PictureBackColor();
    return S_OK;
}

STDMETHODIMP CMenuItem::put_PictureBackColor(OLE_COLOR *value) {
    if (!value) return E_POINTER;
    return ChangeRecord([&] { record_.SetPictureBackColor(*value); });
}

STDMETHODIMP CMenuItem::get_TooltTipText(BSTR *value) { return ReturnText(record_.TooltipText(), value); }

STDMETHODIMP CMenuItem::put_TooltTipText(BSTR *value) {
    if (!value) return E_POINTER;
    return ChangeRecord([&] { record_.SetTooltipText(TextOf(*value)); });
}

STDMETHODIMP CMenuItem::get_Language(bdLanguage *value) {
    if (!value) return E_POINTER;
    *value = static_cast<bdLanguage>(record_.Language());
    return S_OK;
}

STDMETHODIMP CMenuItem::put_Language(bdLanguage value) {
    return ChangeRecord([&] { record_.SetLanguage(static_cast<long>(value)); });
}

STDMETHODIMP CMenuItem::get_Unicode(VARIANT_BOOL *value) { return ReturnBoolean(record_.Unicode(), value); }

STDMETHODIMP CMenuItem::put_Unicode(VARIANT_BOOL value) {
    return ChangeRecord([&] { record_.SetUnicode(value != VARIANT_FALSE); });
}

// --- IProvideClassInfo, ISupportErrorInfo ----------------------------------------------------

STDMETHODIMP CMenuItem::GetClassInfo(ITypeInfo **result) {
    if (!result) return E_POINTER;
    *result = nullptr;
    ComPtr<ITypeLib> library;
    HRESULT hr = GetBrocadeTypeLib(library.Out());
    if (FAILED(hr)) return hr;
    return library->GetTypeInfoOfGuid(CLSID_CMenuItem, result);
}

STDMETHODIMP CMenuItem::InterfaceSupportsErrorInfo(REFIID iid) {
    return IsEqualIID(iid, IID__CMenuItem) ? S_OK : S_FALSE;
}

}  // namespace brocade
