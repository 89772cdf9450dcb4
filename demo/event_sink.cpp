#include "event_sink.h"

#include <ocidl.h>

namespace brocade::demo {

namespace {

// Event arguments arrive last to first.
ComPtr<_CMenuItem> MenuItemArgument(const DISPPARAMS *params, UINT indexFromLast) {
    if (!params || indexFromLast >= params->cArgs) return ComPtr<_CMenuItem>();
    const VARIANT &argument = params->rgvarg[indexFromLast];
    IDispatch *dispatch = nullptr;
    if (V_VT(&argument) == VT_DISPATCH) dispatch = V_DISPATCH(&argument);
    if (V_VT(&argument) == (VT_DISPATCH | VT_BYREF) && V_DISPATCHREF(&argument)) dispatch = *V_DISPATCHREF(&argument);
    return ComPtr<IDispatch>(dispatch).As<_CMenuItem>(IID__CMenuItem);
}

}  // namespace

bool EventSink::Connect(IUnknown *control) {
    ComPtr<IConnectionPointContainer> container =
        ComPtr<IUnknown>(control).As<IConnectionPointContainer>(IID_IConnectionPointContainer);
    if (!container || FAILED(container->FindConnectionPoint(DIID___Brocade, point_.Out()))) return false;
    if (FAILED(point_->Advise(this, &cookie_))) {
        point_.Reset();
        return false;
    }
    return true;
}

void EventSink::Disconnect() {
    if (point_ && cookie_) point_->Unadvise(cookie_);
    point_.Reset();
    cookie_ = 0;
}

STDMETHODIMP EventSink::QueryInterface(REFIID iid, void **object) {
    if (!object) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == DIID___Brocade) {
        *object = static_cast<IDispatch *>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) EventSink::Release() {
    // The form owns the sink; the count only tracks the control's references.
    return --references_;
}

STDMETHODIMP EventSink::GetTypeInfoCount(UINT *count) {
    if (!count) return E_POINTER;
    *count = 1;
    return S_OK;
}

// The sink is the control's event interface: its description comes from the control's type
// library, found through the registry or, deployed without registration, through the
// application's manifest.
STDMETHODIMP EventSink::GetTypeInfo(UINT index, LCID, ITypeInfo **info) {
    if (!info) return E_POINTER;
    *info = nullptr;
    if (index != 0) return DISP_E_BADINDEX;
    ComPtr<ITypeLib> library;
    HRESULT hr = LoadRegTypeLib(LIBID_BrocadeLib, 1, 0, LOCALE_NEUTRAL, library.Out());
    return FAILED(hr) ? hr : library->GetTypeInfoOfGuid(DIID___Brocade, info);
}

STDMETHODIMP EventSink::GetIDsOfNames(REFIID, LPOLESTR *, UINT, LCID, DISPID *) { return E_NOTIMPL; }

STDMETHODIMP EventSink::Invoke(DISPID dispid, REFIID, LCID, WORD, DISPPARAMS *params, VARIANT *, EXCEPINFO *,
                               UINT *) {
    switch (dispid) {
    case 1:  // SetMenuItemAttributes(aMenuItem)
        if (ComPtr<_CMenuItem> item = MenuItemArgument(params, 0)) handler_.OnSetMenuItemAttributes(item.Get());
        break;
    case 4: {  // ShowMenuHelp(aMenuItem, sHelpMessage by reference)
        ComPtr<_CMenuItem> item = MenuItemArgument(params, 1);
        VARIANT &help = params->rgvarg[0];
        if (item && params->cArgs == 2 && V_VT(&help) == (VT_BSTR | VT_BYREF) && V_BSTRREF(&help))
            handler_.OnShowMenuHelp(item.Get(), V_BSTRREF(&help));
        break;
    }
    case 5:  // ClearMenuHelp()
        handler_.OnClearMenuHelp();
        break;
    default:
        break;
    }
    return S_OK;
}

}  // namespace brocade::demo
