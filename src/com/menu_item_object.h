// CMenuItem: the automation face of a menu item record, passed to the host with every event.
// The record stays the single source of truth; it owns this object (created on first demand)
// and shares its reference count, so the host sees one object per record for the record's life.
#pragma once
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include "Brocade.h"
#include "common/com_ptr.h"
#include "menu/menu_item.h"

namespace brocade {

class CMenuItem final : public _CMenuItem, public IProvideClassInfo, public ISupportErrorInfo, public RecordCompanion {
public:
    // The record's object, made when first asked for; null when it cannot be made.
    static CMenuItem *Of(MenuItemRecord &record);
    ~CMenuItem() override;

    // IUnknown: the record's reference count.
    STDMETHODIMP QueryInterface(REFIID iid, void **result) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IDispatch, through the type information of _CMenuItem.
    STDMETHODIMP GetTypeInfoCount(UINT *count) override;
    STDMETHODIMP GetTypeInfo(UINT index, LCID lcid, ITypeInfo **result) override;
    STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR *names, UINT count, LCID lcid, DISPID *ids) override;
    STDMETHODIMP Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS *params, VARIANT *result,
                        EXCEPINFO *exception, UINT *argError) override;

    // _CMenuItem
    STDMETHODIMP get_CaptionFont(IFontDisp **value) override;
    STDMETHODIMP get_ShortcutFont(IFontDisp **value) override;
    STDMETHODIMP get_HasSubMenus(VARIANT_BOOL *value) override;
    STDMETHODIMP get_IsTopLevel(VARIANT_BOOL *value) override;
    STDMETHODIMP get_IsSeparator(VARIANT_BOOL *value) override;
    STDMETHODIMP get_ShortcutText(BSTR *value) override;
    STDMETHODIMP get_Caption(BSTR *value) override;
    STDMETHODIMP get_Disabled(VARIANT_BOOL *value) override;
    STDMETHODIMP get_Checked(VARIANT_BOOL *value) override;
    STDMETHODIMP get_hwnd(LONG *value) override;
    STDMETHODIMP get_hMenu(LONG *value) override;
    STDMETHODIMP get_MenuId(LONG *value) override;
    STDMETHODIMP get_ParentMenuId(LONG *value) override;
    STDMETHODIMP get_Picture(IPictureDisp **value) override;
    STDMETHODIMP putref_Picture(IPictureDisp *value) override;
    STDMETHODIMP get_PictureBackColor(OLE_COLOR *value) override;
    STDMETHODIMP put_PictureBackColor(OLE_COLOR *value) override;
    STDMETHODIMP get_MenuText(BSTR *value) override;
    STDMETHODIMP get_ShortcutTextWidth(LONG *value) override;
    STDMETHODIMP get_ShortcutTextHeight(LONG *value) override;
    STDMETHODIMP get_CaptionTextWidth(LONG *value) override;
    STDMETHODIMP get_CaptionTextHeight(LONG *value) override;
    STDMETHODIMP get_Position(LONG *value) override;
    STDMETHODIMP get_IsFirst(VARIANT_BOOL *value) override;
    STDMETHODIMP get_IsLast(VARIANT_BOOL *value) override;
    STDMETHODIMP get_TooltTipText(BSTR *value) override;
    STDMETHODIMP put_TooltTipText(BSTR *value) override;
    STDMETHODIMP get_Language(bdLanguage *value) override;
    STDMETHODIMP put_Language(bdLanguage value) override;
    STDMETHODIMP get_Unicode(VARIANT_BOOL *value) override;
    STDMETHODIMP put_Unicode(VARIANT_BOOL value) override;

    // IProvideClassInfo
    STDMETHODIMP GetClassInfo(ITypeInfo **result) override;

    // ISupportErrorInfo
    STDMETHODIMP InterfaceSupportsErrorInfo(REFIID iid) override;

private:
    explicit CMenuItem(MenuItemRecord &record);

    MenuItemRecord &record_;
    ComPtr<ITypeInfo> typeInfo_;

    ITypeInfo *TypeInfo();
};

// The record's IDispatch with a new reference, for raising events; E_OUTOFMEMORY when the
// object cannot be made.
HRESULT GetMenuItemDispatch(MenuItemRecord &record, IDispatch **result);
ComPtr<IDispatch> MenuItemDispatch(MenuItemRecord &record);

}  // namespace brocade
