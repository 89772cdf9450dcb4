// Host-side helpers for the COM tests: creating the control, calling it by DISPID, and
// stand-ins for a container's event sinks.
#pragma once
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <string>
#include <vector>

#include "Brocade.h"
#include "common/com_ptr.h"

namespace brocade_test {

// The control created by its ProgID, as any client would (the registered Brocade.ocx).
brocade::ComPtr<IDispatch> CreateByProgId();
// The object from the code linked into this test, hosted directly.
brocade::ComPtr<IDispatch> CreateInProcess();

DISPID DispidOf(IDispatch *object, const wchar_t *name);
HRESULT GetProperty(IDispatch *object, DISPID id, VARIANT &result, EXCEPINFO *exception = nullptr);
HRESULT PutProperty(IDispatch *object, DISPID id, VARIANT value, EXCEPINFO *exception = nullptr);
// Arguments in natural order.
HRESULT CallMethod(IDispatch *object, DISPID id, std::vector<VARIANT> args, VARIANT *result,
                   EXCEPINFO *exception = nullptr);

VARIANT MakeLong(LONG value);
VARIANT MakeString(const wchar_t *text);  // the caller clears it

// An event sink of __Brocade that records the DISPIDs of the events it receives.
class RecordingSink final : public IDispatch {
public:
    std::vector<DISPID> received;
    // The Caption of the CMenuItem each SetMenuItemAttributes carried.
    std::vector<std::wstring> captions;
    LONG refs = 1;
    STDMETHODIMP QueryInterface(REFIID iid, void **result) override;
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs; }
    STDMETHODIMP_(ULONG) Release() override { return --refs; }
    STDMETHODIMP GetTypeInfoCount(UINT *count) override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo **) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR *, UINT, LCID, DISPID *) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS *, VARIANT *, EXCEPINFO *, UINT *) override;
};

// A container's property-change sink.
class PropertyNotifyRecorder final : public IPropertyNotifySink {
public:
    std::vector<DISPID> changed;
    LONG refs = 1;
    STDMETHODIMP QueryInterface(REFIID iid, void **result) override;
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs; }
    STDMETHODIMP_(ULONG) Release() override { return --refs; }
    STDMETHODIMP OnChanged(DISPID id) override;
    STDMETHODIMP OnRequestEdit(DISPID) override { return S_OK; }
};

// Connects a sink to the object's connection point for iid; returns the cookie (0 on failure).
DWORD Connect(IUnknown *object, REFIID iid, IUnknown *sink);
void Disconnect(IUnknown *object, REFIID iid, DWORD cookie);

}  // namespace brocade_test
