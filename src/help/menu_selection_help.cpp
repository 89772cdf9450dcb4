#include "help/menu_selection_help.h"

#include <climits>
#include <cstddef>

#include "common/skippable.h"
#include "help/status_bar.h"
#include "help/tooltip.h"
#include "menu/captions.h"
#include "menu/menu_item_collection.h"
#include "menu/ole_font.h"
#include "common/os_version.h"

namespace brocade {

namespace {

bool MenuClosed(UINT flags, HMENU menu) { return flags == 0xFFFF && !menu; }

// NT 4.0 knows the structure without hbmpItem only.
UINT MenuItemInfoSize() {
    return IsWinNT4() ? static_cast<UINT>(offsetof(MENUITEMINFOA, hbmpItem)) : sizeof(MENUITEMINFOA);
}

}  // namespace

LRESULT MenuSelectionHelp::OnMenuSelect(HWND window, UINT item, UINT flags, HMENU menu) {
    Skippable([&] { ResetTooltip(); });
    if (MenuClosed(flags, menu)) {
        ClearHelp();
        return 0;
    }
    if (!menu) return 0;
    if (flags & MF_POPUP) {  // a submenu title has no help of its own
        ClearHelp();
        return 0;
    }
    Skippable([&] { ShowItemHelp(window, menu, item, flags); });
    return 0;
}

void MenuSelectionHelp::ResetTooltip() {
    CTooltip *tooltip = host_.HelpTooltip();
    if (!tooltip) return;
    // From the last index down, so the deletions do not move the tools still to come.
    for (long index = tooltip->ToolCount() - 1; index >= 0; --index) tooltip->DeleteTool(tooltip->ToolId(index));
    host_.SetTooltipAnchorWindow(nullptr);
}

void MenuSelectionHelp::ClearHelp() {
    Skippable([&] {
        if (host_.HelpAutoShowHelp()) SetStatusText(host_.HelpStatusBar(), std::string(), host_.HelpLanguage());
    });
    Skippable([&] { events_.FireClearMenuHelp(); });
}

RecordPtr MenuSelectionHelp::FindSelectedRecord(HMENU menu, UINT id) {
    MENUITEMINFOA info = {};
    info.cbSize = MenuItemInfoSize();
    info.fMask = MIIM_ID | MIIM_DATA;
    if (!GetMenuItemInfoA(menu, id, FALSE, &info)) return RecordPtr();
    // A converted item's data is its record's serial.
    if (info.dwItemData > static_cast<ULONG_PTR>(LONG_MAX)) return RecordPtr();
    return host_.HelpMenuItemBySerial(static_cast<long>(info.dwItemData));
}

void MenuSelectionHelp::ShowItemHelp(HWND window, HMENU menu, UINT id, UINT flags) {
    RecordPtr record = FindSelectedRecord(menu, id);
    if (!record) return;

    std::string cleanCaption = GetCleanCaption(record->Caption());
    if (cleanCaption.empty()) {  // a separator or an item without text
        if (host_.HelpAutoShowHelp()) {
            SetStatusText(host_.HelpStatusBar(), std::string(), host_.HelpLanguage());
            events_.FireClearMenuHelp();
        }
        return;
    }

    std::string help = host_.HelpFindHelpMessage(cleanCaption, record->Language(), record->Unicode());
    events_.FireShowMenuHelp(*record.Get(), help);
    if (host_.HelpAutoShowHelp()) SetStatusText(host_.HelpStatusBar(), help, record->Language());

    if ((flags & MF_MOUSESELECT) && host_.HelpTooltip()) ShowItemTooltip(window, *record.Get());
}

void MenuSelectionHelp::ShowItemTooltip(HWND window, MenuItemRecord &record) {
    CTooltip &tooltip = *host_.HelpTooltip();
    std::string text = record.TooltipText();
    if (text.empty()) return;

    if (UniqueFont font = CreateMeasuringFont(record.CaptionFont().Get())) tooltip.SetFont(std::move(font));
    tooltip.SetTitle(host_.HelpShowTooltipTitle() ? record.Caption() : std::string());
    // The whole owner window is the tool: the menu covers it, and the anchor answer below
    // makes the tooltip take the cursor as being over it.
    tooltip.AddTool(reinterpret_cast<UINT_PTR>(window), true, 0, 0, 0, 0, text);

    POINT screen = {};
    GetCursorPos(&screen);
    POINT client = screen;
    ScreenToClient(window, &client);
    MSG move = {};
    move.hwnd = window;
    move.message = WM_MOUSEMOVE;
    move.lParam = MAKELPARAM(client.x, client.y);
    move.pt = screen;

    host_.SetTooltipAnchorWindow(window);
    tooltip.RelayEvent(move);
}

}  // namespace brocade
