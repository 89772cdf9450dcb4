// The GDI objects item painting keeps between items: owned by the control, freed at teardown.
#pragma once
#include <optional>

#include "render/gradient_cache.h"
#include "render/item_font.h"
#include "render/item_surface.h"
#include "render/paint_style.h"
#include "render/popup_shadow.h"
#include "render/popup_window_dc.h"

namespace brocade {

struct PaintCaches {
    ItemFontCache fonts;
    ItemSurfaceCache surfaces;
    ItemSurfaceCache scratch;  // the white-text layer over a background picture
    PopupWindowDc popupFrame;  // the DC the flat frame beside the items is drawn in
    // Kept for the menu loop: the last popup's right shadow, the last Office 2003 bitmap column
    // and the last Diagonal or Horizontal Left To Right highlight.
    ShadowColumnCache shadowColumn;
    GradientCache columnGradients;
    GradientCache highlightGradients;
    // The style a popup's items share while they are drawn in a row with nobody listening.
    std::optional<PaintStyle> passStyle;
    // The bitmap column and shortcut widths of the popup menu drawn in the pass.
    struct ColumnWidths {
        HMENU menu;
        long bitmap, shortcut;
    };
    std::optional<ColumnWidths> passWidths;

    // Whatever may change between two items ends the pass: a moved selection, another menu,
    // the loop's end, a property or a system colour.
    void EndPopupPass() {
        popupFrame.Release();
        passStyle.reset();
        passWidths.reset();
        fonts.ForgetSource();
    }

    // What serves the popups of one menu loop is not kept once it ends.
    void EndMenuLoop() {
        EndPopupPass();
        shadowColumn.Clear();
        columnGradients.Clear();
        highlightGradients.Clear();
    }

    // The DCs first: one may hold the cached font.
    void Clear() {
        EndMenuLoop();
        surfaces.Clear();
        scratch.Clear();
        fonts.Clear();
    }
};

}  // namespace brocade
