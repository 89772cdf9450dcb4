#include "render/hot_tracking.h"

#include "common/gdi.h"
#include "common/enums.h"
#include "menu/menu_text.h"
#include "common/os_version.h"

namespace brocade {

namespace {

// Strictly inside: the cursor on a title's border does not make it hot.
bool StrictlyInside(const RECT &rect, POINT point) {
    return point.x > rect.left && point.x < rect.right && point.y > rect.top && point.y < rect.bottom;
}

bool FlatBorder(long menuBorder) { return menuBorder == kBorderFlat || menuBorder == kBorderFlatWithShadow; }

}  // namespace

bool SystemHotTracking() {
    if (IsWinNT3() || IsWin95() || IsWinNT4()) return true;  // no such setting there: always on
    BOOL on = FALSE;
    if (!SystemParametersInfoA(SPI_GETHOTTRACKING, 0, &on, 0)) return true;
    return on != FALSE;
}

void MenuBarHotTracking::TrackMenuBarHot(HWND window) {
    if (!host_.HotTrackEnabled()) return;
    host_.StopHotTrackTimer();
    if (!SystemHotTracking()) return;
    HMENU menu = GetMenu(window);
    if (!menu) return;
    POINT cursor = {};
    GetCursorPos(&cursor);
    bool noneHot = true;
    if (!host_.HotTrackInMenuLoop()) {
        const int count = GetMenuItemCount(menu);
        for (int position = 0; position < count; ++position) {
            // Titles without text (the icons of a maximised MDI child) are never hot.
            if (GetMenuText(menu, position).empty()) continue;
            RECT title;
            if (!GetMenuItemRect(window, menu, static_cast<UINT>(position), &title)) continue;
            if (StrictlyInside(title, cursor)) {
                HotTrackTitle(window, menu, position);
                noneHot = false;
            } else {
                HiliteMenuItem(window, menu, static_cast<UINT>(position), MF_BYPOSITION | MF_UNHILITE);
            }
        }
    }
    if (noneHot) host_.UnhighlightMenuBarForHotTracking(window);
}

void MenuBarHotTracking::HotTrackTitle(HWND window, HMENU menu, int position) {
    host_.StopHotTrackTimer();
    // The system redraws the title as selected.
    HiliteMenuItem(window, menu, static_cast<UINT>(position), MF_BYPOSITION | MF_HILITE);
    if (FlatBorder(host_.HotTrackMenuBorder())) {
        WindowDc dc = WindowDc::Whole(window);
        RECT title, frame;
        if (dc && GetMenuItemRect(window, menu, static_cast<UINT>(position), &title) && GetWindowRect(window, &frame)) {
            OffsetRect(&title, -frame.left, -frame.top);
            --title.right;
            --title.bottom;
            DrawHotFrame(dc.Get(), title, host_.HotTrackBorderPen(), host_.HotTrackInMenuLoop());
        }
    }
    hot_ = true;
    hotWindow_ = window;
    hotPosition_ = position;
    host_.StartHotTrackTimer();
}

void DrawHotFrame(HDC dc, const RECT &rect, HPEN pen, bool inMenuLoop) {
    if (!dc || !pen) return;
    SelectGuard selection(dc, pen);
    MoveToEx(dc, rect.left, rect.bottom, nullptr);
    LineTo(dc, rect.left, rect.top);
    LineTo(dc, rect.right, rect.top);
    LineTo(dc, rect.right, rect.bottom);
    if (!inMenuLoop) LineTo(dc, rect.left, rect.bottom);
}

}  // namespace brocade
