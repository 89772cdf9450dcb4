// An interface a COM object implements with a member of its own, as Wine's controls embed
// `IOleObject IOleObject_iface`: the member reaches its object through a back reference and
// answers IUnknown with the object's identity, so every interface shares one reference count.
#pragma once
#include <unknwn.h>

namespace brocade {

template <class Interface, class Object>
class Embedded : public Interface {
public:
    explicit Embedded(Object &object) : object_(object) {}
    Embedded(const Embedded &) = delete;
    Embedded &operator=(const Embedded &) = delete;

    STDMETHODIMP QueryInterface(REFIID iid, void **result) override { return object_.QueryInterface(iid, result); }
    STDMETHODIMP_(ULONG) AddRef() override { return object_.AddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return object_.Release(); }

protected:
    ~Embedded() = default;
    Object &object_;
};

}  // namespace brocade
