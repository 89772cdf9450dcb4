// Identity, connection points, class and error information of the Brocade COM object.
#include "com/brocade_object.h"

#include <windows.h>
#include <oleauto.h>

#include <new>

#include "com/module.h"
#include "com/type_info.h"

namespace brocade {

HRESULT CreateBrocadeObject(IUnknown *outer, REFIID iid, void **result) {
    if (!result) return E_POINTER;
    *result = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    return BrocadeObject::Create(iid, result);
}

HRESULT BrocadeObject::Create(REFIID iid, void **result) {
    return ComGuard([&] {
        BrocadeObject *object = new BrocadeObject();
        HRESULT hr = object->QueryInterface(iid, result);
        object->Release();
        return hr;
    });
}

BrocadeObject::BrocadeObject() {
    LockModule();
    // Unlocked again if the core cannot be made: the destructor does not run then.
    struct Unlock {
        bool armed = true;
        ~Unlock() { if (armed) UnlockModule(); }
    } unlock;
    core_.reset(new Control(site_));
    unlock.armed = false;
}

BrocadeObject::~BrocadeObject() {
    core_.reset();
    UnlockModule();
}

// --- IUnknown ---------------------------------------------------------------------------------

HRESULT BrocadeObject::QueryInterface(REFIID iid, void **result) {
    if (!result) return E_POINTER;
    const struct {
        const IID &iid;
        void *face;
    } faces[] = {
        {IID_IUnknown, static_cast<_Brocade *>(&automation_)},
        {IID_IDispatch, static_cast<_Brocade *>(&automation_)},
        {IID__Brocade, static_cast<_Brocade *>(&automation_)},
        {IID_IConnectionPointContainer, static_cast<IConnectionPointContainer *>(&connectionPoints_)},
        {IID_IProvideClassInfo, static_cast<IProvideClassInfo2 *>(&classInfo_)},
        {IID_IProvideClassInfo2, static_cast<IProvideClassInfo2 *>(&classInfo_)},
        {IID_ISupportErrorInfo, static_cast<ISupportErrorInfo *>(&errorInfo_)},
        {IID_IOleObject, static_cast<IOleObject *>(&oleObject_)},
        {IID_IOleWindow, static_cast<IOleInPlaceObject *>(&inPlaceObject_)},
        {IID_IOleInPlaceObject, static_cast<IOleInPlaceObject *>(&inPlaceObject_)},
        {IID_IOleControl, static_cast<IOleControl *>(&oleControl_)},
        {IID_IViewObject, static_cast<IViewObject2 *>(&viewObject_)},
        {IID_IViewObject2, static_cast<IViewObject2 *>(&viewObject_)},
        {IID_IPersist, static_cast<IPersistStreamInit *>(&persistStream_)},
        {IID_IPersistStreamInit, static_cast<IPersistStreamInit *>(&persistStream_)},
        {IID_IPersistPropertyBag, static_cast<IPersistPropertyBag *>(&persistPropertyBag_)},
    };
    *result = nullptr;
    for (const auto &face : faces)
        if (IsEqualIID(iid, face.iid)) *result = face.face;
    if (!*result) return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

ULONG BrocadeObject::AddRef() { return InterlockedIncrement(&refs_); }

ULONG BrocadeObject::Release() {
    ULONG refs = InterlockedDecrement(&refs_);
    if (refs != 0) return refs;
    // The teardown runs while the object is still whole, under a reference of its own: what it
    // reaches (the host's windows, and through them the host) meets a complete object, and a
    // release from inside it cannot free the object twice.
    refs_ = 1;
    core_->Teardown();
    // Whoever took a reference during the teardown and kept it frees the object later.
    if (InterlockedDecrement(&refs_) == 0) delete this;
    return 0;
}

void BrocadeObject::EnsureInitialized() {
    if (!initialized_) InitNew();
}

// --- IConnectionPointContainer ----------------------------------------------------------------

STDMETHODIMP BrocadeObject::ConnectionPoints::EnumConnectionPoints(IEnumConnectionPoints **result) {
    return ComGuard([&] { return CreateConnectionPointEnumerator({&object_.events_, &object_.propertyNotify_}, result); });
}

STDMETHODIMP BrocadeObject::ConnectionPoints::FindConnectionPoint(REFIID iid, IConnectionPoint **result) {
    if (!result) return E_POINTER;
    *result = nullptr;
    ConnectionPoint *point = nullptr;
    if (IsEqualIID(iid, DIID___Brocade))
        point = &object_.events_;
    else if (IsEqualIID(iid, IID_IPropertyNotifySink))
        point = &object_.propertyNotify_;
    if (!point) return CONNECT_E_NOCONNECTION;
    point->AddRef();
    *result = point;
    return S_OK;
}

// --- IProvideClassInfo2, ISupportErrorInfo ----------------------------------------------------

STDMETHODIMP BrocadeObject::ClassInfo::GetClassInfo(ITypeInfo **result) {
    if (!result) return E_POINTER;
    *result = nullptr;
    ComPtr<ITypeLib> library;
    HRESULT hr = GetBrocadeTypeLib(library.Out());
    if (FAILED(hr)) return hr;
    return library->GetTypeInfoOfGuid(CLSID_Brocade, result);
}

STDMETHODIMP BrocadeObject::ClassInfo::GetGUID(DWORD kind, GUID *guid) {
    if (!guid) return E_POINTER;
    if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) {
        *guid = GUID_NULL;
        return E_INVALIDARG;
    }
    *guid = DIID___Brocade;
    return S_OK;
}

STDMETHODIMP BrocadeObject::ErrorInfo::InterfaceSupportsErrorInfo(REFIID iid) {
    return IsEqualIID(iid, IID__Brocade) ? S_OK : S_FALSE;
}

}  // namespace brocade
