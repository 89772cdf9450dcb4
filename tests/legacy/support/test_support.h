// Helpers shared by the tests: paths of the built modules and message pumping.
#pragma once
#include <windows.h>
#include <gtest/gtest.h>

#include <string>

namespace brocade_test {

// Folder of the running test executable (the build's bin folder, beside Brocade.ocx).
std::wstring BinFolder();
std::wstring OcxPath();
// Dispatches pending messages, for up to the given time.
void PumpMessages(DWORD milliseconds = 0);
// Runs a program in this Wine session and returns its exit code (-1 when it cannot start).
int RunProgram(const std::wstring &commandLine, DWORD timeoutMs = 60000);
// Whether a font of the character set (SHIFTJIS_CHARSET, HANGUL_CHARSET) is installed, for
// tests that read a font's character set back: Wine reports the character set of the font it
// really found, a Latin one when no East Asian font is installed. The failure names the
// package scripts/setup installs; a machine without it is not set up, so the test fails
// rather than skips.
testing::AssertionResult FontInstalledFor(BYTE charset);

}  // namespace brocade_test
