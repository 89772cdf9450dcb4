// The picture in a popup item's bitmap column: the item's own picture or its check mark,
// centred in the column, greyed for a disabled item, framed when checked or selected.
#pragma once
#include <windows.h>
#include <ocidl.h>

#include "menu/menu_item.h"
#include "render/paint_style.h"

namespace brocade {

// Where the picture goes in an item of cx x cy with a column bitmapWidth wide.
RECT ItemIconRect(int cx, int cy, int bitmapWidth, SIZE picturePixels, const PaintStyle &style);

// Draws picture (nothing when null) in the column. borderPen outlines a checked item's
// picture when the highlight covers the column.
void DrawItemIcon(HDC dc, int cx, int cy, int bitmapWidth, IPictureDisp *picture, const MenuItemRecord &record,
                  bool selected, const PaintStyle &style, HPEN borderPen);

// Draws a bitmap picture at `at`, drawn off-screen first so that a disabled item's is greyed
// and its backdrop colour left transparent (popup items and menu bar titles alike).
void DrawBitmapPicture(HDC dc, HBITMAP bitmap, const RECT &at, const MenuItemRecord &record);

}  // namespace brocade
