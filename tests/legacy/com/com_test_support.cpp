#include "com/com_test_support.h"

#include <windows.h>
#include <oleauto.h>

#include "com/module.h"

namespace brocade_test {

using brocade::ComPtr;

ComPtr<IDispatch> CreateByProgId() {
    CLSID clsid;
    ComPtr<IDispatch> object;
    if (SUCCEEDED(CLSIDFromProgID(L"Brocade.Brocade", &clsid)))
        CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                         reinterpret_cast<void **>(object.Out()));
    return object;
}

ComPtr<IDispatch> CreateInProcess() {
    ComPtr<IDispatch> object;
    brocade::CreateBrocadeObject(nullptr, IID_IDispatch, reinterpret_cast<void **>(object.Out()));
    return object;
}

DISPID DispidOf(IDispatch *object, const wchar_t *name) {
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    return id;
}

HRESULT GetProperty(IDispatch *object, DISPID id, VARIANT &result, EXCEPINFO *exception) {
    VariantInit(&result);
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &result, exception,
                          nullptr);
}

HRESULT PutProperty(IDispatch *object, DISPID id, VARIANT value, EXCEPINFO *exception) {
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params = {&value, &named, 1, 1};
    UINT argError = 0;
    return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params, nullptr, exception,
                          &argError);
}

HRESULT CallMethod(IDispatch *object, DISPID id, std::vector<VARIANT> args, VARIANT *result, EXCEPINFO *exception) {
    std::vector<VARIANT> reversed(args.rbegin(), args.rend());
    DISPPARAMS params = {reversed.empty() ? nullptr : reversed.data(), nullptr, static_cast<UINT>(reversed.size()),
                         0};
    if (result) VariantInit(result);
    UINT argError = 0;
    return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, result, exception,
                          &argError);
}

VARIANT MakeLong(LONG value) {
    VARIANT v;
    V_VT(&v) = VT_I4;
    V_I4(&v) = value;
    return v;
}

VARIANT MakeString(const wchar_t *text) {
    VARIANT v;
    V_VT(&v) = VT_BSTR;
    V_BSTR(&v) = SysAllocString(text);
    return v;
}

STDMETHODIMP RecordingSink::QueryInterface(REFIID iid, void **result) {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, DIID___Brocade)) {
        *result = this;
        AddRef();
        return S_OK;
    }
    *result = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP RecordingSink::GetTypeInfoCount(UINT *count) {
    *count = 0;
    return S_OK;
}

STDMETHODIMP RecordingSink::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS *params, VARIANT *, EXCEPINFO *,
                                   UINT *) {
    received.push_back(id);
    if (id == 1 && params && params->cArgs == 1 && V_VT(&params->rgvarg[0]) == VT_DISPATCH) {
        VARIANT caption;
        if (SUCCEEDED(GetProperty(V_DISPATCH(&params->rgvarg[0]), DispidOf(V_DISPATCH(&params->rgvarg[0]), L"Caption"),
                                  caption)) &&
            V_VT(&caption) == VT_BSTR)
            captions.push_back(V_BSTR(&caption));
        VariantClear(&caption);
    }
    return S_OK;
}

STDMETHODIMP PropertyNotifyRecorder::QueryInterface(REFIID iid, void **result) {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IPropertyNotifySink)) {
        *result = this;
        AddRef();
        return S_OK;
    }
    *result = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP PropertyNotifyRecorder::OnChanged(DISPID id) {
    changed.push_back(id);
    return S_OK;
}

DWORD Connect(IUnknown *object, REFIID iid, IUnknown *sink) {
    ComPtr<IConnectionPointContainer> container;
    ComPtr<IConnectionPoint> point;
    DWORD cookie = 0;
    if (SUCCEEDED(object->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void **>(container.Out()))) &&
        SUCCEEDED(container->FindConnectionPoint(iid, point.Out())))
        point->Advise(sink, &cookie);
    return cookie;
}

void Disconnect(IUnknown *object, REFIID iid, DWORD cookie) {
    ComPtr<IConnectionPointContainer> container;
    ComPtr<IConnectionPoint> point;
    if (SUCCEEDED(object->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void **>(container.Out()))) &&
        SUCCEEDED(container->FindConnectionPoint(iid, point.Out())))
        point->Unadvise(cookie);
}

}  // namespace brocade_test
