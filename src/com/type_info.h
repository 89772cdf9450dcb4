// The control's embedded type library, loaded once per process.
#pragma once
#include <oaidl.h>

namespace brocade {

// Type information by GUID; for a dual interface, its vtable half (what Invoke calls through).
HRESULT GetBrocadeTypeInfo(REFGUID guid, ITypeInfo **result);
HRESULT GetBrocadeTypeLib(ITypeLib **result);

}  // namespace brocade
