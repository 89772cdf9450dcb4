// The flat border of a popup window and its soft shadow, repainted beside each item as the
// item is drawn.
#pragma once
#include <windows.h>

#include "menu/menu_item.h"
#include "render/paint_style.h"
#include "render/popup_window_dc.h"

namespace brocade {

class ShadowBackdrop;
class ShadowColumnCache;

// What the frame painter needs besides the item.
struct PopupFrameStyle {
    long menuBorder = 0;               // bdBorder
    COLORREF menuBackground = 0;       // effective MenuBackground (RGB)
    HBRUSH backgroundBrush = nullptr;  // the popup background brush
    HPEN borderPen = nullptr;          // the highlight border pen
    ShadowBackdrop *backdrop = nullptr;  // null: no shadow can be computed
    ShadowColumnCache *shadowColumn = nullptr;  // the right shadow kept shaded, if any
    int dpi = kDefaultDpi;  // the outline is 1 pixel wide and the shadow 2 at 96 DPI
};

// Repaints the part of the popup's frame beside one item (the top part for the first item, the
// bottom part for the last). top is the item's top in the client area, viewport origin included.
void DrawPopup(HWND popup, const MenuItemRecord &record, int cx, int cy, int top, const PopupFrameStyle &style);
// The same in the popup's kept window DC.
void DrawPopup(HWND popup, PopupWindowDc &kept, const MenuItemRecord &record, int cx, int cy, int top,
               const PopupFrameStyle &style);
// The same in windowDc, a DC of popup's whole window, measured as geometry.
void DrawPopup(HWND popup, HDC windowDc, const PopupGeometry &geometry, const MenuItemRecord &record, int cx,
               int cy, int top, const PopupFrameStyle &style);

}  // namespace brocade
