// The default painting of a popup item, layer by layer, with the host's DrawMenuItemEx
// raised before the background, after background and highlight, and at the end.
#pragma once
#include <windows.h>

#include "menu/menu_item.h"
#include "render/draw_host.h"
#include "render/item_canvas.h"
#include "render/paint_style.h"

namespace brocade {

// Offsets of the popup's flat border beside an item: the shadow takes 2 pixels (at 96 DPI) at
// the right of every item and below the last one; a plain flat border lends 2.
struct BorderOffsets {
    int dx = 0;
    int dy = 0;
};
BorderOffsets ItemBorderOffsets(long menuBorder, bool isLast, int dpi);

// Paints the item into item.dc. left and top are its place in the popup's client area (top
// with the DC's viewport origin) for the frame painted beside it.
void DrawPopupItem(DrawHost &host, MenuEvents &events, const PaintStyle &style, MenuItemRecord &record, HWND popup,
                   const ItemCanvas &item, int left, int top);

}  // namespace brocade
