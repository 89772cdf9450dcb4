#include "reliability/com_host.h"

#include "com/module.h"

namespace brocade_test {

using brocade::ComPtr;

STDMETHODIMP InPlaceSite::QueryInterface(REFIID iid, void **result) {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleClientSite))
        *result = static_cast<IOleClientSite *>(this);
    else if (IsEqualIID(iid, IID_IOleWindow) || IsEqualIID(iid, IID_IOleInPlaceSite))
        *result = static_cast<IOleInPlaceSite *>(this);
    else {
        *result = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) InPlaceSite::Release() {
    ULONG refs = --refs_;
    if (refs == 0) delete this;
    return refs;
}

STDMETHODIMP InPlaceSite::GetContainer(IOleContainer **container) {
    *container = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP InPlaceSite::GetWindow(HWND *window) {
    *window = window_;
    return window_ ? S_OK : E_FAIL;
}

SitedControl::SitedControl(HWND form) {
    container_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 32, 32, form, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    site_ = new InPlaceSite(container_);
    brocade::CreateBrocadeObject(nullptr, IID__Brocade, reinterpret_cast<void **>(control_.Out()));
    if (!control_) return;
    if (ComPtr<IOleObject> object = control_.As<IOleObject>(IID_IOleObject)) object->SetClientSite(site_);
    if (ComPtr<IPersistStreamInit> persist = control_.As<IPersistStreamInit>(IID_IPersistStreamInit))
        persist->InitNew();
}

void SitedControl::Close() {
    if (control_) {
        if (ComPtr<IOleObject> object = control_.As<IOleObject>(IID_IOleObject)) {
            object->Close(OLECLOSE_NOSAVE);
            object->SetClientSite(nullptr);
        }
        control_.Reset();
    }
    if (site_) site_->Release();
    site_ = nullptr;
    if (IsWindow(container_)) DestroyWindow(container_);
    container_ = nullptr;
}

STDMETHODIMP ScriptedSink::QueryInterface(REFIID iid, void **result) {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, DIID___Brocade)) {
        *result = this;
        AddRef();
        return S_OK;
    }
    *result = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP ScriptedSink::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS *params, VARIANT *, EXCEPINFO *exception,
                                  UINT *) {
    received.push_back(id);
    return react ? react(id, params, exception) : S_OK;
}

}  // namespace brocade_test
