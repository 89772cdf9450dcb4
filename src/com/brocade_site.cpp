// The control site the core sees: the container's ambient properties and window, and the
// events and change notifications raised through the connection points.
#include "com/brocade_object.h"

#include <windows.h>
#include <oleauto.h>

#include "com/menu_item_object.h"
#include "com/text_conversion.h"

namespace brocade {

// --- Ambient properties -----------------------------------------------------------------------

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

bool BrocadeObject::Site::AmbientRightToLeft() {
    VARIANT value;
    bool result = false;
    if (SUCCEEDED(object_.AmbientProperty(DISPID_AMBIENT_RIGHTTOLEFT, &value)) &&
        SUCCEEDED(VariantChangeType(&value, &value, 0, VT_BOOL)))
        result = V_BOOL(&value) != VARIANT_FALSE;
    VariantClear(&value);
    return result;
}

IFontDisp *BrocadeObject::Site::AmbientFont() {
    VARIANT value;
    IFontDisp *font = nullptr;
    if (SUCCEEDED(object_.AmbientProperty(DISPID_AMBIENT_FONT, &value)) &&
        (V_VT(&value) == VT_DISPATCH || V_VT(&value) == VT_UNKNOWN) && V_UNKNOWN(&value))
        V_UNKNOWN(&value)->QueryInterface(IID_IFontDisp, reinterpret_cast<void **>(&font));
    VariantClear(&value);
    return font;
}

HWND BrocadeObject::Site::ContainerWindow() {
    // Containers answer for the in-place site; not all of them for its IOleWindow base.
    HWND window = nullptr;
    if (ComPtr<IOleInPlaceSite> site = object_.clientSite_.As<IOleInPlaceSite>(IID_IOleInPlaceSite))
        site->GetWindow(&window);
    else if (ComPtr<IOleWindow> oleWindow = object_.clientSite_.As<IOleWindow>(IID_IOleWindow))
        oleWindow->GetWindow(&window);
    return window ? window : object_.parentWindow_;
}

void BrocadeObject::Site::PropertyChanged(DISPID dispid) {
    object_.dirty_ = true;
    for (ComPtr<IUnknown> &sink : object_.propertyNotify_.Sinks())
        static_cast<IPropertyNotifySink *>(sink.Get())->OnChanged(dispid);
}

void BrocadeObject::Site::FireEvent(DISPID dispid, VARIANT *args, UINT count) {
    if (object_.eventsFrozen_ > 0) return;
    ComPtr<IUnknown> self(static_cast<_Brocade *>(&object_.automation_));  // a sink may release the control
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
    if (ComPtr<IUnknown> only = object_.events_.OnlySink()) {
        call(only.Get());
        return;
    }
    for (ComPtr<IUnknown> &sink : object_.events_.Sinks()) call(sink.Get());
}

void BrocadeObject::Site::FireSetMenuItemAttributes(MenuItemRecord &record) {
    if (!object_.events_.HasSinks()) return;  // no item object for an event nobody receives
    ComPtr<IDispatch> item = MenuItemDispatch(record);
    VARIANT arg;
    V_VT(&arg) = VT_DISPATCH;
    V_DISPATCH(&arg) = item.Get();
    FireEvent(1, &arg, 1);
}

void BrocadeObject::Site::FireSetMenuItemSize(MenuItemRecord &record, long &width, long &height) {
    if (!object_.events_.HasSinks()) return;
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

void BrocadeObject::Site::FireShowMenuHelp(MenuItemRecord &record, std::string &helpMessage) {
    if (!object_.events_.HasSinks()) return;
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

void BrocadeObject::Site::FireClearMenuHelp() { FireEvent(5, nullptr, 0); }

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

void BrocadeObject::Site::FireDrawMenuItem(MenuItemRecord &record, HDC menuDC, bool selected, long cx, long cy,
                                     bool &userDrawn) {
    if (!object_.events_.HasSinks()) return;
    ComPtr<IDispatch> item = MenuItemDispatch(record);
    VARIANT_BOOL drawn = userDrawn ? VARIANT_TRUE : VARIANT_FALSE;
    VARIANT args[6];  // reversed: bUserDrawn by reference, then cy, cx, bSelected, menuDC, the item
    V_VT(&args[0]) = VT_BOOL | VT_BYREF;
    V_BOOLREF(&args[0]) = &drawn;
    SetDrawArguments(args + 1, item.Get(), menuDC, selected, cx, cy);
    FireEvent(3, args, 6);
    userDrawn = drawn != VARIANT_FALSE;
}

void BrocadeObject::Site::FireDrawMenuItemEx(MenuItemRecord &record, HDC menuDC, bool selected, long cx, long cy,
                                       DrawStage stage, bool &doDefault) {
    if (!object_.events_.HasSinks()) return;
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

}  // namespace brocade
