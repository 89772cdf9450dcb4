// Making property changes visible (refresh), and giving windows their plain menus back.
#include "control/control.h"
#include "common/os_version.h"
#include "common/color_utils.h"

namespace brocade {

void Control::Refresh(HWND window) {
    if (settings_.lockRefresh || !RunMode()) return;
    if (settings_.enabled) RebuildPaintObjects(true, true);
    RedrawMenuBar(RedrawTarget(window));
}

// While a popup is drawn, the DC kept for its frame holds the pen of the pass's Look selected,
// and DeleteObject fails on a selected object: the pass ends first, so the DC gives the pen
// back, and the old brush and pen go with the last Look that holds them.
void Control::RebuildPaintObjects(bool brush, bool pen) {
    paintCaches_.EndPopupPass();
    const PaintStyle style = ResolvePaintStyle();
    if (brush) popupBrush_ = std::make_shared<const UniqueBrush>(CreateSolidBrush(style.menuBackground));
    if (pen) highlightPen_ = std::make_shared<const UniquePen>(CreatePen(PS_INSIDEFRAME, 1, style.menuHighlightBorder));
    InvalidateLook();
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
