#include "com/automation_error.h"

#include <windows.h>
#include <oleauto.h>

#include <new>

#include "Brocade.h"
#include "common/collection_error.h"

namespace brocade {

namespace {

HRESULT SetError(REFIID iid, const wchar_t *description, HRESULT number) noexcept {
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

HRESULT RaiseError(REFIID iid, const wchar_t *description) noexcept { return SetError(iid, description, kBrocadeError); }

HRESULT RaiseCollectionError(const CollectionError &error) noexcept {
    // The descriptions are ASCII; widened in place, nothing is allocated for them.
    wchar_t description[128] = {};
    const char *text = error.what();
    for (size_t i = 0; text[i] && i + 1 < sizeof description / sizeof *description; ++i)
        description[i] = static_cast<unsigned char>(text[i]);
    return SetError(IID__Brocade, description, MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, error.Number()));
}

HRESULT CurrentExceptionResult() noexcept {
    try {
        throw;
    } catch (const CollectionError &error) {
        return RaiseCollectionError(error);
    } catch (const std::bad_alloc &) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

}  // namespace brocade
