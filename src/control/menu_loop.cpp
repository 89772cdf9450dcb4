#include "control/menu_loop.h"

namespace brocade {

MenuLoop::MenuLoop(PaintCaches &caches) : caches_(caches) {}

MenuLoop::~MenuLoop() { caches_.EndMenuLoop(); }

}  // namespace brocade
