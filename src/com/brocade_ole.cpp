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

STDMETHODIMP BrocadeObject::SetClientSite(IOleClientSite *site) {
    clientSite_ = ComPtr<IOleClientSite>(site);
    ReadAmbientUserMode();
    if (site && initialized_) core_->AttachLate();
    return S_OK;
}

STDMETHODIMP BrocadeObject::GetClientSite(IOleClientSite **site) {
    if (!site) return E_POINTER;
    *site = clientSite_.AddRefed();
    return S_OK;
}

STDMETHODIMP BrocadeObject::SetHostNames(LPCOLESTR, LPCOLESTR) { return S_OK; }

STDMETHODIMP BrocadeObject::Close(DWORD) {
    InPlaceDeactivate();
    if (adviseHolder_) adviseHolder_->SendOnClose();
    return S_OK;
}

STDMETHODIMP BrocadeObject::SetMoniker(DWORD, IMoniker *) { return E_NOTIMPL; }

STDMETHODIMP BrocadeObject::GetMoniker(DWORD, DWORD, IMoniker **moniker) {
    if (moniker) *moniker = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP BrocadeObject::InitFromData(IDataObject *, BOOL, DWORD) { return E_NOTIMPL; }

STDMETHODIMP BrocadeObject::GetClipboardData(DWORD, IDataObject **data) {
    if (data) *data = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP BrocadeObject::DoVerb(LONG verb, LPMSG, IOleClientSite *site, LONG, HWND parent, LPCRECT rect) {
    switch (verb) {
    case OLEIVERB_PRIMARY:
    case OLEIVERB_SHOW:
    case OLEIVERB_INPLACEACTIVATE:
    case OLEIVERB_UIACTIVATE: {
        if (inPlaceActive_) return S_OK;
        if (site && !clientSite_) SetClientSite(site);
        ComPtr<IOleInPlaceSite> inPlace = clientSite_.As<IOleInPlaceSite>(IID_IOleInPlaceSite);
        if (!inPlace) return E_NOINTERFACE;
        if (inPlace->CanInPlaceActivate() != S_OK) return E_FAIL;
        inPlace->OnInPlaceActivate();
        HWND window = parent;
        if (FAILED(inPlace->GetWindow(&window)) || !window) window = parent;
        parentWindow_ = window;
        RECT position = rect ? *rect : RECT{0, 0, kDesignIconPixels, kDesignIconPixels};
        position.right = position.left + kDesignIconPixels;
        position.bottom = position.top + kDesignIconPixels;
        core_->Window().Create(parentWindow_, position, !userMode_);
        inPlaceActive_ = true;
        EnsureInitialized();
        core_->AttachLate();
        return S_OK;
    }
    case OLEIVERB_HIDE:
        return InPlaceDeactivate();
    default:
        return OLEOBJ_S_INVALIDVERB;
    }
}

STDMETHODIMP BrocadeObject::EnumVerbs(IEnumOLEVERB **verbs) { return OleRegEnumVerbs(CLSID_Brocade, verbs); }
STDMETHODIMP BrocadeObject::Update() { return S_OK; }
STDMETHODIMP BrocadeObject::IsUpToDate() { return S_OK; }

STDMETHODIMP BrocadeObject::GetUserClassID(CLSID *clsid) {
    if (!clsid) return E_POINTER;
    *clsid = CLSID_Brocade;
    return S_OK;
}

STDMETHODIMP BrocadeObject::GetUserType(DWORD form, LPOLESTR *type) {
    return OleRegGetUserType(CLSID_Brocade, form, type);
}

STDMETHODIMP BrocadeObject::SetExtent(DWORD aspect, SIZEL *size) {
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (!size) return E_POINTER;
    // The control always keeps the size of its icon, whatever the container asks.
    extent_ = DesignExtent();
    return S_OK;
}

STDMETHODIMP BrocadeObject::GetExtent(DWORD aspect, SIZEL *size) {
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (!size) return E_POINTER;
    *size = DesignExtent();
    return S_OK;
}

STDMETHODIMP BrocadeObject::Advise(IAdviseSink *sink, DWORD *connection) {
    if (!adviseHolder_) {
        HRESULT hr = CreateOleAdviseHolder(adviseHolder_.Out());
        if (FAILED(hr)) return hr;
    }
    return adviseHolder_->Advise(sink, connection);
}

STDMETHODIMP BrocadeObject::Unadvise(DWORD connection) {
    return adviseHolder_ ? adviseHolder_->Unadvise(connection) : OLE_E_NOCONNECTION;
}

STDMETHODIMP BrocadeObject::EnumAdvise(IEnumSTATDATA **advises) {
    if (!advises) return E_POINTER;
    *advises = nullptr;
    return adviseHolder_ ? adviseHolder_->EnumAdvise(advises) : E_FAIL;
}

STDMETHODIMP BrocadeObject::GetMiscStatus(DWORD, DWORD *status) {
    if (!status) return E_POINTER;
    *status = kMiscStatus;
    return S_OK;
}

STDMETHODIMP BrocadeObject::SetColorScheme(LOGPALETTE *) { return E_NOTIMPL; }

// --- IOleInPlaceObject ----------------------------------------------------------------------

STDMETHODIMP BrocadeObject::GetWindow(HWND *window) {
    if (!window) return E_POINTER;
    *window = core_->Window().Handle();
    return *window ? S_OK : E_FAIL;
}

STDMETHODIMP BrocadeObject::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }

STDMETHODIMP BrocadeObject::InPlaceDeactivate() {
    if (!inPlaceActive_) return S_OK;
    inPlaceActive_ = false;
    core_->Window().Destroy();
    if (ComPtr<IOleInPlaceSite> inPlace = clientSite_.As<IOleInPlaceSite>(IID_IOleInPlaceSite))
        inPlace->OnInPlaceDeactivate();
    return S_OK;
}

STDMETHODIMP BrocadeObject::UIDeactivate() { return S_OK; }

STDMETHODIMP BrocadeObject::SetObjectRects(LPCRECT position, LPCRECT) {
    if (!position) return E_POINTER;
    RECT fixed = {position->left, position->top, position->left + kDesignIconPixels,
                  position->top + kDesignIconPixels};
    core_->Window().Move(fixed);
    return S_OK;
}

STDMETHODIMP BrocadeObject::ReactivateAndUndo() { return INPLACE_E_NOTUNDOABLE; }

// --- IOleControl ----------------------------------------------------------------------------

STDMETHODIMP BrocadeObject::GetControlInfo(CONTROLINFO *info) {
    if (!info) return E_POINTER;
    info->hAccel = nullptr;
    info->cAccel = 0;
    info->dwFlags = 0;
    return S_OK;
}

STDMETHODIMP BrocadeObject::OnMnemonic(MSG *) { return E_NOTIMPL; }

STDMETHODIMP BrocadeObject::OnAmbientPropertyChange(DISPID dispid) {
    if (dispid == DISPID_AMBIENT_USERMODE || dispid == DISPID_UNKNOWN) ReadAmbientUserMode();
    return S_OK;
}

STDMETHODIMP BrocadeObject::FreezeEvents(BOOL freeze) {
    eventsFrozen_ += freeze ? 1 : -1;
    if (eventsFrozen_ < 0) eventsFrozen_ = 0;
    return S_OK;
}

// --- IViewObject2 ---------------------------------------------------------------------------

STDMETHODIMP BrocadeObject::Draw(DWORD aspect, LONG, void *, DVTARGETDEVICE *, HDC, HDC dc, LPCRECTL bounds,
                                 LPCRECTL, BOOL(STDMETHODCALLTYPE *)(ULONG_PTR), ULONG_PTR) {
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (!dc || !bounds) return E_INVALIDARG;
    RECT rect = {bounds->left, bounds->top, bounds->right, bounds->bottom};
    DrawDesignIcon(dc, rect);
    return S_OK;
}

STDMETHODIMP BrocadeObject::GetColorSet(DWORD, LONG, void *, DVTARGETDEVICE *, HDC, LOGPALETTE **colors) {
    if (colors) *colors = nullptr;
    return S_FALSE;
}

STDMETHODIMP BrocadeObject::Freeze(DWORD, LONG, void *, DWORD *) { return E_NOTIMPL; }
STDMETHODIMP BrocadeObject::Unfreeze(DWORD) { return E_NOTIMPL; }

STDMETHODIMP BrocadeObject::SetAdvise(DWORD aspects, DWORD flags, IAdviseSink *sink) {
    viewAspects_ = aspects;
    viewAdviseFlags_ = flags;
    viewSink_ = ComPtr<IAdviseSink>(sink);
    return S_OK;
}

STDMETHODIMP BrocadeObject::GetAdvise(DWORD *aspects, DWORD *flags, IAdviseSink **sink) {
    if (aspects) *aspects = viewAspects_;
    if (flags) *flags = viewAdviseFlags_;
    if (sink) *sink = viewSink_.AddRefed();
    return S_OK;
}

STDMETHODIMP BrocadeObject::GetExtent(DWORD aspect, LONG, DVTARGETDEVICE *, LPSIZEL size) {
    return GetExtent(aspect, size);
}

}  // namespace brocade
