// The flat border of a popup window and its soft shadow, repainted beside each item as the
// item is drawn.
#pragma once
#include <windows.h>

#include <optional>

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

// The frame of the popup whose items are drawn in a row, in the popup's kept window DC. The
// parts beside a run of items between the first and the last are gathered and painted at once
// when an item outside the run comes, or the pass ends: painting the popup's window DC between
// the copies of the items to its client DC makes each copy several times slower. The
// frame lies outside the client area and the items inside it, and the parts of one run do not
// overlap, so the pixels are those of parts painted one item at a time.
class PopupFramePass {
public:
    PopupFramePass() = default;
    ~PopupFramePass() { End(); }
    PopupFramePass(const PopupFramePass &) = delete;
    PopupFramePass &operator=(const PopupFramePass &) = delete;

    void Draw(HWND popup, const MenuItemRecord &record, int cx, int cy, int top, const PopupFrameStyle &style);
    // Paints what is gathered.
    void Flush();
    // Paints what is gathered and lets the window DC go.
    void End();

private:
    struct Run {
        HWND popup;
        long y0, y1;   // window rows
        bool topEdge;  // an item of the run draws the top edge again
        PopupFrameStyle style;
    };
    PopupWindowDc dc_;
    std::optional<Run> run_;
};

}  // namespace brocade
