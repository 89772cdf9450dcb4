// The whole-window DC of the popup whose items are being drawn, kept from one item to the
// next with the popup's measurements: a popup draws all its items in a row, and one window DC
// serves them all instead of one taken and released per item. The DC is let go when the pass
// that keeps it ends: another popup, menu or Look draws, or the loop ends.
#pragma once
#include <windows.h>

namespace brocade {

// The popup window measured in window coordinates: size and border widths.
struct PopupGeometry {
    long width = 0, height = 0;
    long left = 0, top = 0, right = 0, bottom = 0;  // border widths
    long clientHeight = 0;
    RECT screen{};  // the window's rectangle on the screen
};

bool MeasurePopup(HWND popup, PopupGeometry &geometry);

class PopupWindowDc {
public:
    PopupWindowDc() = default;
    ~PopupWindowDc() { Release(); }
    PopupWindowDc(const PopupWindowDc &) = delete;
    PopupWindowDc &operator=(const PopupWindowDc &) = delete;

    // The DC of popup's whole window: the kept one while popup is the same live window,
    // otherwise a new one (the old one let go first). Null for a null or dead window, or one
    // that cannot be measured.
    HDC For(HWND popup);
    // The measurements of the window For last answered with a DC.
    const PopupGeometry &Geometry() const { return geometry_; }
    // Selects pen into the kept DC unless it holds it already; the DC's own pen goes back in
    // when the DC is let go. False when there is no DC or the pen cannot be selected.
    bool KeepSelected(HPEN pen);
    void Release();
    // Whether the kept DC takes pixels copied from memory exactly (checked once per DC, when
    // first asked: only the shadow needs to know).
    bool CopiesPixelForPixel();

private:
    HWND window_ = nullptr;
    HDC dc_ = nullptr;
    PopupGeometry geometry_;
    HGDIOBJ originalPen_ = nullptr;  // the DC's own pen while a kept one is selected
    int pixelForPixel_ = -1;  // unknown until asked
};

}  // namespace brocade
