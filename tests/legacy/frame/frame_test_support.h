// What the frame tests share: backdrop bitmaps, the per-pixel definition of the shadow to
// compare against, windows standing in for the host, and reading a window's pixels.
#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "common/gdi.h"
#include "render/render_test_support.h"

namespace frame_test {

using brocade_test::Surface;

// A screen-compatible bitmap (selected into no DC) whose pixel (x, y) is color(x, y).
brocade::UniqueBitmap MakeBitmap(int width, int height, const std::function<COLORREF(int, int)> &color);
brocade::UniqueBitmap MakeBitmap(int width, int height, COLORREF color);

// The shadow as defined: GetPixel on the backdrop selected into a memory DC, SetPixelV on the
// window DC, pixel by pixel, with the one-entry result cache.
void ReferenceShadowRight(HWND window, HDC dc, HBITMAP backdrop, long firstRow, long lastRow, COLORREF menuBackground);
void ReferenceShadowBottom(HWND window, HDC dc, HBITMAP backdrop, COLORREF menuBackground);

// A hidden top-level window of a given size, style and extended style, used only for its
// geometry and its window DC.
HWND CreatePlainWindow(int x, int y, int width, int height, DWORD style, DWORD exStyle = 0);
// A shown top-level window painted in one colour (waited for until it shows).
HWND CreateColouredWindow(int x, int y, int width, int height, COLORREF color, DWORD style = WS_POPUP);
void WaitUntilPainted(HWND window, COLORREF color);

// The whole window (non-client area included) as its window DC holds it.
std::unique_ptr<Surface> ReadWindow(HWND window);

// Border widths of a window: client edges against window edges, in window coordinates.
struct Borders {
    long width, height, left, top, right, bottom, clientHeight;
};
Borders BordersOf(HWND window);

// Wine's HiliteMenuItem ignores MF_HILITE / MF_UNHILITE and selects the item either way (the
// last call wins), so the tests read the highlight state the Windows way only on Windows.
bool UnderWine();

// Opens a real popup menu (TrackPopupMenu) owned by owner at (x, y); while it is open and
// painted, calls whileOpen with the popup window ("#32768"), then closes it. onEnterLoop runs on
// WM_ENTERMENULOOP. False when no popup window showed.
bool WithOpenPopup(HWND owner, HMENU menu, int x, int y, const std::function<void()> &onEnterLoop,
                   const std::function<void(HWND popup)> &whileOpen);

}  // namespace frame_test
