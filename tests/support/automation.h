// Calls by name through IDispatch::Invoke, as a script or a late-bound host makes them, and
// the plumbing of the test's own COM objects.
#pragma once
#include <windows.h>
#include <oleauto.h>

#include <initializer_list>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "com_ptr.h"

namespace brocade_test {

using brocade::ComPtr;

// QueryInterface of the test's own objects: hands out (AddRef'd) the pointer offered for iid.
inline HRESULT Offer(REFIID iid, void **object, std::initializer_list<std::pair<const IID &, IUnknown *>> offers) {
    if (!object) return E_POINTER;
    *object = nullptr;
    for (const auto &offer : offers)
        if (iid == offer.first) (*object = offer.second, offer.second->AddRef());
    return *object ? S_OK : E_NOINTERFACE;
}

// A VARIANT that clears itself, so no test leaks a BSTR or a reference.
class Variant {
public:
    Variant() { VariantInit(&v_); }
    template <class T, std::enable_if_t<std::is_integral_v<T> && !std::is_same_v<T, bool>, int> = 0>
    Variant(T value) : Variant() {
        V_VT(&v_) = VT_I4;
        V_I4(&v_) = static_cast<LONG>(value);
    }
    Variant(bool value) : Variant() { V_VT(&v_) = VT_BOOL, V_BOOL(&v_) = value ? VARIANT_TRUE : VARIANT_FALSE; }
    Variant(const wchar_t *text) : Variant() { V_VT(&v_) = VT_BSTR, V_BSTR(&v_) = SysAllocString(text); }
    Variant(IDispatch *object) : Variant() { V_VT(&v_) = VT_DISPATCH, V_DISPATCH(&v_) = ComPtr<IDispatch>(object).Detach(); }
    Variant(const VARIANT &other) : Variant() { VariantCopy(&v_, const_cast<VARIANT *>(&other)); }
    Variant(const Variant &other) : Variant(other.v_) {}
    Variant &operator=(const Variant &other) { return VariantCopy(&v_, const_cast<VARIANT *>(&other.v_)), *this; }
    ~Variant() { VariantClear(&v_); }

    const VARIANT &Get() const { return v_; }
    VARIANT *Out() { return VariantClear(&v_), &v_; }  // cleared, for [out] arguments
    VARTYPE Type() const { return V_VT(&v_); }
    // The value coerced as VariantChangeType does; 0, false or empty when it cannot be.
    LONG AsLong() const;
    bool AsBool() const;
    std::wstring AsString() const;
    ComPtr<IDispatch> AsDispatch() const;

private:
    VARIANT v_;
};

// What one Invoke gave back; the EXCEPINFO's parts when hr is DISP_E_EXCEPTION.
struct Invoked {
    HRESULT hr = E_FAIL;
    Variant value;  // the property's value or the method's result
    SCODE scode = 0;
    std::wstring source, description;
    UINT argError = 0;
};

// DISPID_UNKNOWN when the object does not know the name.
DISPID Dispid(IDispatch *object, const wchar_t *name);
// By DISPID, or by name (DISP_E_UNKNOWNNAME for a name the object does not know); arguments in
// their natural order.
Invoked Invoke(IDispatch *object, DISPID id, WORD flags, const std::vector<Variant> &args = {});
Invoked Get(IDispatch *object, const wchar_t *name);
Invoked Put(IDispatch *object, const wchar_t *name, const Variant &value);
Invoked PutRef(IDispatch *object, const wchar_t *name, const Variant &value);
Invoked Call(IDispatch *object, const wchar_t *name, const std::vector<Variant> &args = {});

}  // namespace brocade_test
