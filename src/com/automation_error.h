// Automation errors raised by the control's public operations.
#pragma once
#include <windows.h>

#include <utility>

#include "common/boundary.h"

namespace brocade {

// The error number of every failure the control reports itself.
constexpr HRESULT kBrocadeError = static_cast<HRESULT>(0x80040000);

// Sets the thread's error information (source "Brocade", the description) for iid and
// returns kBrocadeError.
HRESULT RaiseError(REFIID iid, const wchar_t *description) noexcept;

class CollectionError;
// A keyed collection's error (duplicate key 457, not found 5) as the automation error a
// collection raises: the number in the control facility, with its description.
HRESULT RaiseCollectionError(const CollectionError &error) noexcept;

// What a COM method answers for the exception being handled; call it only from a handler. A
// keyed collection's error as RaiseCollectionError reports it, E_OUTOFMEMORY for a failed
// allocation, E_UNEXPECTED for anything else.
HRESULT CurrentExceptionResult() noexcept;

// Runs the body of a COM method: whatever it throws becomes the method's result.
template <class Body>
HRESULT ComGuard(Body &&body) noexcept {
    return Guarded(std::forward<Body>(body), CurrentExceptionResult);
}

// The same for a method that reports its own failures as the Brocade error with a description:
// what is neither a failed allocation nor a collection's error is reported that way too.
template <class Body>
HRESULT ComGuard(Body &&body, REFIID iid, const wchar_t *description) noexcept {
    return Guarded(std::forward<Body>(body), [&iid, description]() noexcept {
        const HRESULT hr = CurrentExceptionResult();
        return hr == E_UNEXPECTED ? RaiseError(iid, description) : hr;
    });
}

}  // namespace brocade
