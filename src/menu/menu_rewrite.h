// Rewriting one menu item by position through the ANSI menu function.
#pragma once
#include <windows.h>

namespace brocade {

// ModifyMenuA by position. ModifyMenu drops (and destroys) the submenu of an item it rewrites
// unless it is given that submenu again, so an item that opens a submenu keeps it: the
// submenu's handle takes the place of the identifier.
BOOL RewriteMenuItem(HMENU menu, int position, UINT flags, UINT id, LPCSTR content);

}  // namespace brocade
