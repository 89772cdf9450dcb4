// Module-wide state of the in-process server: its instance handle and lock count.
#pragma once
#include <windows.h>

namespace brocade {

HINSTANCE ModuleInstance();
void SetModuleInstance(HINSTANCE instance);
void LockModule();
void UnlockModule();
LONG ModuleLockCount();

// What the class tells a container before it is created; self-registration writes it too.
extern const DWORD kMiscStatus;

// Creates a new Brocade control object (aggregation is not supported).
HRESULT CreateBrocadeObject(IUnknown *outer, REFIID iid, void **result);

}  // namespace brocade
