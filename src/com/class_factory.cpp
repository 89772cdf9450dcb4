#include "com/class_factory.h"

#include <unknwn.h>

#include "com/module.h"

namespace brocade {

namespace {

// A static object: its lifetime is the module's, so reference counts only lock the module.
class BrocadeFactory final : public IClassFactory {
public:
    STDMETHODIMP QueryInterface(REFIID iid, void **result) override {
        if (!result) return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
            *result = static_cast<IClassFactory *>(this);
            AddRef();
            return S_OK;
        }
        *result = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override {
        LockModule();
        return 2;
    }
    STDMETHODIMP_(ULONG) Release() override {
        UnlockModule();
        return 1;
    }
    STDMETHODIMP CreateInstance(IUnknown *outer, REFIID iid, void **result) override {
        return CreateBrocadeObject(outer, iid, result);
    }
    STDMETHODIMP LockServer(BOOL lock) override {
        lock ? LockModule() : UnlockModule();
        return S_OK;
    }
};

BrocadeFactory g_factory;

}  // namespace

HRESULT GetBrocadeClassFactory(REFIID iid, void **result) { return g_factory.QueryInterface(iid, result); }

}  // namespace brocade
