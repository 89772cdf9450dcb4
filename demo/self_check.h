// BrocadeDemo.exe --self-check: whether the control can be used from this folder as it is
// deployed (registered, or beside an application manifest), without showing any message box.
#pragma once
#include <windows.h>

namespace brocade::demo {

// Creates the control by class ID and by ProgID, loads the type library its event sink
// describes itself with, and styles a form's menu. Writes one line per step to the standard
// output; returns 0 when every step passed, else one bit per failed step (1, 2, 4, 8 in that
// order).
int RunSelfCheck();

}  // namespace brocade::demo
