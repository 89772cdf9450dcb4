#include "com/automation_error.h"

#include <windows.h>
#include <oleauto.h>

namespace brocade {

HRESULT RaiseError(REFIID iid, const wchar_t *description) {
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
    return kBrocadeError;
}

}  // namespace brocade
