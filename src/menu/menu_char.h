// Keyboard mnemonics of owner-drawn items: the system cannot see their "&", so the control
// answers WM_MENUCHAR from its records.
#pragma once
#include <windows.h>

#include "menu/menu_item_collection.h"

namespace brocade {

constexpr WORD kMenuCharExecute = MNC_EXECUTE;

WORD GetLoWordValue(LONG_PTR value);
LONG MakeLong(WORD low, WORD high);

// WM_MENUCHAR: the character typed (UTF-16) in the active menu. The records of that menu are
// counted in collection order (which is their menu order, since a scan creates them by
// position); the first whose mnemonic matches without regard to case answers
// MAKELONG(position, MNC_EXECUTE) and clears route. Without a match the answer is 0 and the
// window's own procedure decides. items may be null.
LRESULT OnMenuChar(const MenuItemCollection *items, wchar_t typed, HMENU menu, bool &route);

}  // namespace brocade
