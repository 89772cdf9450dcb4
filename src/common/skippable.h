// Message handlers run inside the host's window procedure: a failing step (the host's event
// handler, an allocation, a call into the system) is skipped and the next step runs, so no
// failure reaches the window procedure.
#pragma once

namespace brocade {

template <class Step>
void Skippable(Step step) noexcept {
    try {
        step();
    } catch (...) {
    }
}

template <class Result, class Step>
Result SkippableOr(Result fallback, Step step) noexcept {
    try {
        return step();
    } catch (...) {
        return fallback;
    }
}

}  // namespace brocade
