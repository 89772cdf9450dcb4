// What the items of one popup share while the system draws them in a row: the Look they are
// drawn with, the popup's kept window DC and frame, and the menu's column widths. A pass is
// keyed by the menu, the popup window and the Look's generation: an item of another key ends
// it and starts the next, so nothing it trusts outlives what it was read from.
#pragma once
#include <windows.h>

#include <optional>

#include "render/look.h"
#include "render/popup_frame.h"

namespace brocade {

class PopupPass {
public:
    // The bitmap column and shortcut widths of the pass's menu, and the record changes they
    // were read at.
    struct ColumnWidths {
        HMENU menu;
        unsigned long changes;
        long bitmap, shortcut;
    };

    PopupPass() = default;
    ~PopupPass() { End(); }
    PopupPass(const PopupPass &) = delete;
    PopupPass &operator=(const PopupPass &) = delete;

    // An item of menu drawn in popup with look: the pass goes on when its key is the same,
    // otherwise the old one ends first.
    const Look &Enter(HMENU menu, HWND popup, LookPtr look);
    // The same item, with the Look as it is now: a handler may have made a new one meanwhile.
    const Look &Follow(LookPtr look) { return Enter(menu_, popup_, std::move(look)); }
    PopupFramePass &Frame() { return frame_; }
    std::optional<ColumnWidths> &Widths() { return widths_; }
    // Paints the frame's gathered parts, gives the window DC back with the pen it holds, and
    // lets the Look go.
    void End();

private:
    HMENU menu_ = nullptr;
    HWND popup_ = nullptr;
    // Declared before the frame: the frame's DC gives the pen back before the Look that owns
    // it can go.
    LookPtr look_;
    PopupFramePass frame_;
    std::optional<ColumnWidths> widths_;
};

}  // namespace brocade
