// Real menus run by the system's own menu loop, keyboard input, and an owner-draw pass over one
// item driven through the form's window.
#pragma once
#include <windows.h>

#include <functional>
#include <initializer_list>

#include "support/pixels.h"
#include "support/wait.h"

namespace brocade_test {

// Runs TrackPopupMenu(menu) for owner at screen point (x, y). Once the popup's window
// ("#32768") has painted, calls whileOpen with it from inside the menu loop, and again each
// time the loop has handled the input typed so far and painted, until whileOpen returns true.
// Then closes the menu with EndMenu, unless that input closed it. Returns false, with a test
// failure, when the popup did not show, or whileOpen did not return true, within deadlineMs.
using WhileOpen = std::function<bool(HWND popup)>;
bool WithOpenPopup(HWND owner, HMENU menu, int x, int y, const WhileOpen &whileOpen = {}, DWORD deadlineMs = 5000,
                   Caller caller = {});
// The same for the first popup of owner's menu bar, opened from the keyboard (F10, Down).
bool WithOpenMenuBar(HWND owner, const WhileOpen &whileOpen = {}, DWORD deadlineMs = 5000, Caller caller = {});

// Moves the mouse to a point of the screen through SendInput.
void MoveMouseTo(int x, int y);

// Presses and releases each key in turn through SendInput (to the foreground window).
void PressKeys(std::initializer_list<WORD> keys);

// The visible "#32768" window showing menu, if any.
HWND FindPopupWindow(HMENU menu);

// Has the form's window draw one item of menu as the menu would: WM_ENTERMENULOOP, then
// WM_INITMENU (menu bar) or WM_INITMENUPOPUP (popup) so that the control scans the menu, then
// WM_MEASUREITEM and WM_DRAWITEM (ODA_DRAWENTIRE, the item's state, ODS_SELECTED when selected)
// with the item's id and data, into a memory DC of the measured size at (0, 0); then
// WM_EXITMENULOOP. Returns the pixels (kBackdrop where nothing was drawn); empty, with a test
// failure, when the item was not made owner-drawn.
Surface DrawItemThroughForm(HWND form, HMENU menu, UINT position, bool selected = false, Caller caller = {});

// The same within one menu loop, as the system draws items again while the loop lasts (the
// popup opened again, the selection moved): the loop begins and the menu is scanned on
// construction, and the loop ends on destruction.
class FormMenuLoop {
public:
    FormMenuLoop(HWND form, HMENU menu);
    ~FormMenuLoop();
    FormMenuLoop(const FormMenuLoop &) = delete;
    FormMenuLoop &operator=(const FormMenuLoop &) = delete;
    Surface Draw(UINT position, bool selected = false, Caller caller = {});

private:
    HWND form_;
    HMENU menu_;
};

}  // namespace brocade_test
