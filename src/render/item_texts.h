// The caption and shortcut of a popup item, and the GDI font of an item text.
#pragma once
#include <windows.h>
#include <ocidl.h>

#include <string>

#include "menu/menu_item.h"
#include "render/draw_host.h"
#include "render/item_canvas.h"
#include "render/paint_style.h"

namespace brocade {

// The cached GDI font of font, or of the container's ambient font when font is null.
HFONT GetItemFont(DrawHost &host, IFontDisp *font, bool sameSource = false);

// The layout of an item's texts (item coordinates).
struct ItemTextLayout {
    RECT caption;
    RECT shortcut;
};
// bitmapWidth and shortcutWidth are the menu's column widths, checkWidth SM_CXMENUCHECK,
// dx the border offset beside the item; bottom is where the item's content ends.
ItemTextLayout LayOutItemTexts(int cx, int bottom, int bitmapWidth, int shortcutWidth, int checkWidth, int dx,
                               bool rightToLeft, int dpi);

// DrawText flags shared by caption and shortcut.
UINT ItemTextFlags(bool rightToLeft, bool hideAccel);

// Draws caption (decoded) and shortcut of a popup item. Over a background picture an
// unselected item's texts are drawn white on black aside and ORed onto the item.
void DrawItemTexts(DrawHost &host, const PaintStyle &style, const MenuItemRecord &record, const ItemCanvas &item,
                   const std::string &caption, const ItemTextLayout &layout);

}  // namespace brocade
