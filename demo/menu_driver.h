// Opens a form's real menus with keyboard input, as a user would, and finds what is open.
// Runs on a thread other than the form's: the form's thread sits in the modal menu loop.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "demo_menus.h"

namespace brocade::demo {

// Which item to select: a menu bar title, an item position in its popup, and optionally a
// position in the submenu of that item (opened with the Right key).
struct MenuPath {
    MenuTitle title = kFileMenu;
    int item = 0;
    int subItem = -1;
};

// The deepest open popup and its selected item, in screen coordinates.
struct OpenedMenu {
    std::vector<HWND> popups;
    RECT popupRect = {};
    RECT itemRect = {};
};

class MenuDriver {
public:
    explicit MenuDriver(HWND form) : form_(form) {}

    // F10, Right to the title, Down to open it, Down to the item, Right into a submenu.
    // False with a reason when the menu did not reach the asked state in time.
    bool Open(const MenuPath &path, OpenedMenu &opened, std::wstring &failure);
    // Ends the menu loop and waits until every popup is gone.
    void Close();

private:
    HWND form_;
};

// The visible menu popups ("#32768") of this process.
std::vector<HWND> VisibleMenuPopups();
// The position of the highlighted item of a menu, or -1.
int HighlightedPosition(HMENU menu);

}  // namespace brocade::demo
