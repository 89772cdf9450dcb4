#include "support/wait.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace brocade_test {

namespace {
bool g_inputLeftToMenu = false;
}

LeaveInputToMenu::LeaveInputToMenu() : previous_(std::exchange(g_inputLeftToMenu, true)) {}
LeaveInputToMenu::~LeaveInputToMenu() { g_inputLeftToMenu = previous_; }

void Pump() {
    const UINT filter = g_inputLeftToMenu ? PM_QS_POSTMESSAGE | PM_QS_PAINT | PM_QS_SENDMESSAGE : 0;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE | filter)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

bool WaitFor(const std::function<bool()> &condition, DWORD deadlineMs, const std::string &what, Caller caller) {
    const ULONGLONG end = GetTickCount64() + deadlineMs;
    for (;;) {
        Pump();
        if (condition()) return true;
        const ULONGLONG now = GetTickCount64();
        if (now >= end) {
            ADD_FAILURE_AT(caller.file, caller.line) << "timed out after " << deadlineMs << " ms waiting for " << what;
            return false;
        }
        // Wakes for the next message, or soon for conditions no message announces.
        const DWORD wake = g_inputLeftToMenu ? QS_POSTMESSAGE | QS_TIMER | QS_PAINT | QS_SENDMESSAGE : QS_ALLINPUT;
        MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(std::min<ULONGLONG>(end - now, 10)), wake,
                                    MWMO_INPUTAVAILABLE);
    }
}

}  // namespace brocade_test
