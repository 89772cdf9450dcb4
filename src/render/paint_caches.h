// The GDI objects item painting keeps between items: owned by the control, freed at teardown.
#pragma once
#include "render/item_font.h"
#include "render/item_surface.h"

namespace brocade {

struct PaintCaches {
    ItemFontCache fonts;
    ItemSurfaceCache surfaces;
    ItemSurfaceCache scratch;  // the white-text layer over a background picture

    // The DCs first: one may hold the cached font.
    void Clear() {
        surfaces.Clear();
        scratch.Clear();
        fonts.Clear();
    }
};

}  // namespace brocade
