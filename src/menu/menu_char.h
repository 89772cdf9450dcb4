// Keyboard mnemonics of owner-drawn items: the system cannot see their "&", so the control
// answers WM_MENUCHAR from its records.
#pragma once
#include <windows.h>

#include "common/boolean.h"
#include "menu/menu_item_collection.h"

namespace brocade {

constexpr WORD kMenuCharExecute = MNC_EXECUTE;

WORD GetLoWordValue(LONG_PTR value);
LONG MakeLong(WORD low, WORD high);

// WM_MENUCHAR: wParam's low word is the typed character in UTF-16, lParam the active menu. The
// records of that menu are counted in collection order (which is their menu order, since a
// scan creates them by position); the first whose mnemonic matches without regard to case
// answers MAKELONG(position, MNC_EXECUTE) and clears bRouteToOriginal. Without a match the
// answer is 0 and the window's own procedure decides. items may be null.
LRESULT OnMenuChar(const MenuItemCollection *items, WPARAM wParam, LPARAM lParam, Boolean &bRouteToOriginal);

}  // namespace brocade
