// The picture of the screen taken when a menu loop begins: the popup shadow reads what lay
// behind the popup from it.
#pragma once
#include <windows.h>

namespace brocade {

class ShadowBackdrop {
public:
    ShadowBackdrop() = default;
    ~ShadowBackdrop();
    ShadowBackdrop(const ShadowBackdrop &) = delete;
    ShadowBackdrop &operator=(const ShadowBackdrop &) = delete;

    // Takes a picture of the whole screen; false (and empty) when the screen cannot be read.
    bool Capture();
    void Release();
    bool Empty() const;
};

}  // namespace brocade
