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

// Draws picture (nothing when null) in the column, at its size scaled to the style's DPI.
// sharper, when given, is the same picture drawn for that size, and is drawn in its place.
// borderPen outlines a checked item's picture when the highlight covers the column.
void DrawItemIcon(HDC dc, int cx, int cy, int bitmapWidth, IPictureDisp *picture, const MenuItemRecord &record,
                  bool selected, const PaintStyle &style, HPEN borderPen, IPictureDisp *sharper = nullptr);

// Draws a bitmap picture at `at`, drawn off-screen first so that a disabled item's is greyed
// and its backdrop colour left transparent (popup items and menu bar titles alike). A bitmap
// of another size than `drawn` (none: its own) is resampled to it; `at` may clip it.
void DrawBitmapPicture(HDC dc, HBITMAP bitmap, const RECT &at, const MenuItemRecord &record, SIZE drawn = {0, 0});

}  // namespace brocade
