#include "menu/image_list_lookup.h"

#include <oleauto.h>

#include "menu/ansi_text.h"

namespace brocade {

namespace {

// Owns a VARIANT for the length of a scope.
struct ScopedVariant {
    VARIANT value;
    ScopedVariant() { VariantInit(&value); }
    ~ScopedVariant() { VariantClear(&value); }
    ScopedVariant(const ScopedVariant &) = delete;
    ScopedVariant &operator=(const ScopedVariant &) = delete;
};

ComPtr<IDispatch> DispatchOf(const VARIANT &value) {
    if ((V_VT(&value) == VT_DISPATCH || V_VT(&value) == VT_UNKNOWN) && V_UNKNOWN(&value))
        return ComPtr<IUnknown>(V_UNKNOWN(&value)).As<IDispatch>(IID_IDispatch);
    return ComPtr<IDispatch>();
}

// Calls a member by name; a property get, or a method when arguments are given.
bool InvokeByName(IDispatch *object, const wchar_t *name, VARIANT *argument, VARIANT &result) {
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    if (FAILED(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id))) return false;
    DISPPARAMS params = {argument, nullptr, argument ? 1u : 0u, 0};
    EXCEPINFO exception = {};
    HRESULT hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD | DISPATCH_PROPERTYGET,
                                &params, &result, &exception, nullptr);
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    return SUCCEEDED(hr);
}

}  // namespace

ComPtr<IPictureDisp> FindImageListPicture(IDispatch *imageList, const std::string &key) {
    if (!imageList) return ComPtr<IPictureDisp>();

    ScopedVariant listImages;
    if (!InvokeByName(imageList, L"ListImages", nullptr, listImages.value)) return ComPtr<IPictureDisp>();
    ComPtr<IDispatch> images = DispatchOf(listImages.value);
    if (!images) return ComPtr<IPictureDisp>();

    std::wstring wideKey = AnsiToWide(key);
    ScopedVariant argument;
    V_VT(&argument.value) = VT_BSTR;
    V_BSTR(&argument.value) = SysAllocStringLen(wideKey.data(), static_cast<UINT>(wideKey.size()));
    ScopedVariant item;
    if (!InvokeByName(images.Get(), L"Item", &argument.value, item.value)) return ComPtr<IPictureDisp>();
    ComPtr<IDispatch> image = DispatchOf(item.value);
    if (!image) return ComPtr<IPictureDisp>();

    ScopedVariant picture;
    if (!InvokeByName(image.Get(), L"Picture", nullptr, picture.value)) return ComPtr<IPictureDisp>();
    if ((V_VT(&picture.value) != VT_DISPATCH && V_VT(&picture.value) != VT_UNKNOWN) || !V_UNKNOWN(&picture.value))
        return ComPtr<IPictureDisp>();
    return ComPtr<IUnknown>(V_UNKNOWN(&picture.value)).As<IPictureDisp>(IID_IPictureDisp);
}

}  // namespace brocade
