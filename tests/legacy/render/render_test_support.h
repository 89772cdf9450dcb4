// Drawing surfaces the render tests can read pixel by pixel, and a count of GDI objects.
#pragma once
#include <windows.h>

#include <string>

#include "render/paint_style.h"

namespace brocade_test {

// What lies under a painted area before painting, so untouched pixels show.
constexpr COLORREF kBackdrop = RGB(1, 2, 3);

// A 32-bpp top-down DIB section selected into a memory DC.
class Surface {
public:
    Surface(int width, int height, COLORREF fill = kBackdrop);
    ~Surface();
    Surface(const Surface &) = delete;
    Surface &operator=(const Surface &) = delete;

    HDC Dc() const { return dc_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    COLORREF At(int x, int y) const;
    void Fill(COLORREF color);
    // Every pixel a different colour, so a copy that went astray shows.
    void FillPattern();
    // The first pixel that differs from other's, as text; empty when all are equal.
    std::string FirstDifference(const Surface &other) const;
    // How many pixels of a row (or column) hold the colour.
    int CountInRow(int y, COLORREF color) const;
    int CountInColumn(int x, COLORREF color) const;

private:
    int width_, height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
    DWORD *bits_ = nullptr;
};

// GDI objects held by this process; -1 when it cannot be counted. Windows answers through
// GetGuiResources; Wine's GetGuiResources always answers 0, so there the process's GDI handle
// table is counted instead, after checking that the count follows objects made and deleted.
long GdiObjectCount();

// A style with distinct, recognisable colours.
brocade::PaintStyle TestStyle(long highlightStyle);

std::string Hex(COLORREF color);

}  // namespace brocade_test
