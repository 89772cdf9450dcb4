// Self-registration of Brocade.ocx: the control class, its ProgID and the embedded type library.
#include <windows.h>
#include <olectl.h>
#include <oleauto.h>

#include <string>

#include "com/automation_error.h"
#include "com/module.h"
#include "Brocade.h"

namespace brocade {

const DWORD kMiscStatus = OLEMISC_RECOMPOSEONRESIZE | OLEMISC_CANTLINKINSIDE | OLEMISC_INSIDEOUT |
                          OLEMISC_ACTIVATEWHENVISIBLE | OLEMISC_SETCLIENTSITEFIRST;

namespace {

constexpr const wchar_t *kProgId = L"Brocade.Brocade";
constexpr const wchar_t *kClassName = L"Brocade menu styling control";
// Toolbox bitmap resource of the control class.
constexpr int kToolboxBitmapId = 1;

std::wstring GuidText(REFGUID guid) {
    wchar_t text[40];
    StringFromGUID2(guid, text, 40);
    return text;
}

std::wstring ModulePath() {
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(ModuleInstance(), path, MAX_PATH);
    return std::wstring(path, length);
}

bool SetValue(const std::wstring &key, const wchar_t *name, const std::wstring &value) {
    HKEY handle;
    if (RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr))
        return false;
    LONG rc = RegSetValueExW(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE *>(value.c_str()),
                             static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(handle);
    return rc == ERROR_SUCCESS;
}

bool WriteClassKeys() {
    const std::wstring clsid = L"CLSID\\" + GuidText(CLSID_Brocade);
    const std::wstring path = ModulePath();
    return SetValue(clsid, nullptr, kClassName) &&
           SetValue(clsid + L"\\InprocServer32", nullptr, path) &&
           SetValue(clsid + L"\\InprocServer32", L"ThreadingModel", L"Apartment") &&
           SetValue(clsid + L"\\ProgID", nullptr, kProgId) &&
           SetValue(clsid + L"\\VersionIndependentProgID", nullptr, kProgId) &&
           SetValue(clsid + L"\\Control", nullptr, L"") &&
           SetValue(clsid + L"\\MiscStatus", nullptr, L"0") &&
           SetValue(clsid + L"\\MiscStatus\\1", nullptr, std::to_wstring(kMiscStatus)) &&
           SetValue(clsid + L"\\TypeLib", nullptr, GuidText(LIBID_BrocadeLib)) &&
           SetValue(clsid + L"\\Version", nullptr, L"1.0") &&
           SetValue(clsid + L"\\ToolboxBitmap32", nullptr, path + L", " + std::to_wstring(kToolboxBitmapId)) &&
           SetValue(kProgId, nullptr, kClassName) &&
           SetValue(std::wstring(kProgId) + L"\\CLSID", nullptr, GuidText(CLSID_Brocade));
}

SYSKIND OwnSysKind() { return sizeof(void *) == 8 ? SYS_WIN64 : SYS_WIN32; }

}  // namespace

}  // namespace brocade

extern "C" HRESULT WINAPI DllRegisterServer() {
    using namespace brocade;
    return ComGuard([] {
        if (!WriteClassKeys()) return SELFREG_E_CLASS;
        ITypeLib *library = nullptr;
        HRESULT hr = LoadTypeLibEx(ModulePath().c_str(), REGKIND_REGISTER, &library);
        if (FAILED(hr)) return SELFREG_E_TYPELIB;
        library->Release();
        return S_OK;
    });
}

extern "C" HRESULT WINAPI DllUnregisterServer() {
    using namespace brocade;
    return ComGuard([] {
        UnRegisterTypeLib(LIBID_BrocadeLib, 1, 0, LOCALE_NEUTRAL, OwnSysKind());
        RegDeleteTreeW(HKEY_CLASSES_ROOT, (L"CLSID\\" + GuidText(CLSID_Brocade)).c_str());
        RegDeleteTreeW(HKEY_CLASSES_ROOT, kProgId);
        return S_OK;
    });
}
