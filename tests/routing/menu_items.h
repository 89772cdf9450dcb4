// What a host reads of its menus and windows once the control has been at work on them.
#pragma once
#include <windows.h>

namespace brocade_test {

inline bool OwnerDrawn(HMENU menu, int position) {
    MENUITEMINFOA info = {sizeof info, MIIM_FTYPE};
    return GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info) && (info.fType & MFT_OWNERDRAW);
}

inline int OwnerDrawnCount(HMENU menu) {
    int count = 0;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) count += OwnerDrawn(menu, i);
    return count;
}

inline ULONG_PTR ItemData(HMENU menu, int position) {
    MENUITEMINFOA info = {sizeof info, MIIM_DATA};
    return GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info) ? info.dwItemData : 0;
}

inline WNDPROC ProcedureOf(HWND window) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)); }

// Handles cross the automation boundary as 32-bit Longs.
inline LONG Handle(const void *handle) { return static_cast<LONG>(reinterpret_cast<LONG_PTR>(handle)); }

}  // namespace brocade_test
