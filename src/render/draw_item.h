// WM_DRAWITEM for owner-drawn menu items: each item is painted off-screen in a bitmap of its
// own size and copied to the menu at once. The host may paint it itself (DrawMenuItem);
// otherwise popup items and menu bar titles get the default painting.
#pragma once
#include <windows.h>

#include "render/draw_host.h"

namespace brocade {

// For a menu item with a record: paints it, clears bRouteToOriginal and returns 1. Anything
// else (another control type, no structure, an item without a record) returns 0 and leaves
// the flag alone, so the window's own procedure draws it.
LRESULT OnDrawItem(DrawHost &host, MenuEvents &events, const DRAWITEMSTRUCT &draw, bool &route);

// The Look the items of the popup pass are drawn with, owned by the pass: a new generation ends
// the pass first, so the frame DC gives back the pen of the Look before that Look goes. Valid
// until the next host callback; null when there is none.
const Look *PassLook(DrawHost &host);

}  // namespace brocade
