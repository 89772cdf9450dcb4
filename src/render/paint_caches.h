// The GDI objects item painting keeps between items: owned by the control, freed at teardown.
#pragma once
#include "render/item_font.h"
#include "render/item_surface.h"
#include "render/popup_window_dc.h"

namespace brocade {

struct PaintCaches {
    ItemFontCache fonts;
    ItemSurfaceCache surfaces;
    ItemSurfaceCache scratch;  // the white-text layer over a background picture
    PopupWindowDc popupFrame;  // the DC the flat frame beside the items is drawn in

    // The DCs first: one may hold the cached font.
    void Clear() {
        popupFrame.Release();
        surfaces.Clear();
        scratch.Clear();
        fonts.Clear();
    }
};

}  // namespace brocade
