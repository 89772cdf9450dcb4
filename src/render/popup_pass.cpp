#include "render/popup_pass.h"

namespace brocade {

const Look &PopupPass::Enter(HMENU menu, HWND popup, LookPtr look) {
    if (look_ && (menu != menu_ || popup != popup_ || look->generation != look_->generation)) End();
    menu_ = menu;
    popup_ = popup;
    if (!look_) look_ = std::move(look);
    return *look_;
}

void PopupPass::End() {
    frame_.End();
    look_.reset();
    widths_.reset();
}

}  // namespace brocade
