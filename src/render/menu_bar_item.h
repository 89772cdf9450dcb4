// A menu bar title: background, picture, caption and the frame of a selected title, with
// the host's DrawMenuItemEx raised around the layers.
#pragma once
#include <windows.h>

#include "menu/menu_item.h"
#include "render/draw_host.h"
#include "render/item_canvas.h"
#include "render/paint_style.h"

namespace brocade {

void DrawMenuBarItem(DrawHost &host, MenuEvents &events, const PaintStyle &style, MenuItemRecord &record, const ItemCanvas &item);

// The record's own picture at the title's left, vertically centred, greyed when disabled.
void DrawMenuBarIcon(HDC dc, int cx, int cy, const MenuItemRecord &record, int dpi = kDefaultDpi);

// The flat frame of a title: left, top and right edges, and the bottom when close is set.
void DrawBarTitleFrame(HDC dc, const RECT &rect, bool close, HPEN borderPen);

}  // namespace brocade
