// The whole-window DC of the popup whose items are being drawn, kept from one item to the
// next: taking a window DC costs more than painting a plain item under Wine, and a popup
// draws all its items in a row. The DC is let go as soon as anything else can happen to the
// popup (the selection moves, a menu opens, the loop ends, another popup draws).
#pragma once
#include <windows.h>

namespace brocade {

class PopupWindowDc {
public:
    PopupWindowDc() = default;
    ~PopupWindowDc() { Release(); }
    PopupWindowDc(const PopupWindowDc &) = delete;
    PopupWindowDc &operator=(const PopupWindowDc &) = delete;

    // The DC of popup's whole window: the kept one while popup is the same live window,
    // otherwise a new one (the old one let go first). Null for a null or dead window.
    HDC For(HWND popup);
    void Release();
    // Window DCs taken since construction, to see the reuse at work.
    long TakenCount() const { return taken_; }

private:
    HWND window_ = nullptr;
    HDC dc_ = nullptr;
    long taken_ = 0;
};

}  // namespace brocade
