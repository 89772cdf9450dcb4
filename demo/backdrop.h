// A patterned window behind the gallery's forms, so a popup's shadow shows against something
// other than a flat desktop.
#pragma once
#include <windows.h>

namespace brocade::demo {

// Creates and shows the backdrop covering the given screen area, below every other window.
HWND CreateBackdrop(HINSTANCE instance, const RECT &area);

}  // namespace brocade::demo
