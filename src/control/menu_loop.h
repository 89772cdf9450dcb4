// One menu loop of the host, from WM_ENTERMENULOOP to WM_EXITMENULOOP: what serves its popups
// lives as long as it does, and goes when the loop ends.
#pragma once
#include <windows.h>

#include "render/paint_caches.h"
#include "render/popup_pass.h"
#include "render/shadow_backdrop.h"

namespace brocade {

class MenuLoop {
public:
    explicit MenuLoop(PaintCaches &caches);
    ~MenuLoop();
    MenuLoop(const MenuLoop &) = delete;
    MenuLoop &operator=(const MenuLoop &) = delete;

    // With a shadow to draw, the screen behind the popups is taken before the first one opens.
    void TakeBackdrop() { backdrop_.Capture(); }
    // The screen taken at the start; null when there is none.
    ShadowBackdrop *Backdrop() { return backdrop_.Empty() ? nullptr : &backdrop_; }

    // The pass of the popup being drawn; it ends with the loop at the latest.
    PopupPass &Pass() { return pass_; }

private:
    PaintCaches &caches_;
    ShadowBackdrop backdrop_;
    PopupPass pass_;
};

}  // namespace brocade
