// Gallery mode: one form reused across every configuration, real menus opened with keyboard
// input, pictures of the form and its open popups written as PNG with an index page.
#pragma once
#include <windows.h>

#include "command_line.h"

namespace brocade::demo {

// The exit code of a gallery that shows Japanese captions on a system with no Japanese font.
constexpr int kNoJapaneseFont = 3;

// Returns the process exit code: 0 when every picture was taken, 2 when the gallery could not
// start, kNoJapaneseFont, or 1 when a picture failed.
int RunGallery(HINSTANCE instance, const Options &options);

}  // namespace brocade::demo
