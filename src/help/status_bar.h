// Help text in the host form's status bar: finding the bar, and writing part 0 of it.
#pragma once
#include <windows.h>

#include <string>

namespace brocade {

// The first child of the window of class "StatusBar20WndClass", else "StatusBarWndClass",
// else "msctls_statusbar32"; null when it has none.
HWND FindStatusBar(HWND window);

// Writes the text (system code page) into part 0 without drawing flags; the bar's own parts
// and mode stay. Korean, Japanese and Chinese texts hold their language's code page bytes,
// which the system code page would garble, so they go in as wide text. Nothing happens when
// the bar is null or no longer a window.
void SetStatusText(HWND statusBar, const std::string &text, long language);

}  // namespace brocade
