// The DLL entry points of Brocade.ocx other than registration.
#include "com/module.h"

#include <objbase.h>

#include "com/class_factory.h"
#include "common/code_module.h"
#include "Brocade.h"

namespace brocade {

namespace {
HINSTANCE g_instance = nullptr;
LONG g_locks = 0;
}  // namespace

// Linked into an executable rather than the .ocx, the module is the one holding this code.
HINSTANCE ModuleInstance() { return g_instance ? g_instance : CodeModule(); }
void SetModuleInstance(HINSTANCE instance) { g_instance = instance; }
void LockModule() { InterlockedIncrement(&g_locks); }
void UnlockModule() { InterlockedDecrement(&g_locks); }
LONG ModuleLockCount() { return g_locks; }

}  // namespace brocade

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        brocade::SetModuleInstance(instance);
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

extern "C" HRESULT WINAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void **result) {
    if (!result) return E_POINTER;
    *result = nullptr;
    if (!IsEqualCLSID(clsid, CLSID_Brocade)) return CLASS_E_CLASSNOTAVAILABLE;
    return brocade::GetBrocadeClassFactory(iid, result);
}

extern "C" HRESULT WINAPI DllCanUnloadNow() { return brocade::ModuleLockCount() == 0 ? S_OK : S_FALSE; }
