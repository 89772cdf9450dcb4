// Persistence of the Brocade object through the control's own stream format or a property bag.
#include "com/brocade_object.h"
#include "com/property_bag.h"
#include "com/stream_format.h"

namespace brocade {

HRESULT BrocadeObject::InitNew() {
    if (initialized_) return E_UNEXPECTED;
    return ComGuard([&] {
        initialized_ = true;
        core_->InitNew();
        dirty_ = false;
        return S_OK;
    });
}

HRESULT BrocadeObject::Load(PropertyReader &reader) {
    initialized_ = true;
    core_->Load(reader);
    dirty_ = false;
    return S_OK;
}

HRESULT BrocadeObject::Saved(BOOL clearDirty, HRESULT written) {
    if (SUCCEEDED(written) && clearDirty) dirty_ = false;
    return written;
}

// --- IPersistStreamInit -----------------------------------------------------------------------

STDMETHODIMP BrocadeObject::PersistStream::GetClassID(CLSID *clsid) {
    if (!clsid) return E_POINTER;
    *clsid = CLSID_Brocade;
    return S_OK;
}

STDMETHODIMP BrocadeObject::PersistStream::IsDirty() { return object_.dirty_ ? S_OK : S_FALSE; }

STDMETHODIMP BrocadeObject::PersistStream::InitNew() { return object_.InitNew(); }

STDMETHODIMP BrocadeObject::PersistStream::Load(IStream *stream) {
    return ComGuard([&] {
        StreamReader reader;
        HRESULT hr = reader.Parse(stream);
        return FAILED(hr) ? hr : object_.Load(reader);
    });
}

STDMETHODIMP BrocadeObject::PersistStream::Save(IStream *stream, BOOL clearDirty) {
    return ComGuard([&] {
        StreamWriter writer;
        object_.Core().Save(writer);
        return object_.Saved(clearDirty, writer.Commit(stream));
    });
}

STDMETHODIMP BrocadeObject::PersistStream::GetSizeMax(ULARGE_INTEGER *size) {
    if (!size) return E_POINTER;
    return ComGuard([&] {
        StreamWriter writer;
        object_.Core().Save(writer);
        size->QuadPart = writer.Size();
        return S_OK;
    });
}

// --- IPersistPropertyBag ----------------------------------------------------------------------

STDMETHODIMP BrocadeObject::PersistPropertyBag::GetClassID(CLSID *clsid) {
    return object_.persistStream_.GetClassID(clsid);
}

STDMETHODIMP BrocadeObject::PersistPropertyBag::InitNew() { return object_.InitNew(); }

STDMETHODIMP BrocadeObject::PersistPropertyBag::Load(IPropertyBag *bag, IErrorLog *log) {
    if (!bag) return E_POINTER;
    return ComGuard([&] {
        PropertyBagReader reader(bag, log);
        return object_.Load(reader);
    });
}

STDMETHODIMP BrocadeObject::PersistPropertyBag::Save(IPropertyBag *bag, BOOL clearDirty, BOOL) {
    if (!bag) return E_POINTER;
    return ComGuard([&] {
        PropertyBagWriter writer(bag);
        object_.Core().Save(writer);
        return object_.Saved(clearDirty, writer.Result());
    });
}

}  // namespace brocade
