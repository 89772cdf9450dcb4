#include "support/automation.h"

namespace brocade_test {

namespace {
Variant Coerced(const VARIANT &from, VARTYPE type) {
    Variant to;
    if (FAILED(VariantChangeType(to.Out(), const_cast<VARIANT *>(&from), 0, type))) to.Out();
    return to;
}
}  // namespace

LONG Variant::AsLong() const {
    Variant to = Coerced(v_, VT_I4);
    return to.Type() == VT_I4 ? V_I4(&to.Get()) : 0;
}

bool Variant::AsBool() const {
    Variant to = Coerced(v_, VT_BOOL);
    return to.Type() == VT_BOOL && V_BOOL(&to.Get()) != VARIANT_FALSE;
}

std::wstring Variant::AsString() const {
    Variant to = Coerced(v_, VT_BSTR);
    BSTR text = to.Type() == VT_BSTR ? V_BSTR(&to.Get()) : nullptr;
    return text ? std::wstring(text, SysStringLen(text)) : std::wstring();
}

ComPtr<IDispatch> Variant::AsDispatch() const {
    return ComPtr<IDispatch>(V_VT(&v_) == VT_DISPATCH ? V_DISPATCH(&v_) : nullptr);
}

DISPID Dispid(IDispatch *object, const wchar_t *name) {
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    if (!object || FAILED(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id))) return DISPID_UNKNOWN;
    return id;
}

Invoked Invoke(IDispatch *object, DISPID id, WORD flags, const std::vector<Variant> &args) {
    Invoked result;
    // DISPPARAMS hold the arguments last to first; the Variants keep them alive.
    std::vector<VARIANT> reversed;
    for (auto arg = args.rbegin(); arg != args.rend(); ++arg) reversed.push_back(arg->Get());
    DISPID named = DISPID_PROPERTYPUT;
    const bool put = flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF);
    DISPPARAMS params = {reversed.data(), put ? &named : nullptr, static_cast<UINT>(reversed.size()), put ? 1u : 0u};
    EXCEPINFO error = {};
    if (!object) return result;
    result.hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, put ? nullptr : result.value.Out(),
                               &error, &result.argError);
    if (result.hr == DISP_E_EXCEPTION && error.pfnDeferredFillIn) error.pfnDeferredFillIn(&error);
    result.scode = error.scode ? error.scode : error.wCode;
    if (error.bstrSource) result.source = error.bstrSource;
    if (error.bstrDescription) result.description = error.bstrDescription;
    SysFreeString(error.bstrSource);
    SysFreeString(error.bstrDescription);
    SysFreeString(error.bstrHelpFile);
    return result;
}

namespace {
Invoked ByName(IDispatch *object, const wchar_t *name, WORD flags, const std::vector<Variant> &args) {
    const DISPID id = Dispid(object, name);
    if (id != DISPID_UNKNOWN) return Invoke(object, id, flags, args);
    Invoked unknown;
    unknown.hr = DISP_E_UNKNOWNNAME;
    return unknown;
}
}  // namespace

Invoked Get(IDispatch *object, const wchar_t *name) { return ByName(object, name, DISPATCH_PROPERTYGET, {}); }
Invoked Put(IDispatch *object, const wchar_t *name, const Variant &value) {
    return ByName(object, name, DISPATCH_PROPERTYPUT, {value});
}
Invoked PutRef(IDispatch *object, const wchar_t *name, const Variant &value) {
    return ByName(object, name, DISPATCH_PROPERTYPUTREF, {value});
}
Invoked Call(IDispatch *object, const wchar_t *name, const std::vector<Variant> &args) {
    return ByName(object, name, DISPATCH_METHOD | DISPATCH_PROPERTYGET, args);
}

}  // namespace brocade_test
