// The GDI objects item painting keeps between items: owned by the control, freed at teardown.
#pragma once
#include <optional>

#include "render/look.h"
#include "render/gradient_cache.h"
#include "render/item_font.h"
#include "render/item_surface.h"
#include "render/paint_style.h"
#include "render/popup_frame.h"
#include "render/popup_shadow.h"
#include "render/popup_window_dc.h"

namespace brocade {

struct PaintCaches {
    ItemFontCache fonts;
    ItemSurfaceCache surfaces;
    TextLayer textLayer;
    PopupFramePass popupFrame;  // the flat frame beside the items, and the DC it is drawn in
    // Kept for the menu loop: the last popup's right shadow, the last Office 2003 bitmap column
    // and the last Diagonal or Horizontal Left To Right highlight.
    ShadowColumnCache shadowColumn;
    GradientCache columnGradients;
    GradientCache highlightGradients;
    // The Look the items of the pass are drawn with: the frame DC may hold its pen.
    LookPtr passLook;
    // The bitmap column and shortcut widths of the popup menu drawn in the pass, and the
    // record changes they were read at.
    struct ColumnWidths {
        HMENU menu;
        unsigned long changes;
        long bitmap, shortcut;
    };
    std::optional<ColumnWidths> passWidths;

    // A moved selection, another menu, the loop's end or a new Look ends the pass. The frame
    // DC gives the pen back before the Look that owns it is let go.
    void EndPopupPass() {
        popupFrame.End();
        passLook.reset();
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
        textLayer.Clear();
        fonts.Clear();
    }
};

}  // namespace brocade
