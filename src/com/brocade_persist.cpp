// Persistence of the Brocade object through a property bag or the control's own stream format.
#include "com/brocade_object.h"
#include "com/property_bag.h"
#include "com/stream_format.h"

namespace brocade {

STDMETHODIMP BrocadeObject::GetClassID(CLSID *clsid) {
    if (!clsid) return E_POINTER;
    *clsid = CLSID_Brocade;
    return S_OK;
}

STDMETHODIMP BrocadeObject::IsDirty() { return dirty_ ? S_OK : S_FALSE; }

STDMETHODIMP BrocadeObject::InitNew() {
    if (initialized_) return E_UNEXPECTED;
    initialized_ = true;
    core_->InitNew();
    dirty_ = false;
    return S_OK;
}

STDMETHODIMP BrocadeObject::Load(IStream *stream) {
    StreamReader reader;
    HRESULT hr = reader.Parse(stream);
    if (FAILED(hr)) return hr;
    initialized_ = true;
    core_->Load(reader);
    dirty_ = false;
    return S_OK;
}

STDMETHODIMP BrocadeObject::Save(IStream *stream, BOOL clearDirty) {
    StreamWriter writer;
    core_->Save(writer);
    HRESULT hr = writer.Commit(stream);
    if (SUCCEEDED(hr) && clearDirty) dirty_ = false;
    return hr;
}

STDMETHODIMP BrocadeObject::GetSizeMax(ULARGE_INTEGER *size) {
    if (!size) return E_POINTER;
    StreamWriter writer;
    core_->Save(writer);
    size->QuadPart = writer.Size();
    return S_OK;
}

STDMETHODIMP BrocadeObject::Load(IPropertyBag *bag, IErrorLog *log) {
    if (!bag) return E_POINTER;
    initialized_ = true;
    PropertyBagReader reader(bag, log);
    core_->Load(reader);
    dirty_ = false;
    return S_OK;
}

STDMETHODIMP BrocadeObject::Save(IPropertyBag *bag, BOOL clearDirty, BOOL) {
    if (!bag) return E_POINTER;
    PropertyBagWriter writer(bag);
    core_->Save(writer);
    if (SUCCEEDED(writer.Result()) && clearDirty) dirty_ = false;
    return writer.Result();
}

}  // namespace brocade
