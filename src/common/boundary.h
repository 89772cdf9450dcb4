// The places where the system or a COM client calls into the control: a window procedure, a
// dialog procedure, a COM method. Nothing thrown inside may cross them, since neither the
// system's message dispatch nor a COM caller can unwind C++ frames.
#pragma once

namespace brocade {

// Runs body and returns its result. When body throws, returns failed() instead, called inside
// the handler so that it may rethrow (`throw;`) to tell the exceptions apart; failed() itself
// must not throw.
template <class Body, class Failed>
auto Guarded(Body &&body, Failed &&failed) noexcept -> decltype(body()) {
    try {
        return body();
    } catch (...) {
        return failed();
    }
}

}  // namespace brocade
