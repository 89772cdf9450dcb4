// The GDI objects item painting keeps between items: owned by the control, freed at teardown.
#pragma once
#include <optional>

#include "render/gradient_cache.h"
#include "render/item_font.h"
#include "render/item_image_cache.h"
#include "render/item_surface.h"
#include "render/measure_host.h"
#include "render/paint_style.h"
#include "render/popup_shadow.h"

namespace brocade {

struct PaintCaches {
    ItemFontCache fonts;
    ItemSurfaceCache surfaces;
    TextLayer textLayer;
    // Kept for the menu loop: the last popup's right shadow, the last Office 2003 bitmap column
    // and the last Diagonal or Horizontal Left To Right highlight.
    ShadowColumnCache shadowColumn;
    GradientCache columnGradients;
    GradientCache highlightGradients;
    std::optional<MeasuredColumns> measuredColumns;
    // The images of the popup items a menu loop draws; the loop's end forgets them and keeps
    // the bitmap they lie in for the next loop.
    ItemImageCache itemImages;
    // What serves the popups of one menu loop is not kept once it ends.
    void EndMenuLoop() {
        shadowColumn.Clear();
        columnGradients.Clear();
        highlightGradients.Clear();
        measuredColumns.reset();
        itemImages.Forget();
    }

    // The DCs first: one may hold the cached font.
    void Clear() {
        EndMenuLoop();
        surfaces.Clear();
        textLayer.Clear();
        itemImages.Clear();
        fonts.Clear();
    }
};

}  // namespace brocade
