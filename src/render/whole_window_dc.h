// The DC of a whole window, non-client area included (GetWindowDC), released on scope exit.
#pragma once
#include <windows.h>

namespace brocade {

class WholeWindowDc {
public:
    explicit WholeWindowDc(HWND window) : window_(window), dc_(window ? GetWindowDC(window) : nullptr) {}
    ~WholeWindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WholeWindowDc(const WholeWindowDc &) = delete;
    WholeWindowDc &operator=(const WholeWindowDc &) = delete;
    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

}  // namespace brocade
