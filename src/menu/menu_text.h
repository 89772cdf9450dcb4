// Reading an item's text through the ANSI menu functions: marked Unicode captions are bytes.
#pragma once
#include <windows.h>

#include <string>

namespace brocade {

// The item's text by position; "" when it has none (owner-drawn, bitmap, separator, missing).
std::string GetMenuText(HMENU menu, int position);

}  // namespace brocade
