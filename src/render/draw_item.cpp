#include "render/draw_item.h"

#include <optional>

#include "common/skippable.h"
#include "menu/menu_item_collection.h"
#include "render/item_background.h"
#include "render/item_canvas.h"
#include "render/item_surface.h"
#include "render/menu_bar_item.h"
#include "render/paint_caches.h"
#include "render/popup_pass.h"
#include "render/popup_item.h"
#include "render/tile_background.h"

namespace brocade {

namespace {

RecordPtr RecordOfItemData(DrawHost &host, ULONG_PTR itemData) {
    const long serial = static_cast<LONG>(static_cast<ULONG>(itemData));
    return SkippableOr(RecordPtr(), [&] { return host.MeasureMenuItemBySerial(serial); });
}

// A set background picture lies under everything a popup item shows, the host's own
// painting included.
void TileUnderPopupItem(DrawHost &host, const PaintStyle &style, const MenuItemRecord &record,
                        const ItemCanvas &item, const RECT &itemRect) {
    if (!style.hasBackgroundPicture) return;
    const BorderOffsets border = ItemBorderOffsets(style.menuBorder, record.IsLast(), style.dpi);
    EraseItemBackground(item.dc, item.cx, item.cy, style);
    TileBackgroundPicture(item.dc, host.DrawBackgroundSurface(), itemRect.left, itemRect.top, item.cx - border.dx,
                          item.cy - border.dy);
}

int ViewportTop(HDC dc) {
    POINT origin = {0, 0};
    GetViewportOrgEx(dc, &origin);
    return origin.y;
}

void PaintItem(DrawHost &host, MenuEvents &events, MenuItemRecord &record, const DRAWITEMSTRUCT &draw, ItemCanvas &item) {
    const bool topLevel = record.IsTopLevel();
    // The style holds for the whole item; the brush and pen are asked for where they are used,
    // as a handler may have replaced them meanwhile.
    LookPtr current = host.DrawLook();
    if (!current) return;
    const HWND window = WindowFromDC(draw.hDC);
    const Look &entered = host.DrawPass().Enter(record.MenuHandle(), window, std::move(current));
    const PaintStyle style = entered.style;
    item.lookGeneration = entered.generation;
    if (!topLevel) Skippable([&] { TileUnderPopupItem(host, style, record, item, draw.rcItem); });

    bool userDrawn = false;
    if (item.surface) item.surface->FreshenForFirstCallback();
    Skippable([&] { events.FireDrawMenuItem(record, item.dc, item.selected, item.cx, item.cy, userDrawn); });
    FreshenForHost(item);
    if (userDrawn) return;

    if (topLevel) {
        DrawMenuBarItem(host, events, style, record, item);
    } else {
        Skippable([&] {
            DrawPopupItem(host, events, style, record, window, item, draw.rcItem.left,
                          draw.rcItem.top + ViewportTop(draw.hDC));
        });
    }
}

}  // namespace

const Look *PassLook(DrawHost &host) {
    LookPtr look = host.DrawLook();
    if (!look) return nullptr;
    return &host.DrawPass().Follow(std::move(look));
}

LRESULT OnDrawItem(DrawHost &host, MenuEvents &events, const DRAWITEMSTRUCT &draw, bool &route) {
    if (draw.CtlType != ODT_MENU) return 0;
    RecordPtr record = RecordOfItemData(host, draw.itemData);
    if (!record) return 0;

    ItemCanvas item;
    item.cx = draw.rcItem.right - draw.rcItem.left;
    item.cy = draw.rcItem.bottom - draw.rcItem.top;
    item.selected = (draw.itemState & ODS_SELECTED) != 0;
    item.hideAccel = SkippableOr(false, [&] { return host.DrawKeyboardCuesHidden(); }) &&
                     (draw.itemState & ODS_NOACCEL) != 0;
    record->SetDisabled((draw.itemState & (ODS_DISABLED | ODS_GRAYED)) != 0);

    Skippable([&] {
        const bool observed = SkippableOr(true, [&] { return events.HasEventHandlers(); });
        // A popup item's background covers it whole before anything else is drawn.
        const bool popupItem = !record->IsTopLevel();
        ItemSurface surface(host.DrawCaches().surfaces, draw.hDC, item.cx, item.cy, observed, popupItem);
        item.dc = surface.Dc();
        item.keepsState = surface.KeepsState();
        item.surface = &surface;
        item.unobserved = !observed;
        if (!item.dc) return;
        Skippable([&] { PaintItem(host, events, *record.Get(), draw, item); });
        BitBlt(draw.hDC, draw.rcItem.left, draw.rcItem.top, item.cx, item.cy, item.dc, 0, 0, SRCCOPY);
    });
    route = false;
    return 1;
}

}  // namespace brocade
