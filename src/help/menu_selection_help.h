// Help for the selected menu item: WM_MENUSELECT finds the item's help text, offers it to the
// host (ShowMenuHelp), writes it to the status bar, clears both when the menu closes, and
// shows the item's tooltip beside the cursor for a mouse selection.
#pragma once
#include <windows.h>

#include "help/help_host.h"
#include "menu/menu_events.h"

namespace brocade {

class MenuSelectionHelp {
public:
    MenuSelectionHelp(HelpHost &host, MenuEvents &events) : host_(host), events_(events) {}
    MenuSelectionHelp(const MenuSelectionHelp &) = delete;
    MenuSelectionHelp &operator=(const MenuSelectionHelp &) = delete;

    // WM_MENUSELECT received by window: the item's command identifier (or position), its menu
    // flags and its menu. Returns 0. Failures end the handling quietly; nothing is thrown.
    LRESULT OnMenuSelect(HWND window, UINT item, UINT flags, HMENU menu);

private:
    HelpHost &host_;
    MenuEvents &events_;

    // Removes any tool, so at most one exists at a time, and the anchor with it.
    void ResetTooltip();
    // Empties the status bar (with AutoShowHelp) and raises ClearMenuHelp.
    void ClearHelp();
    void ShowItemHelp(HWND window, HMENU menu, UINT id, UINT flags);
    // The record of a converted item, through its item data; null for any other item.
    RecordPtr FindSelectedRecord(HMENU menu, UINT id);
    void ShowItemTooltip(HWND window, MenuItemRecord &record);
};

}  // namespace brocade
