// The control's own window: a child of the container's window. It shows the design-time
// icon, owns the control's timers and is the owner recorded for menu-bar items.
#pragma once
#include <windows.h>

namespace brocade {

class Control;

class ControlWindow {
public:
    explicit ControlWindow(Control &control) : control_(control) {}
    ~ControlWindow() { Destroy(); }
    ControlWindow(const ControlWindow &) = delete;
    ControlWindow &operator=(const ControlWindow &) = delete;

    // Creates the window as a child of parent; visible only in design mode.
    bool Create(HWND parent, const RECT &position, bool designMode);
    void Destroy();
    void Move(const RECT &position);
    HWND Handle() const { return window_; }

private:
    Control &control_;
    HWND window_ = nullptr;

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnPaint();
};

}  // namespace brocade
