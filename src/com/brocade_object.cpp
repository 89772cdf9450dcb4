// Identity, automation, connection points and the control site of the Brocade COM object.
#include "com/brocade_object.h"

#include <windows.h>
#include <oleauto.h>

#include <new>

#include "com/menu_item_object.h"
#include "com/module.h"
#include "com/text_conversion.h"
#include "com/type_info.h"

namespace brocade {

HRESULT CreateBrocadeObject(IUnknown *outer, REFIID iid, void **result) {
    if (!result) return E_POINTER;
    *result = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    return BrocadeObject::Create(iid, result);
}

HRESULT BrocadeObject::Create(REFIID iid, void **result) {
    BrocadeObject *object = new (std::nothrow) BrocadeObject();
    if (!object) return E_OUTOFMEMORY;
    HRESULT hr = object->QueryInterface(iid, result);
    object->Release();
    return hr;
}

BrocadeObject::BrocadeObject()
    : events_(static_cast<IConnectionPointContainer *>(this), DIID___Brocade),
      propertyNotify_(static_cast<IConnectionPointContainer *>(this), IID_IPropertyNotifySink) {
    LockModule();
    core_.reset(new Control(static_cast<ControlSite &>(*this)));
    GetBrocadeTypeInfo(IID__Brocade, typeInfo_.Out());
}

BrocadeObject::~BrocadeObject() {
    core_.reset();
    UnlockModule();
}

// --- IUnknown ---------------------------------------------------------------------------------

STDMETHODIMP BrocadeObject::QueryInterface(REFIID iid, void **result) {
    if (!result) return E_POINTER;
    *result = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, IID__Brocade))
        *result = static_cast<_Brocade *>(this);
    else if (IsEqualIID(iid, IID_IConnectionPointContainer))
        *result = static_cast<IConnectionPointContainer *>(this);
    else if (IsEqualIID(iid, IID_IProvideClassInfo) || IsEqualIID(iid, IID_IProvideClassInfo2))
        *result = static_cast<IProvideClassInfo2 *>(this);
    else if (IsEqualIID(iid, IID_ISupportErrorInfo))
        *result = static_cast<ISupportErrorInfo *>(this);
    else if (IsEqualIID(iid, IID_IOleObject))
        *result = static_cast<IOleObject *>(this);
    else if (IsEqualIID(iid, IID_IOleWindow) || IsEqualIID(iid, IID_IOleInPlaceObject))
        *result = static_cast<IOleInPlaceObject *>(this);
    else if (IsEqualIID(iid, IID_IOleControl))
        *result = static_cast<IOleControl *>(this);
    else if (IsEqualIID(iid, IID_IViewObject) || IsEqualIID(iid, IID_IViewObject2))
        *result = static_cast<IViewObject2 *>(this);
    else if (IsEqualIID(iid, IID_IPersist) || IsEqualIID(iid, IID_IPersistStreamInit))
        *result = static_cast<IPersistStreamInit *>(this);
    else if (IsEqualIID(iid, IID_IPersistPropertyBag))
        *result = static_cast<IPersistPropertyBag *>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) BrocadeObject::AddRef() { return InterlockedIncrement(&refs_); }

STDMETHODIMP_(ULONG) BrocadeObject::Release() {
    ULONG refs = InterlockedDecrement(&refs_);
    if (refs != 0) return refs;
    // The teardown runs while the object is still whole, under a reference of its own: what it
    // reaches (the host's windows, and through them the host) meets a complete object, and a
    // release from inside it cannot free the object twice.
    refs_ = 1;
    core_->Teardown();
    // Whoever took a reference during the teardown and kept it frees the object later.
    if (InterlockedDecrement(&refs_) == 0) delete this;
    return 0;
}

// --- IDispatch ------------------------------------------------------------------------------

STDMETHODIMP BrocadeObject::GetTypeInfoCount(UINT *count) {
    if (!count) return E_POINTER;
    *count = typeInfo_ ? 1 : 0;
    return S_OK;
}

STDMETHODIMP BrocadeObject::GetTypeInfo(UINT index, LCID, ITypeInfo **result) {
    if (!result) return E_POINTER;
    *result = nullptr;
    if (index != 0) return DISP_E_BADINDEX;
    if (!typeInfo_) return E_UNEXPECTED;
    *result = typeInfo_.AddRefed();
    return S_OK;
}

STDMETHODIMP BrocadeObject::GetIDsOfNames(REFIID iid, LPOLESTR *names, UINT count, LCID, DISPID *ids) {
    if (!IsEqualIID(iid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
    if (!typeInfo_) return E_UNEXPECTED;
    return typeInfo_->GetIDsOfNames(names, count, ids);
}

STDMETHODIMP BrocadeObject::Invoke(DISPID id, REFIID iid, LCID, WORD flags, DISPPARAMS *params, VARIANT *result,
                                   EXCEPINFO *exception, UINT *argError) {
    if (!IsEqualIID(iid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
    if (!typeInfo_) return E_UNEXPECTED;
    // Script hosts create the object without InitNew or Load; it then behaves as a new control.
    EnsureInitialized();
    SetErrorInfo(0, nullptr);
    return typeInfo_->Invoke(static_cast<_Brocade *>(this), id, flags, params, result, exception, argError);
}

// --- IConnectionPointContainer ----------------------------------------------------------------

STDMETHODIMP BrocadeObject::EnumConnectionPoints(IEnumConnectionPoints **result) {
    return CreateConnectionPointEnumerator({&events_, &propertyNotify_}, result);
}

STDMETHODIMP BrocadeObject::FindConnectionPoint(REFIID iid, IConnectionPoint **result) {
    if (!result) return E_POINTER;
    *result = nullptr;
    ConnectionPoint *point = nullptr;
    if (IsEqualIID(iid, DIID___Brocade))
        point = &events_;
    else if (IsEqualIID(iid, IID_IPropertyNotifySink))
        point = &propertyNotify_;
    if (!point) return CONNECT_E_NOCONNECTION;
    point->AddRef();
    *result = point;
    return S_OK;
}

// --- IProvideClassInfo2, ISupportErrorInfo ----------------------------------------------------

STDMETHODIMP BrocadeObject::GetClassInfo(ITypeInfo **result) {
    if (!result) return E_POINTER;
    *result = nullptr;
    ComPtr<ITypeLib> library;
    HRESULT hr = GetBrocadeTypeLib(library.Out());
    if (FAILED(hr)) return hr;
    return library->GetTypeInfoOfGuid(CLSID_Brocade, result);
}

STDMETHODIMP BrocadeObject::GetGUID(DWORD kind, GUID *guid) {
    if (!guid) return E_POINTER;
    if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) {
        *guid = GUID_NULL;
        return E_INVALIDARG;
    }
    *guid = DIID___Brocade;
    return S_OK;
}

STDMETHODIMP BrocadeObject::InterfaceSupportsErrorInfo(REFIID iid) {
    return IsEqualIID(iid, IID__Brocade) ? S_OK : S_FALSE;
}

// --- ControlSite ----------------------------------------------------------------------------

HRESULT BrocadeObject::AmbientProperty(DISPID dispid, VARIANT *value) {
    VariantInit(value);
    if (!clientSite_) return E_FAIL;
    ComPtr<IDispatch> ambient = clientSite_.As<IDispatch>(IID_IDispatch);
    if (!ambient) return E_NOINTERFACE;
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    return ambient->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, value, nullptr,
                           nullptr);
}

void BrocadeObject::ReadAmbientUserMode() {
    // With no site, or a site that does not answer, the control is in run mode.
    userMode_ = true;
    VARIANT value;
    if (SUCCEEDED(AmbientProperty(DISPID_AMBIENT_USERMODE, &value)) &&
        SUCCEEDED(VariantChangeType(&value, &value, 0, VT_BOOL)))
        userMode_ = V_BOOL(&value) != VARIANT_FALSE;
    VariantClear(&value);
}

bool BrocadeObject::AmbientRightToLeft() {
    VARIANT value;
    bool result = false;
    if (SUCCEEDED(AmbientProperty(DISPID_AMBIENT_RIGHTTOLEFT, &value)) &&
        SUCCEEDED(VariantChangeType(&value, &value, 0, VT_BOOL)))
        result = V_BOOL(&value) != VARIANT_FALSE;
    VariantClear(&value);
    return result;
}

IFontDisp *BrocadeObject::AmbientFont() {
    VARIANT value;
    IFontDisp *font = nullptr;
    if (SUCCEEDED(AmbientProperty(DISPID_AMBIENT_FONT, &value)) &&
        (V_VT(&value) == VT_DISPATCH || V_VT(&value) == VT_UNKNOWN) && V_UNKNOWN(&value))
        V_UNKNOWN(&value)->QueryInterface(IID_IFontDisp, reinterpret_cast<void **>(&font));
    VariantClear(&value);
    return font;
}

HWND BrocadeObject::ContainerWindow() {
    // Containers answer for the in-place site; not all of them for its IOleWindow base.
    HWND window = nullptr;
    if (ComPtr<IOleInPlaceSite> site = clientSite_.As<IOleInPlaceSite>(IID_IOleInPlaceSite))
        site->GetWindow(&window);
    else if (ComPtr<IOleWindow> oleWindow = clientSite_.As<IOleWindow>(IID_IOleWindow))
        oleWindow->GetWindow(&window);
    return window ? window : parentWindow_;
}

void BrocadeObject::PropertyChanged(DISPID dispid) {
    dirty_ = true;
    for (ComPtr<IUnknown> &sink : propertyNotify_.Sinks())
        static_cast<IPropertyNotifySink *>(sink.Get())->OnChanged(dispid);
}

void BrocadeObject::FireEvent(DISPID dispid, VARIANT *args, UINT count) {
    if (eventsFrozen_ > 0) return;
    ComPtr<IUnknown> self(static_cast<_Brocade *>(this));  // a sink may release the control
    // Each sink is held while it is called, as a handler may disconnect it; a lone sink needs
    // no list of them.
    auto call = [&](IUnknown *sink) {
        DISPPARAMS params = {args, nullptr, count, 0};
        EXCEPINFO exception = {};
        static_cast<IDispatch *>(sink)->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params,
                                               nullptr, &exception, nullptr);
        SysFreeString(exception.bstrSource);
        SysFreeString(exception.bstrDescription);
        SysFreeString(exception.bstrHelpFile);
    };
    if (ComPtr<IUnknown> only = events_.OnlySink()) {
        call(only.Get());
        return;
    }
    for (ComPtr<IUnknown> &sink : events_.Sinks()) call(sink.Get());
}

void BrocadeObject::FireSetMenuItemAttributes(MenuItemRecord &record) {
    if (!events_.HasSinks()) return;  // no item object for an event nobody receives
    ComPtr<IDispatch> item = MenuItemDispatch(record);
    VARIANT arg;
    V_VT(&arg) = VT_DISPATCH;
    V_DISPATCH(&arg) = item.Get();
    FireEvent(1, &arg, 1);
}

void BrocadeObject::FireSetMenuItemSize(MenuItemRecord &record, long &width, long &height) {
    if (!events_.HasSinks()) return;
    ComPtr<IDispatch> item = MenuItemDispatch(record);
    LONG itemWidth = width, itemHeight = height;
    VARIANT args[3];  // reversed: height and width by reference, then the item
    V_VT(&args[0]) = VT_I4 | VT_BYREF;
    V_I4REF(&args[0]) = &itemHeight;
    V_VT(&args[1]) = VT_I4 | VT_BYREF;
    V_I4REF(&args[1]) = &itemWidth;
    V_VT(&args[2]) = VT_DISPATCH;
    V_DISPATCH(&args[2]) = item.Get();
    FireEvent(2, args, 3);
    width = itemWidth;
    height = itemHeight;
}

void BrocadeObject::FireShowMenuHelp(MenuItemRecord &record, std::string &helpMessage) {
    if (!events_.HasSinks()) return;
    ComPtr<IDispatch> item = MenuItemDispatch(record);
    BSTR text = SysAllocString(WideFromAnsi(helpMessage).c_str());
    VARIANT args[2];  // reversed: the help text by reference, then the item
    V_VT(&args[0]) = VT_BSTR | VT_BYREF;
    V_BSTRREF(&args[0]) = &text;
    V_VT(&args[1]) = VT_DISPATCH;
    V_DISPATCH(&args[1]) = item.Get();
    FireEvent(4, args, 2);
    helpMessage = AnsiFromWide(text);
    SysFreeString(text);
}

void BrocadeObject::FireClearMenuHelp() { FireEvent(5, nullptr, 0); }

namespace {

// Arguments shared by DrawMenuItem and DrawMenuItemEx, last first as DISPPARAMS wants them:
// the item, the memory DC as the 32-bit value automation carries, the selection and the size.
void SetDrawArguments(VARIANT *args, IDispatch *item, HDC menuDC, bool selected, long cx, long cy) {
    V_VT(&args[0]) = VT_I4;
    V_I4(&args[0]) = cy;
    V_VT(&args[1]) = VT_I4;
    V_I4(&args[1]) = cx;
    V_VT(&args[2]) = VT_BOOL;
    V_BOOL(&args[2]) = selected ? VARIANT_TRUE : VARIANT_FALSE;
    V_VT(&args[3]) = VT_I4;
    V_I4(&args[3]) = static_cast<LONG>(reinterpret_cast<LONG_PTR>(menuDC));
    V_VT(&args[4]) = VT_DISPATCH;
    V_DISPATCH(&args[4]) = item;
}

}  // namespace

void BrocadeObject::FireDrawMenuItem(MenuItemRecord &record, HDC menuDC, bool selected, long cx, long cy,
                                     bool &userDrawn) {
    if (!events_.HasSinks()) return;
    ComPtr<IDispatch> item = MenuItemDispatch(record);
    VARIANT_BOOL drawn = userDrawn ? VARIANT_TRUE : VARIANT_FALSE;
    VARIANT args[6];  // reversed: bUserDrawn by reference, then cy, cx, bSelected, menuDC, the item
    V_VT(&args[0]) = VT_BOOL | VT_BYREF;
    V_BOOLREF(&args[0]) = &drawn;
    SetDrawArguments(args + 1, item.Get(), menuDC, selected, cx, cy);
    FireEvent(3, args, 6);
    userDrawn = drawn != VARIANT_FALSE;
}

void BrocadeObject::FireDrawMenuItemEx(MenuItemRecord &record, HDC menuDC, bool selected, long cx, long cy,
                                       DrawStage stage, bool &doDefault) {
    if (!events_.HasSinks()) return;
    ComPtr<IDispatch> item = MenuItemDispatch(record);
    VARIANT_BOOL proceed = doDefault ? VARIANT_TRUE : VARIANT_FALSE;
    VARIANT args[7];  // reversed: bDoDefault by reference, eDrawStage, then cy, cx, bSelected, menuDC, the item
    V_VT(&args[0]) = VT_BOOL | VT_BYREF;
    V_BOOLREF(&args[0]) = &proceed;
    V_VT(&args[1]) = VT_I4;
    V_I4(&args[1]) = stage;
    SetDrawArguments(args + 2, item.Get(), menuDC, selected, cx, cy);
    FireEvent(6, args, 7);
    doDefault = proceed != VARIANT_FALSE;
}

void BrocadeObject::EnsureInitialized() {
    if (!initialized_) InitNew();
}

}  // namespace brocade
