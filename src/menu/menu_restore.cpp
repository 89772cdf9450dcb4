// The way back: converted items become string items again, and records of menus that are
// gone leave the collection.
#include <algorithm>
#include <cstddef>
#include <vector>

#include "menu/menu_rewrite.h"
#include "menu/menu_scan.h"
#include "common/os_version.h"
#include "common/skippable.h"

namespace brocade {

namespace {

// Menus do not nest this deep; the limit only guards against a menu that holds itself.
constexpr int kMaximumMenuDepth = 64;

// What the running system lets GetMenuItemInfo read for a restore.
void PrepareRestoreQuery(MENUITEMINFOA &info) {
    if (IsWinNT4()) {
        info.cbSize = static_cast<UINT>(offsetof(MENUITEMINFOA, hbmpItem));
        info.fMask = MIIM_STATE | MIIM_ID | MIIM_TYPE;
    } else if (IsWin95()) {
        info.cbSize = sizeof(info);
        info.fMask = MIIM_STATE | MIIM_ID | MIIM_TYPE;
    } else {
        info.cbSize = sizeof(info);
        info.fMask = MIIM_STATE | MIIM_ID | MIIM_BITMAP | MIIM_FTYPE;
    }
}

void RestoreItem(HMENU menu, int position, const MenuItemRecord &record) {
    MENUITEMINFOA info = {};
    PrepareRestoreQuery(info);
    if (!GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info)) return;
    if (!(info.fType & MFT_OWNERDRAW)) return;

    UINT flags = (info.fState & ~0x100u) | ((info.fType & MFT_SEPARATOR) ? MF_SEPARATOR : 0u);
    RewriteMenuItem(menu, position, flags, static_cast<UINT>(record.MenuId()), record.MenuText().c_str());
}

}  // namespace

void MenuScanner::RestoreMenu(HMENU menu) {
    Skippable([&] { RestoreMenuTree(menu, 0); });
}

void MenuScanner::RestoreAllMenus() {
    Skippable([&] {
        std::vector<HMENU> menus;
        for (const RecordPtr &record : items_.Records()) {
            HMENU menu = record->MenuHandle();
            if (std::find(menus.begin(), menus.end(), menu) == menus.end()) menus.push_back(menu);
        }
        for (HMENU menu : menus)
            if (IsMenu(menu)) RestoreMenuTree(menu, 0);
    });
}

void MenuScanner::RestoreMenuTree(HMENU menu, int depth) {
    if (depth > kMaximumMenuDepth) return;
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        RecordPtr record = FindMenuItem(menu, i);
        if (record) {
            RestoreItem(menu, i, *record.Get());
            items_.Remove(MenuItemKey(record->ItemSerial()));
        }
        HMENU subMenu = GetSubMenu(menu, i);
        if (subMenu) RestoreMenuTree(subMenu, depth + 1);
    }
}

void MenuScanner::PurgeDeadRecords() {
    Skippable([&] {
        for (const auto &entry : items_.Entries())
            if (!IsMenu(entry.second->MenuHandle())) items_.Remove(entry.first);
    });
}

void MenuScanner::RemoveRecordsOfWindow(HWND window) {
    Skippable([&] {
        auto entries = items_.Entries();
        for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry)
            if (entry->second->OwnerWindow() == window) items_.Remove(entry->first);
    });
}

}  // namespace brocade
