// The demo's own receiver of the control's events. The host advises it through
// IConnectionPointContainer itself rather than through AtlAxCreateControlEx's sink argument,
// so it is connected whichever atl.dll is loaded.
#pragma once
#include <windows.h>
#include <ole2.h>

#include "Brocade.h"
#include "common/com_ptr.h"

namespace brocade::demo {

// What the form does with the events it cares about.
class EventHandler {
public:
    virtual void OnSetMenuItemAttributes(_CMenuItem *item) = 0;
    // helpMessage may be replaced (it is the control's BSTR, passed by reference).
    virtual void OnShowMenuHelp(_CMenuItem *item, BSTR *helpMessage) = 0;
    virtual void OnClearMenuHelp() = 0;

protected:
    ~EventHandler() = default;
};

class EventSink : public IDispatch {
public:
    explicit EventSink(EventHandler &handler) : handler_(handler) {}
    virtual ~EventSink() = default;

    // Connects to the control's __Brocade source; false when it offers none.
    bool Connect(IUnknown *control);
    void Disconnect();

    STDMETHODIMP QueryInterface(REFIID iid, void **object) override;
    STDMETHODIMP_(ULONG) AddRef() override { return ++references_; }
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP GetTypeInfoCount(UINT *count) override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo **info) override;
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR *, UINT, LCID, DISPID *) override;
    STDMETHODIMP Invoke(DISPID dispid, REFIID, LCID, WORD, DISPPARAMS *params, VARIANT *, EXCEPINFO *,
                        UINT *) override;

private:
    EventHandler &handler_;
    ULONG references_ = 1;
    ComPtr<IConnectionPoint> point_;
    DWORD cookie_ = 0;
};

}  // namespace brocade::demo
