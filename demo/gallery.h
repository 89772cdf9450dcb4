// Gallery mode: one form reused across every configuration, real menus opened with keyboard
// input, pictures of the form and its open popups written as PNG with an index page.
#pragma once
#include <windows.h>

#include "command_line.h"

namespace brocade::demo {

// Returns the process exit code: 0 when every picture was taken.
int RunGallery(HINSTANCE instance, const Options &options);

}  // namespace brocade::demo
