#pragma once
#include <windows.h>

namespace brocade {

// The class factory of the Brocade control class.
HRESULT GetBrocadeClassFactory(REFIID iid, void **result);

}  // namespace brocade
