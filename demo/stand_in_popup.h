// A flat popup draws its frame and shadow in the popup window's border, which the system
// sizes. The gallery also shows them on a window standing in for a popup with the 3-pixel
// border Windows gives menus, so the picture does not depend on the running system's menus: the form's real control draws the items of a real menu through WM_MEASUREITEM and
// WM_DRAWITEM, its frame goes to the window's border as on Windows.
#pragma once
#include <windows.h>

namespace brocade::demo {

class StandInPopup {
public:
    // On the form's thread: measures and draws the items of the form's popup `menu` into a
    // bordered window at (x, y), selected item `selected`, inside a menu loop of the form (so
    // the control takes its picture of the screen for the shadow first).
    StandInPopup(HWND form, HMENU menu, int x, int y, int selected);
    ~StandInPopup();
    StandInPopup(const StandInPopup &) = delete;
    StandInPopup &operator=(const StandInPopup &) = delete;

    HWND Window() const { return window_; }
    RECT SelectedItem() const { return selectedItem_; }  // screen coordinates

private:
    HWND form_;
    HWND window_ = nullptr;
    RECT selectedItem_ = {};
};

}  // namespace brocade::demo
