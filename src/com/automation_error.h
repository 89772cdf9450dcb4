// Automation errors raised by the control's public operations.
#pragma once
#include <windows.h>

namespace brocade {

// The error number of every failure the control reports itself.
constexpr HRESULT kBrocadeError = static_cast<HRESULT>(0x80040000);

// Sets the thread's error information (source "Brocade", the description) for iid and
// returns kBrocadeError.
HRESULT RaiseError(REFIID iid, const wchar_t *description);

class CollectionError;
// A keyed collection's error (duplicate key 457, not found 5) as the automation error a
// collection raises: the number in the control facility, with its description.
HRESULT RaiseCollectionError(const CollectionError &error);

}  // namespace brocade
