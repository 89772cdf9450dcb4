// The control created the way containers create it: in Wine's stock ATL container, or by ProgID
// with a client site of the test's own; and the persistence media a container hands it.
#pragma once
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "Brocade.h"
#include "support/automation.h"
#include "support/wait.h"

namespace brocade_test {

// A property bag over a map, as a form file keeps the control's properties. Owned by the test.
class PropertyBag final : public IPropertyBag {
public:
    std::map<std::wstring, Variant> values;
    STDMETHODIMP QueryInterface(REFIID iid, void **object) override {
        return Offer(iid, object, {{IID_IUnknown, this}, {IID_IPropertyBag, this}});
    }
    ULONG references = 1;  // the test's own, and any the control holds
    STDMETHODIMP_(ULONG) AddRef() override { return ++references; }
    STDMETHODIMP_(ULONG) Release() override { return --references; }
    STDMETHODIMP Read(LPCOLESTR name, VARIANT *value, IErrorLog *log) override;
    STDMETHODIMP Write(LPCOLESTR name, VARIANT *value) override;
};

// A stream on memory holding bytes, at its start.
ComPtr<IStream> MemoryStream(const std::vector<BYTE> &bytes = {});
std::vector<BYTE> StreamBytes(IStream *stream);
// What a container does to save the control: IPersistStreamInit::Save into a new stream
// (returned at its start; null on failure), or IPersistPropertyBag::Save into a bag.
ComPtr<IStream> SaveToStream(IUnknown *control);
HRESULT SaveToBag(IUnknown *control, PropertyBag &bag);

struct SiteOptions {
    bool userMode = true;             // ambient UserMode
    std::optional<bool> rightToLeft;  // ambient RightToLeft; unanswered while empty
    ComPtr<IFontDisp> font;           // ambient Font; unanswered while empty
    IStream *stream = nullptr;        // IPersistStreamInit::Load from it instead of InitNew
    IPropertyBag *bag = nullptr;      // IPersistPropertyBag::Load from it instead of InitNew
    bool siteAfterLoad = false;       // the site comes after InitNew or Load, as Wine's ATL gives it
    bool activate = true;             // DoVerb(OLEIVERB_INPLACEACTIVATE) once initialised and sited
};

// The test's client site: IOleClientSite, IOleInPlaceSite (its window a child of the form) and
// IDispatch answering the ambient properties. The fields may change while the control lives;
// tell it through IOleControl::OnAmbientPropertyChange.
class TestSite final : public IOleClientSite, public IOleInPlaceSite, public IDispatch {
public:
    TestSite(HWND window, const SiteOptions &options)
        : userMode(options.userMode), rightToLeft(options.rightToLeft), font(options.font), window_(window) {}
    bool userMode;
    std::optional<bool> rightToLeft;
    ComPtr<IFontDisp> font;

    STDMETHODIMP QueryInterface(REFIID iid, void **object) override;
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP SaveObject() override { return E_NOTIMPL; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker **moniker) override { return *moniker = nullptr, E_NOTIMPL; }
    STDMETHODIMP GetContainer(IOleContainer **container) override { return *container = nullptr, E_NOINTERFACE; }
    STDMETHODIMP ShowObject() override { return S_OK; }
    STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
    STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }
    STDMETHODIMP GetWindow(HWND *window) override { return *window = window_, S_OK; }
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return S_OK; }
    STDMETHODIMP CanInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnUIActivate() override { return S_OK; }
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame **frame, IOleInPlaceUIWindow **document, LPRECT position,
                                  LPRECT clip, LPOLEINPLACEFRAMEINFO) override;
    STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
    STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
    STDMETHODIMP OnInPlaceDeactivate() override { return S_OK; }
    STDMETHODIMP DiscardUndoState() override { return S_OK; }
    STDMETHODIMP DeactivateAndUndo() override { return S_OK; }
    STDMETHODIMP OnPosRectChange(LPCRECT) override { return S_OK; }
    STDMETHODIMP GetTypeInfoCount(UINT *count) override { return *count = 0, S_OK; }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo **info) override { return *info = nullptr, E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR *, UINT, LCID, DISPID *) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS *, VARIANT *result, EXCEPINFO *, UINT *) override;

private:
    HWND window_;
    ULONG refs_ = 1;
};

// The control in a container on a form. Declare it after the Form (so that it closes first) and
// before any sink connected to it (so that the sink disconnects first).
class HostedControl {
public:
    // A child of the form of class "AtlAxWin" named "Brocade.Brocade": ATL creates the control by
    // its ProgID, initialises it as new, then sites it and activates it in place.
    static HostedControl InAtl(HWND form, Caller caller = {});
    // Created by ProgID, sited, initialised and activated as the options say, in a container
    // window that is a new child of the form.
    static HostedControl WithSite(HWND form, const SiteOptions &options = {}, Caller caller = {});
    HostedControl(HostedControl &&other) noexcept;
    HostedControl &operator=(HostedControl &&) = delete;
    ~HostedControl() { Close(); }

    _Brocade *Get() const { return control_.Get(); }
    _Brocade *operator->() const { return control_.Get(); }
    operator IDispatch *() const { return control_.Get(); }
    template <class I>
    ComPtr<I> As(REFIID iid) const { return control_.template As<I>(iid); }
    HRESULT InitResult() const { return initResult_; }  // of InitNew or Load (S_OK in ATL)
    TestSite *Site() const { return site_; }            // null in ATL
    HWND Container() const { return container_; }

    // What a container does when the form closes: IOleObject::Close, SetClientSite(nullptr),
    // every reference let go, the container window destroyed. Safe to call again.
    void Close();

private:
    HostedControl() = default;
    ComPtr<_Brocade> control_;
    HWND container_ = nullptr;
    TestSite *site_ = nullptr;
    HRESULT initResult_ = E_FAIL;
};

}  // namespace brocade_test
