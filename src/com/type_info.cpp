#include "com/type_info.h"

#include <windows.h>
#include <oleauto.h>

#include "com/module.h"

namespace brocade {

HRESULT GetBrocadeTypeLib(ITypeLib **result) {
    // Kept for the life of the process: type information is asked for on every Invoke.
    static ITypeLib *library = nullptr;
    if (!library) {
        wchar_t path[MAX_PATH];
        GetModuleFileNameW(ModuleInstance(), path, MAX_PATH);
        HRESULT hr = LoadTypeLibEx(path, REGKIND_NONE, &library);
        if (FAILED(hr)) return hr;
    }
    library->AddRef();
    *result = library;
    return S_OK;
}

HRESULT GetBrocadeTypeInfo(REFGUID guid, ITypeInfo **result) {
    if (!result) return E_POINTER;
    *result = nullptr;
    ITypeLib *library = nullptr;
    HRESULT hr = GetBrocadeTypeLib(&library);
    if (FAILED(hr)) return hr;
    ITypeInfo *info = nullptr;
    hr = library->GetTypeInfoOfGuid(guid, &info);
    library->Release();
    if (FAILED(hr)) return hr;

    TYPEATTR *attr = nullptr;
    if (SUCCEEDED(info->GetTypeAttr(&attr))) {
        bool dual = attr->typekind == TKIND_DISPATCH && (attr->wTypeFlags & TYPEFLAG_FDUAL);
        info->ReleaseTypeAttr(attr);
        HREFTYPE href;
        ITypeInfo *vtable = nullptr;
        if (dual && SUCCEEDED(info->GetRefTypeOfImplType(-1, &href)) &&
            SUCCEEDED(info->GetRefTypeInfo(href, &vtable))) {
            info->Release();
            info = vtable;
        }
    }
    *result = info;
    return S_OK;
}

}  // namespace brocade
