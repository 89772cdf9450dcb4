// Making property changes visible (refresh), and giving windows their plain menus back.
#include "control/control.h"
#include "menu/os_version.h"
#include "render/color_utils.h"

namespace brocade {

void Control::Refresh(HWND window) {
    if (IsTrue(lockRefresh_) || !RunMode()) return;
    if (IsTrue(enabled_)) RebuildPaintObjects(true, true);
    RedrawMenuBar(RedrawTarget(window));
}

void Control::RebuildPaintObjects(bool brush, bool pen) {
    const PaintStyle style = DrawPaintStyle();
    if (brush) ReplaceCached(popupBrush_, CreateSolidBrush(style.menuBackground));
    if (pen) ReplaceCached(highlightPen_, CreatePen(PS_INSIDEFRAME, 1, style.menuHighlightBorder));
}

namespace {

// The system's own menu background, set back on a menu the control drew.
void SetSystemMenuBackground(HMENU menu) {
    if (IsWin95() || IsWinNT3() || IsWinNT4()) return;  // no SetMenuInfo there
    MENUINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = MIM_BACKGROUND;
    info.hbrBack = GetSysColorBrush(IsWinXP() ? COLOR_MENUBAR : COLOR_MENU);
    SetMenuInfo(menu, &info);
}

}  // namespace

void Control::RestoreMenus(HWND window) {
    if (!HasMenuRecords()) return;
    if (HMENU system = GetSystemMenu(window, FALSE)) {
        SetSystemMenuBackground(system);
        RestoreMenu(system);
    }
    HMENU menu = GetMenu(window);
    if (!menu) return;
    SetSystemMenuBackground(menu);
    RestoreMenu(menu);
    DrawMenuBar(window);
}

void Control::UnhighlightMenuBar(HWND window) {
    hotTracking_.Forget();
    HMENU menu = GetMenu(window);
    if (!menu) return;
    int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position)
        HiliteMenuItem(window, menu, position, MF_BYPOSITION | MF_UNHILITE);
}

}  // namespace brocade
