#include "support/hosted_control.h"

#include <gtest/gtest.h>

#include <utility>

namespace brocade_test {

STDMETHODIMP PropertyBag::Read(LPCOLESTR name, VARIANT *value, IErrorLog *) {
    auto found = name && value ? values.find(name) : values.end();
    if (found == values.end()) return E_INVALIDARG;
    // The caller asks for a type, or with VT_EMPTY for the one stored.
    const VARTYPE wanted = V_VT(value);
    VariantInit(value);
    VARIANT *stored = const_cast<VARIANT *>(&found->second.Get());
    return wanted == VT_EMPTY ? VariantCopy(value, stored) : VariantChangeType(value, stored, 0, wanted);
}

STDMETHODIMP PropertyBag::Write(LPCOLESTR name, VARIANT *value) {
    if (!name || !value) return E_POINTER;
    values[name] = Variant(*value);
    return S_OK;
}

ComPtr<IStream> MemoryStream(const std::vector<BYTE> &bytes) {
    ComPtr<IStream> stream;
    CreateStreamOnHGlobal(nullptr, TRUE, stream.Out());
    if (stream && !bytes.empty()) stream->Write(bytes.data(), static_cast<ULONG>(bytes.size()), nullptr);
    if (stream) stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr);
    return stream;
}

std::vector<BYTE> StreamBytes(IStream *stream) {
    STATSTG stat = {};
    if (!stream || FAILED(stream->Stat(&stat, STATFLAG_NONAME))) return {};
    std::vector<BYTE> bytes(static_cast<size_t>(stat.cbSize.QuadPart));
    ULONG read = 0;
    stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr);
    stream->Read(bytes.data(), static_cast<ULONG>(bytes.size()), &read);
    stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr);
    bytes.resize(read);
    return bytes;
}

ComPtr<IStream> SaveToStream(IUnknown *control) {
    ComPtr<IStream> stream = MemoryStream();
    auto persist = ComPtr<IUnknown>(control).As<IPersistStreamInit>(IID_IPersistStreamInit);
    if (!persist || FAILED(persist->Save(stream.Get(), TRUE))) return ComPtr<IStream>();
    stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr);
    return stream;
}

HRESULT SaveToBag(IUnknown *control, PropertyBag &bag) {
    auto persist = ComPtr<IUnknown>(control).As<IPersistPropertyBag>(IID_IPersistPropertyBag);
    return persist ? persist->Save(&bag, TRUE, TRUE) : E_NOINTERFACE;
}

STDMETHODIMP TestSite::QueryInterface(REFIID iid, void **object) {
    IUnknown *site = static_cast<IOleClientSite *>(this), *inPlace = static_cast<IOleInPlaceSite *>(this);
    return Offer(iid, object, {{IID_IUnknown, site}, {IID_IOleClientSite, site}, {IID_IOleWindow, inPlace},
                               {IID_IOleInPlaceSite, inPlace}, {IID_IDispatch, static_cast<IDispatch *>(this)}});
}

STDMETHODIMP_(ULONG) TestSite::Release() {
    const ULONG refs = --refs_;
    if (refs == 0) delete this;
    return refs;
}

STDMETHODIMP TestSite::GetWindowContext(IOleInPlaceFrame **frame, IOleInPlaceUIWindow **document, LPRECT position,
                                        LPRECT clip, LPOLEINPLACEFRAMEINFO) {
    *frame = nullptr;
    *document = nullptr;
    GetClientRect(window_, position);
    GetClientRect(window_, clip);
    return S_OK;
}

STDMETHODIMP TestSite::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS *, VARIANT *result, EXCEPINFO *, UINT *) {
    if (!result) return E_POINTER;
    VariantInit(result);
    if (id == DISPID_AMBIENT_USERMODE || (id == DISPID_AMBIENT_RIGHTTOLEFT && rightToLeft)) {
        V_VT(result) = VT_BOOL;
        V_BOOL(result) = (id == DISPID_AMBIENT_USERMODE ? userMode : *rightToLeft) ? VARIANT_TRUE : VARIANT_FALSE;
    } else if (id == DISPID_AMBIENT_FONT && font) {
        V_VT(result) = VT_DISPATCH;
        V_DISPATCH(result) = font.AddRefed();
    } else {
        return DISP_E_MEMBERNOTFOUND;
    }
    return S_OK;
}

HostedControl HostedControl::InAtl(HWND form, Caller caller) {
    // atl.dll is found at run time: MinGW ships no ATL import library.
    using GetControl = HRESULT(WINAPI *)(HWND, IUnknown **);
    static const GetControl getControl = []() -> GetControl {
        HMODULE atl = LoadLibraryW(L"atl.dll");
        auto init = atl ? reinterpret_cast<BOOL(WINAPI *)()>(GetProcAddress(atl, "AtlAxWinInit")) : nullptr;
        if (init) init();  // registers "AtlAxWin"
        return init ? reinterpret_cast<GetControl>(GetProcAddress(atl, "AtlAxGetControl")) : nullptr;
    }();
    HostedControl hosted;
    hosted.container_ = CreateWindowExW(0, L"AtlAxWin", L"Brocade.Brocade", WS_CHILD | WS_VISIBLE, 0, 0, 32, 32, form,
                                        nullptr, GetModuleHandleW(nullptr), nullptr);
    ComPtr<IUnknown> unknown;
    if (getControl && hosted.container_ && SUCCEEDED(getControl(hosted.container_, unknown.Out())) && unknown)
        hosted.control_ = unknown.As<_Brocade>(IID__Brocade);
    hosted.initResult_ = hosted.control_ ? S_OK : E_FAIL;
    if (!hosted.control_) ADD_FAILURE_AT(caller.file, caller.line) << "ATL could not create Brocade.Brocade (is Brocade.ocx registered?)";
    return hosted;
}

HostedControl HostedControl::WithSite(HWND form, const SiteOptions &options, Caller caller) {
    HostedControl hosted;
    hosted.container_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 32, 32, form, nullptr,
                                        GetModuleHandleW(nullptr), nullptr);
    hosted.site_ = new TestSite(hosted.container_, options);
    CLSID clsid;
    ComPtr<IOleObject> object;
    if (SUCCEEDED(CLSIDFromProgID(L"Brocade.Brocade", &clsid)))
        CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject, reinterpret_cast<void **>(object.Out()));
    if (!object) {
        ADD_FAILURE_AT(caller.file, caller.line) << "Brocade.Brocade could not be created by its ProgID (is Brocade.ocx registered?)";
        return hosted;
    }
    hosted.control_ = object.As<_Brocade>(IID__Brocade);
    if (!options.siteAfterLoad) object->SetClientSite(hosted.site_);
    if (options.bag) {
        auto persist = object.As<IPersistPropertyBag>(IID_IPersistPropertyBag);
        hosted.initResult_ = persist ? persist->Load(options.bag, nullptr) : E_NOINTERFACE;
    } else if (auto persist = object.As<IPersistStreamInit>(IID_IPersistStreamInit)) {
        hosted.initResult_ = options.stream ? persist->Load(options.stream) : persist->InitNew();
    }
    if (options.siteAfterLoad) object->SetClientSite(hosted.site_);
    RECT position = {0, 0, 32, 32};
    if (options.activate) object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, hosted.site_, 0, hosted.container_, &position);
    return hosted;
}

HostedControl::HostedControl(HostedControl &&other) noexcept
    : control_(std::move(other.control_)), container_(std::exchange(other.container_, nullptr)),
      site_(std::exchange(other.site_, nullptr)), initResult_(other.initResult_) {}

void HostedControl::Close() {
    ComPtr<_Brocade> control = std::move(control_);
    auto object = control.As<IOleObject>(IID_IOleObject);
    if (object && site_) {
        object->Close(OLECLOSE_NOSAVE);
        object->SetClientSite(nullptr);
    }
    object.Reset();
    control.Reset();
    // The ATL window closes and unsites the control itself as it goes.
    if (IsWindow(container_)) DestroyWindow(container_);
    container_ = nullptr;
    if (site_) std::exchange(site_, nullptr)->Release();
}

}  // namespace brocade_test
