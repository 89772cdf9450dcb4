#include "com/automation_error.h"

#include <windows.h>
#include <oleauto.h>

#include <cstring>
#include <string>

#include "Brocade.h"
#include "common/collection_error.h"

namespace brocade {

namespace {

HRESULT SetError(REFIID iid, const wchar_t *description, HRESULT number) {
    ICreateErrorInfo *create = nullptr;
    if (SUCCEEDED(CreateErrorInfo(&create))) {
        create->SetGUID(iid);
        create->SetSource(const_cast<LPOLESTR>(L"Brocade"));
        create->SetDescription(const_cast<LPOLESTR>(description));
        IErrorInfo *info = nullptr;
        if (SUCCEEDED(create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void **>(&info)))) {
            SetErrorInfo(0, info);
            info->Release();
        }
        create->Release();
    }
    return number;
}

}  // namespace

HRESULT RaiseError(REFIID iid, const wchar_t *description) { return SetError(iid, description, kBrocadeError); }

HRESULT RaiseCollectionError(const CollectionError &error) {
    std::wstring description(error.what(), error.what() + strlen(error.what()));
    return SetError(IID__Brocade, description.c_str(), MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, error.Number()));
}

}  // namespace brocade
