// Helpers shared by the tests: paths of the built modules and message pumping.
#pragma once
#include <windows.h>

#include <string>

namespace brocade_test {

// Folder of the running test executable (the build's bin folder, beside Brocade.ocx).
std::wstring BinFolder();
std::wstring OcxPath();
// Dispatches pending messages, for up to the given time.
void PumpMessages(DWORD milliseconds = 0);
// Runs a program in this Wine session and returns its exit code (-1 when it cannot start).
int RunProgram(const std::wstring &commandLine, DWORD timeoutMs = 60000);

}  // namespace brocade_test
