// The real COM object sited on a form the way a container sites it, and an event sink whose
// every event runs what the test scripts: a host that fails, or one that re-enters.
#pragma once
#include <windows.h>
#include <ocidl.h>

#include <functional>
#include <vector>

#include "Brocade.h"
#include "common/com_ptr.h"

namespace brocade_test {

// A container's site: it answers the window the control sits in, and nothing more.
class InPlaceSite final : public IOleClientSite, public IOleInPlaceSite {
public:
    explicit InPlaceSite(HWND window) : window_(window) {}
    STDMETHODIMP QueryInterface(REFIID iid, void **result) override;
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
    STDMETHODIMP_(ULONG) Release() override;
    // IOleClientSite
    STDMETHODIMP SaveObject() override { return E_NOTIMPL; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker **) override { return E_NOTIMPL; }
    STDMETHODIMP GetContainer(IOleContainer **container) override;
    STDMETHODIMP ShowObject() override { return S_OK; }
    STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
    STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }
    // IOleWindow / IOleInPlaceSite
    STDMETHODIMP GetWindow(HWND *window) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return S_OK; }
    STDMETHODIMP CanInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnUIActivate() override { return S_OK; }
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame **, IOleInPlaceUIWindow **, LPRECT, LPRECT,
                                  LPOLEINPLACEFRAMEINFO) override {
        return E_NOTIMPL;
    }
    STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
    STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
    STDMETHODIMP OnInPlaceDeactivate() override { return S_OK; }
    STDMETHODIMP DiscardUndoState() override { return S_OK; }
    STDMETHODIMP DeactivateAndUndo() override { return S_OK; }
    STDMETHODIMP OnPosRectChange(LPCRECT) override { return S_OK; }

private:
    HWND window_;
    LONG refs_ = 1;
};

// The control created in process, given a site whose window is a new child of the form, and
// initialised as new: it attaches to the form.
class SitedControl {
public:
    explicit SitedControl(HWND form);
    ~SitedControl() { Close(); }
    SitedControl(const SitedControl &) = delete;
    SitedControl &operator=(const SitedControl &) = delete;

    _Brocade *Get() const { return control_.Get(); }
    HWND Container() const { return container_; }
    // What a container does when the form closes: Close, take the site away, let go.
    void Close();

private:
    HWND container_ = nullptr;
    InPlaceSite *site_ = nullptr;
    brocade::ComPtr<_Brocade> control_;
};

// An event sink of __Brocade that hands every event to a scripted reaction, whose result
// Invoke returns.
class ScriptedSink final : public IDispatch {
public:
    using Reaction = std::function<HRESULT(DISPID event, DISPPARAMS *params, EXCEPINFO *exception)>;
    Reaction react;
    std::vector<DISPID> received;

    STDMETHODIMP QueryInterface(REFIID iid, void **result) override;
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
    STDMETHODIMP_(ULONG) Release() override { return --refs_; }
    STDMETHODIMP GetTypeInfoCount(UINT *count) override {
        *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo **) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR *, UINT, LCID, DISPID *) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS *params, VARIANT *, EXCEPINFO *exception,
                        UINT *) override;

private:
    LONG refs_ = 1;
};

// Event numbers of __Brocade.
constexpr DISPID kEventSetMenuItemAttributes = 1;
constexpr DISPID kEventSetMenuItemSize = 2;
constexpr DISPID kEventShowMenuHelp = 4;
constexpr DISPID kEventClearMenuHelp = 5;

}  // namespace brocade_test
