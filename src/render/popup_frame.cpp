#include "render/popup_frame.h"

namespace brocade {

void DrawPopup(HWND, const MenuItemRecord &, int, int, int, const PopupFrameStyle &) {}

}  // namespace brocade
