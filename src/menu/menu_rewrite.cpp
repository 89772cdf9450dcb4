#include "menu/menu_rewrite.h"

namespace brocade {

BOOL RewriteMenuItem(HMENU menu, int position, UINT flags, UINT id, LPCSTR content) {
    HMENU subMenu = GetSubMenu(menu, position);
    if (subMenu)
        return ModifyMenuA(menu, static_cast<UINT>(position), flags | MF_BYPOSITION | MF_POPUP,
                           reinterpret_cast<UINT_PTR>(subMenu), content);
    return ModifyMenuA(menu, static_cast<UINT>(position), flags | MF_BYPOSITION, id, content);
}

}  // namespace brocade
