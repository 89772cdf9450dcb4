// The soft shadow of a flat popup: its two outermost pixel columns on the right and rows at
// the bottom, darkened from the screen that lay behind the popup.
#pragma once
#include <windows.h>

#include <memory>

#include "render/scratch_surface.h"

namespace brocade {

class ShadowBackdrop;
class ShadowColumnCache;

struct ShadowSource {
    const ShadowBackdrop *backdrop = nullptr;  // the screen when the menu loop began; may be empty
    COLORREF menuBackground = 0;               // effective MenuBackground (RGB)
    HBRUSH backgroundBrush = nullptr;          // fills the shadow's place when there is no backdrop
    ShadowColumnCache *column = nullptr;       // the right shadow already shaded, if any
    // What the caller knows already of the window and the DC, so the column need not ask.
    const RECT *windowRect = nullptr;          // the window's rectangle on the screen
    bool dcCopiesPixelForPixel = false;        // the DC was found to take copies exactly
    long width = 2;                            // the shadow's width: 2 pixels at 96 DPI
};

// The right shadow of one popup shaded for all its rows at once: every item repaints its part
// of the shadow, and copying that part costs far less than shading it again. Kept for the
// popup window, the picture of the screen and the colour it was shaded from.
class ShadowColumnCache {
public:
    ShadowColumnCache() = default;
    ~ShadowColumnCache();
    ShadowColumnCache(const ShadowColumnCache &) = delete;
    ShadowColumnCache &operator=(const ShadowColumnCache &) = delete;

    // Copies rows firstRow to lastRow of window's right shadow into dc (window coordinates),
    // shading the column first unless it is kept already. False when the shade cannot be
    // copied pixel for pixel into dc (or made at all): the caller shades the rows itself.
    bool Draw(HWND window, HDC dc, long firstRow, long lastRow, const ShadowSource &source);
    void Clear();
    // Columns shaded since construction, to see the cache at work.
    long ShadedCount() const { return shaded_; }

private:
    HWND window_ = nullptr;
    RECT windowRect_{};
    const ShadowBackdrop *backdrop_ = nullptr;
    unsigned long backdropSerial_ = 0;
    COLORREF menuBackground_ = 0;
    long width_ = 0;
    RECT covered_{};  // the shaded pixels, window coordinates
    // A new one per shading: its bits are written directly, never while a copy may be queued.
    std::unique_ptr<ScratchSurface> surface_;
    long shaded_ = 0;

    bool Holds(HWND window, const RECT &windowRect, const ShadowSource &source) const;
    bool Shade(HWND window, const RECT &windowRect, const ShadowSource &source);
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
