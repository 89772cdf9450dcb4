// Help runs inside the host's window procedure: a failing step is skipped, the next one runs,
// and nothing escapes.
#pragma once

namespace brocade {

template <class Step>
void SkipOnFailure(Step step) {
    try {
        step();
    } catch (...) {
    }
}

}  // namespace brocade
