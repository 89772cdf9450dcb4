// Caption rules shared by the menu model and the help tables.
#pragma once
#include <windows.h>

#include <string>

namespace brocade {

// The look-up key of a menu text: trimmed of blanks, without "&" and ".", cut at the first
// tab, upper case (in the system's ANSI code page). "&Save As...\tCtrl+S" gives "SAVE AS".
std::string GetCleanCaption(const std::string &caption);

// The code page of a bdLanguage value's texts; 0 (the system's ANSI code page) for the
// languages written in it.
UINT GetLanguageCodePage(long language);

}  // namespace brocade
