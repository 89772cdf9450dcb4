#include "control/message_pump.h"

#include <windows.h>

namespace brocade {

void ProcessPendingMessages(int passes) {
    for (int pass = 0; pass < passes; ++pass) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                // The quit belongs to the host's own loop; put it back for it.
                PostQuitMessage(static_cast<int>(msg.wParam));
                return;
            }
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
}

}  // namespace brocade
