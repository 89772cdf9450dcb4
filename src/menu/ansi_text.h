// Menu texts are bytes in an ANSI code page; these convert them to and from UTF-16 with
// explicit lengths, so embedded NUL bytes survive.
#pragma once
#include <windows.h>

#include <string>

namespace brocade {

// Code page 0 is the system's ANSI code page.
std::wstring AnsiToWide(const std::string &text, UINT codePage = CP_ACP);
std::string WideToAnsi(const std::wstring &text, UINT codePage = CP_ACP);

}  // namespace brocade
