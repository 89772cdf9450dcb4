// A host's receivers: an IDispatch sink of the control's events (__Brocade) and a property
// change sink, each connected through IConnectionPointContainer. Both are owned by the test
// and disconnect as they go: declare them after the control they listen to.
#pragma once
#include <windows.h>
#include <ocidl.h>

#include <functional>
#include <string>
#include <vector>

#include "Brocade.h"
#include "support/automation.h"

namespace brocade_test {

// The events of __Brocade, by DISPID.
enum BrocadeEvent : DISPID {
    kSetMenuItemAttributes = 1,
    kSetMenuItemSize = 2,
    kDrawMenuItem = 3,
    kShowMenuHelp = 4,
    kClearMenuHelp = 5,
    kDrawMenuItemEx = 6,
};

// One sink's connection to an object's connection point.
class Connection {
public:
    ~Connection() { Disconnect(); }
    bool Connect(IUnknown *object, REFIID events, IUnknown *sink);
    void Disconnect();

private:
    ComPtr<IConnectionPoint> point_;
    DWORD cookie_ = 0;
};

// Receives the events as a real IDispatch sink does (arguments last to first, in/out arguments
// by reference, the DC as a Long), records them and calls the handlers set.
class EventSink final : public IDispatch {
public:
    struct Event {
        DISPID id;
        std::wstring caption;  // the item's Caption, for the events that carry an item
    };
    std::vector<Event> events;
    int Count(DISPID id) const;
    std::vector<std::wstring> Captions(DISPID id) const;

    std::function<void(_CMenuItem *item)> onSetMenuItemAttributes;
    std::function<void(_CMenuItem *item, LONG &width, LONG &height)> onSetMenuItemSize;
    std::function<void(_CMenuItem *item, HDC dc, bool selected, LONG cx, LONG cy, VARIANT_BOOL &userDrawn)>
        onDrawMenuItem;
    std::function<void(_CMenuItem *item, HDC dc, bool selected, LONG cx, LONG cy, LONG stage, VARIANT_BOOL &doDefault)>
        onDrawMenuItemEx;
    std::function<void(_CMenuItem *item, BSTR *help)> onShowMenuHelp;
    std::function<void()> onClearMenuHelp;
    // What Invoke answers: a failure, as a host's handler that fails gives it (DISP_E_EXCEPTION
    // with an EXCEPINFO describing it, as a handler that raises an error).
    HRESULT answer = S_OK;

    bool Connect(IUnknown *control) { return connection_.Connect(control, DIID___Brocade, this); }
    void Disconnect() { connection_.Disconnect(); }

    STDMETHODIMP QueryInterface(REFIID iid, void **object) override {
        return Offer(iid, object, {{IID_IUnknown, this}, {IID_IDispatch, this}, {DIID___Brocade, this}});
    }
    ULONG references = 1;  // the test's own, and any the control holds
    STDMETHODIMP_(ULONG) AddRef() override { return ++references; }
    STDMETHODIMP_(ULONG) Release() override { return --references; }
    STDMETHODIMP GetTypeInfoCount(UINT *count) override { return *count = 0, S_OK; }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo **info) override { return *info = nullptr, E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR *, UINT, LCID, DISPID *) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS *params, VARIANT *, EXCEPINFO *, UINT *) override;

private:
    Connection connection_;
};

// Records the DISPIDs of IPropertyNotifySink::OnChanged, and calls onChanged.
class PropertyNotifySink final : public IPropertyNotifySink {
public:
    std::vector<DISPID> changed;
    std::function<void(DISPID)> onChanged;
    int Count(DISPID id) const;

    bool Connect(IUnknown *control) { return connection_.Connect(control, IID_IPropertyNotifySink, this); }
    void Disconnect() { connection_.Disconnect(); }

    STDMETHODIMP QueryInterface(REFIID iid, void **object) override {
        return Offer(iid, object, {{IID_IUnknown, this}, {IID_IPropertyNotifySink, this}});
    }
    ULONG references = 1;  // the test's own, and any the control holds
    STDMETHODIMP_(ULONG) AddRef() override { return ++references; }
    STDMETHODIMP_(ULONG) Release() override { return --references; }
    STDMETHODIMP OnChanged(DISPID id) override;
    STDMETHODIMP OnRequestEdit(DISPID) override { return S_OK; }

private:
    Connection connection_;
};

}  // namespace brocade_test
