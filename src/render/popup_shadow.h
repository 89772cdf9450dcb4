// The soft shadow of a flat popup: its two outermost pixel columns on the right and rows at
// the bottom, darkened from the screen that lay behind the popup.
#pragma once
#include <windows.h>

namespace brocade {

class ShadowBackdrop;

struct ShadowSource {
    const ShadowBackdrop *backdrop = nullptr;  // the screen when the menu loop began; may be empty
    COLORREF menuBackground = 0;               // effective MenuBackground (RGB)
    HBRUSH backgroundBrush = nullptr;          // fills the shadow's place when there is no backdrop
};

// Columns W - 2 to W (the last lies outside the window and is clipped) of rows firstRow to
// lastRow, both inclusive, in window coordinates of a DC covering the whole popup window.
void ShadowRight(HWND window, HDC dc, long firstRow, long lastRow, const ShadowSource &source);
// Rows H - 2 to H of every column.
void ShadowBottom(HWND window, HDC dc, const ShadowSource &source);

// The shadow's colour over a screen pixel s at weight w (0 on the inner line, 0.5 on the
// outer one, 1 outside the window): 0.8 x the blend of MenuBackground and s.
COLORREF ShadowShade(COLORREF menuBackground, COLORREF screen, float weight);

}  // namespace brocade
