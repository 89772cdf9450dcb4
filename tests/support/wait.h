// Waiting for a condition while the thread's messages keep flowing, as a form's UI thread does.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

namespace brocade_test {

// Where a helper was called from, so that the failures it records point at the test's line.
struct Caller {
    const char *file = __builtin_FILE();
    int line = __builtin_LINE();
};

// Dispatches the messages already queued for this thread; never waits.
void Pump();

// Pumps messages until condition() holds. When deadlineMs pass first, records a test failure
// naming what was awaited and returns false.
bool WaitFor(const std::function<bool()> &condition, DWORD deadlineMs, const std::string &what, Caller caller = {});

// While a menu loop is open it reads the keyboard and the mouse itself: Pump and WaitFor leave
// input messages queued for it as long as one of these lives.
class LeaveInputToMenu {
public:
    LeaveInputToMenu();
    ~LeaveInputToMenu();
    LeaveInputToMenu(const LeaveInputToMenu &) = delete;
    LeaveInputToMenu &operator=(const LeaveInputToMenu &) = delete;

private:
    bool previous_;
};

}  // namespace brocade_test
