#include "subclass/menu_message_set.h"

#include "subclass/subclass_wnd.h"

namespace brocade {

void HookMenuMessages(HWND window) {
    for (UINT msg : kMenuMessages) SubclassWnd::HookMessage(window, msg);
}

void UnhookMenuMessages(HWND window) {
    for (UINT msg : kMenuMessages) SubclassWnd::UnhookMessage(window, msg);
}

}  // namespace brocade
