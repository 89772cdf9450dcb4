// The container interfaces of the Brocade object: embedding, in-place activation,
// ambient properties and the design-time view.
#include <windows.h>
#include <oleauto.h>

#include "com/brocade_object.h"
#include "com/module.h"
#include "common/gdi.h"
#include "control/design_icon.h"

namespace brocade {

namespace {

// The icon's size in HIMETRIC units at the screen's resolution.
SIZEL DesignExtent() {
    WindowDc screen(nullptr);
    int dpiX = screen ? GetDeviceCaps(screen.Get(), LOGPIXELSX) : 96;
    int dpiY = screen ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 96;
    return {MulDiv(kDesignIconPixels, 2540, dpiX), MulDiv(kDesignIconPixels, 2540, dpiY)};
}

}  // namespace

// --- IOleObject -----------------------------------------------------------------------------

STDMETHODIMP BrocadeObject::OleObject::SetClientSite(IOleClientSite *site) {
    object_.clientSite_ = ComPtr<IOleClientSite>(site);
    object_.ReadAmbientUserMode();
    if (!site || !object_.initialized_) return S_OK;
    return ComGuard([&] {
        object_.Core().AttachLate();
        return S_OK;
    });
}

STDMETHODIMP BrocadeObject::OleObject::GetClientSite(IOleClientSite **site) {
    if (!site) return E_POINTER;
    *site = object_.clientSite_.AddRefed();
    return S_OK;
}

STDMETHODIMP BrocadeObject::OleObject::SetHostNames(LPCOLESTR, LPCOLESTR) { return S_OK; }

STDMETHODIMP BrocadeObject::OleObject::Close(DWORD) {
    object_.inPlaceObject_.InPlaceDeactivate();
    if (object_.adviseHolder_) object_.adviseHolder_->SendOnClose();
    return S_OK;
}

STDMETHODIMP BrocadeObject::OleObject::SetMoniker(DWORD, IMoniker *) { return E_NOTIMPL; }

STDMETHODIMP BrocadeObject::OleObject::GetMoniker(DWORD, DWORD, IMoniker **moniker) {
    if (moniker) *moniker = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP BrocadeObject::OleObject::InitFromData(IDataObject *, BOOL, DWORD) { return E_NOTIMPL; }

STDMETHODIMP BrocadeObject::OleObject::GetClipboardData(DWORD, IDataObject **data) {
    if (data) *data = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP BrocadeObject::OleObject::DoVerb(LONG verb, LPMSG, IOleClientSite *site, LONG, HWND parent, LPCRECT rect) {
    switch (verb) {
    case OLEIVERB_PRIMARY:
    case OLEIVERB_SHOW:
    case OLEIVERB_INPLACEACTIVATE:
    case OLEIVERB_UIACTIVATE:
        return ComGuard([&] { return ActivateInPlace(site, parent, rect); });
    case OLEIVERB_HIDE:
        return object_.inPlaceObject_.InPlaceDeactivate();
    default:
        return OLEOBJ_S_INVALIDVERB;
    }
}

HRESULT BrocadeObject::OleObject::ActivateInPlace(IOleClientSite *site, HWND parent, LPCRECT rect) {
    if (object_.inPlaceActive_) return S_OK;
    if (site && !object_.clientSite_) SetClientSite(site);
    ComPtr<IOleInPlaceSite> inPlace = object_.clientSite_.As<IOleInPlaceSite>(IID_IOleInPlaceSite);
    if (!inPlace) return E_NOINTERFACE;
    if (inPlace->CanInPlaceActivate() != S_OK) return E_FAIL;
    inPlace->OnInPlaceActivate();
    HWND window = parent;
    if (FAILED(inPlace->GetWindow(&window)) || !window) window = parent;
    object_.parentWindow_ = window;
    RECT position = rect ? *rect : RECT{0, 0, kDesignIconPixels, kDesignIconPixels};
    position.right = position.left + kDesignIconPixels;
    position.bottom = position.top + kDesignIconPixels;
    object_.Core().Window().Create(object_.parentWindow_, position, !object_.userMode_);
    object_.inPlaceActive_ = true;
    object_.EnsureInitialized();
    object_.Core().AttachLate();
    return S_OK;
}

STDMETHODIMP BrocadeObject::OleObject::EnumVerbs(IEnumOLEVERB **verbs) { return OleRegEnumVerbs(CLSID_Brocade, verbs); }
STDMETHODIMP BrocadeObject::OleObject::Update() { return S_OK; }
STDMETHODIMP BrocadeObject::OleObject::IsUpToDate() { return S_OK; }

STDMETHODIMP BrocadeObject::OleObject::GetUserClassID(CLSID *clsid) {
    if (!clsid) return E_POINTER;
    *clsid = CLSID_Brocade;
    return S_OK;
}

STDMETHODIMP BrocadeObject::OleObject::GetUserType(DWORD form, LPOLESTR *type) {
    return OleRegGetUserType(CLSID_Brocade, form, type);
}

STDMETHODIMP BrocadeObject::OleObject::SetExtent(DWORD aspect, SIZEL *size) {
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (!size) return E_POINTER;
    // The control always keeps the size of its icon, whatever the container asks.
    object_.extent_ = DesignExtent();
    return S_OK;
}

STDMETHODIMP BrocadeObject::OleObject::GetExtent(DWORD aspect, SIZEL *size) {
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (!size) return E_POINTER;
    *size = DesignExtent();
    return S_OK;
}

STDMETHODIMP BrocadeObject::OleObject::Advise(IAdviseSink *sink, DWORD *connection) {
    if (!object_.adviseHolder_) {
        HRESULT hr = CreateOleAdviseHolder(object_.adviseHolder_.Out());
        if (FAILED(hr)) return hr;
    }
    return object_.adviseHolder_->Advise(sink, connection);
}

STDMETHODIMP BrocadeObject::OleObject::Unadvise(DWORD connection) {
    return object_.adviseHolder_ ? object_.adviseHolder_->Unadvise(connection) : OLE_E_NOCONNECTION;
}

STDMETHODIMP BrocadeObject::OleObject::EnumAdvise(IEnumSTATDATA **advises) {
    if (!advises) return E_POINTER;
    *advises = nullptr;
    return object_.adviseHolder_ ? object_.adviseHolder_->EnumAdvise(advises) : E_FAIL;
}

STDMETHODIMP BrocadeObject::OleObject::GetMiscStatus(DWORD, DWORD *status) {
    if (!status) return E_POINTER;
    *status = kMiscStatus;
    return S_OK;
}

STDMETHODIMP BrocadeObject::OleObject::SetColorScheme(LOGPALETTE *) { return E_NOTIMPL; }

// --- IOleInPlaceObject ----------------------------------------------------------------------

STDMETHODIMP BrocadeObject::InPlaceObject::GetWindow(HWND *window) {
    if (!window) return E_POINTER;
    *window = object_.Core().Window().Handle();
    return *window ? S_OK : E_FAIL;
}

STDMETHODIMP BrocadeObject::InPlaceObject::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }

STDMETHODIMP BrocadeObject::InPlaceObject::InPlaceDeactivate() {
    if (!object_.inPlaceActive_) return S_OK;
    object_.inPlaceActive_ = false;
    object_.Core().Window().Destroy();
    if (ComPtr<IOleInPlaceSite> inPlace = object_.clientSite_.As<IOleInPlaceSite>(IID_IOleInPlaceSite))
        inPlace->OnInPlaceDeactivate();
    return S_OK;
}

STDMETHODIMP BrocadeObject::InPlaceObject::UIDeactivate() { return S_OK; }

STDMETHODIMP BrocadeObject::InPlaceObject::SetObjectRects(LPCRECT position, LPCRECT) {
    if (!position) return E_POINTER;
    RECT fixed = {position->left, position->top, position->left + kDesignIconPixels,
                  position->top + kDesignIconPixels};
    object_.Core().Window().Move(fixed);
    return S_OK;
}

STDMETHODIMP BrocadeObject::InPlaceObject::ReactivateAndUndo() { return INPLACE_E_NOTUNDOABLE; }

// --- IOleControl ----------------------------------------------------------------------------

STDMETHODIMP BrocadeObject::OleControl::GetControlInfo(CONTROLINFO *info) {
    if (!info) return E_POINTER;
    info->hAccel = nullptr;
    info->cAccel = 0;
    info->dwFlags = 0;
    return S_OK;
}

STDMETHODIMP BrocadeObject::OleControl::OnMnemonic(MSG *) { return E_NOTIMPL; }

STDMETHODIMP BrocadeObject::OleControl::OnAmbientPropertyChange(DISPID dispid) {
    if (dispid == DISPID_AMBIENT_USERMODE || dispid == DISPID_UNKNOWN) object_.ReadAmbientUserMode();
    return S_OK;
}

STDMETHODIMP BrocadeObject::OleControl::FreezeEvents(BOOL freeze) {
    object_.eventsFrozen_ += freeze ? 1 : -1;
    if (object_.eventsFrozen_ < 0) object_.eventsFrozen_ = 0;
    return S_OK;
}

// --- IViewObject2 ---------------------------------------------------------------------------

STDMETHODIMP BrocadeObject::ViewObject::Draw(DWORD aspect, LONG, void *, DVTARGETDEVICE *, HDC, HDC dc, LPCRECTL bounds,
                                 LPCRECTL, BOOL(STDMETHODCALLTYPE *)(ULONG_PTR), ULONG_PTR) {
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (!dc || !bounds) return E_INVALIDARG;
    RECT rect = {bounds->left, bounds->top, bounds->right, bounds->bottom};
    DrawDesignIcon(dc, rect);
    return S_OK;
}

STDMETHODIMP BrocadeObject::ViewObject::GetColorSet(DWORD, LONG, void *, DVTARGETDEVICE *, HDC, LOGPALETTE **colors) {
    if (colors) *colors = nullptr;
    return S_FALSE;
}

STDMETHODIMP BrocadeObject::ViewObject::Freeze(DWORD, LONG, void *, DWORD *) { return E_NOTIMPL; }
STDMETHODIMP BrocadeObject::ViewObject::Unfreeze(DWORD) { return E_NOTIMPL; }

STDMETHODIMP BrocadeObject::ViewObject::SetAdvise(DWORD aspects, DWORD flags, IAdviseSink *sink) {
    object_.viewAspects_ = aspects;
    object_.viewAdviseFlags_ = flags;
    object_.viewSink_ = ComPtr<IAdviseSink>(sink);
    return S_OK;
}

STDMETHODIMP BrocadeObject::ViewObject::GetAdvise(DWORD *aspects, DWORD *flags, IAdviseSink **sink) {
    if (aspects) *aspects = object_.viewAspects_;
    if (flags) *flags = object_.viewAdviseFlags_;
    if (sink) *sink = object_.viewSink_.AddRefed();
    return S_OK;
}

STDMETHODIMP BrocadeObject::ViewObject::GetExtent(DWORD aspect, LONG, DVTARGETDEVICE *, LPSIZEL size) {
    return object_.oleObject_.GetExtent(aspect, size);
}

}  // namespace brocade
