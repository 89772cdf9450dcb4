#include "render/popup_shadow.h"

#include "common/color_utils.h"
#include "render/dc_pixels.h"
#include "render/shadow_backdrop.h"
#include "common/single_precision.h"

namespace brocade {

namespace {

// The shadow's lines are the outermost `width` of the window and one just outside it. Pixels
// closer than `width` to the popup's top (right shadow) or left edge (bottom shadow) show the
// screen unchanged, so the shadow seems to fall down and to the right.

// Equal screen pixels come in long runs: the last result is reused.
class ShadeCache {
public:
    explicit ShadeCache(COLORREF menuBackground) : menuBackground_(menuBackground) {}
    COLORREF Of(COLORREF screen, float weight) {
        if (!valid_ || screen != screen_ || weight != weight_) {
            screen_ = screen;
            weight_ = weight;
            shade_ = ShadowShade(menuBackground_, screen, weight);
            valid_ = true;
        }
        return shade_;
    }

private:
    COLORREF menuBackground_, screen_ = 0, shade_ = 0;
    float weight_ = 0;
    bool valid_ = false;
};

// One strip of the shadow: three lines (columns of the right shadow, rows of the bottom one),
// each running along the popup's edge from alongFirst to alongLast. Window coordinates.
struct ShadowStrip {
    bool vertical;               // true: the right shadow
    long width;                  // 2 at 96 DPI
    long firstLine;              // W - width or H - width
    long alongFirst, alongLast;  // inclusive
    long X(long line, long along) const { return vertical ? line : along; }
    long Y(long line, long along) const { return vertical ? along : line; }
    RECT Area() const {
        return vertical ? RECT{firstLine, alongFirst, firstLine + width + 1, alongLast + 1}
                        : RECT{alongFirst, firstLine, alongLast + 1, firstLine + width + 1};
    }
    float Weight(long line) const { return ToSingle((line - firstLine) / static_cast<double>(width)); }
};

// The pixels of the area whose screen pixel the backdrop holds; a window pixel off the
// captured screen is not seen there either, so it is left alone.
RECT CoveredByBackdrop(const RECT &area, const RECT &window, const ShadowBackdrop &backdrop) {
    const RECT screen = {-window.left, -window.top, backdrop.Width() - window.left, backdrop.Height() - window.top};
    RECT covered;
    if (!IntersectRect(&covered, &area, &screen)) SetRectEmpty(&covered);
    return covered;
}

// Shades the strip's pixels inside `covered` (a part of the strip's area).
template <class SetPixel>
void ShadeStrip(const ShadowStrip &strip, const RECT &covered, const RECT &window, const ShadowBackdrop &backdrop,
                ShadeCache &shades, SetPixel set) {
    const long firstLine = strip.vertical ? covered.left : covered.top;
    const long endLine = strip.vertical ? covered.right : covered.bottom;
    const long firstAlong = strip.vertical ? covered.top : covered.left;
    const long endAlong = strip.vertical ? covered.bottom : covered.right;
    for (long line = firstLine; line < endLine; ++line) {
        const float weight = strip.Weight(line);
        for (long along = firstAlong; along < endAlong; ++along) {
            const long x = strip.X(line, along), y = strip.Y(line, along);
            const COLORREF screen = backdrop.At(window.left + x, window.top + y);
            set(x, y, along < strip.width ? screen : shades.Of(screen, weight));
        }
    }
}

bool HasBackdrop(const ShadowSource &source) { return source.backdrop && !source.backdrop->Empty(); }

void DrawStrip(HDC dc, const ShadowStrip &strip, const RECT &windowRect, const ShadowSource &source) {
    if (strip.alongLast < strip.alongFirst) return;
    const RECT area = strip.Area();
    if (!HasBackdrop(source)) {
        // Without a picture of what lies behind the popup, reading the screen now would read
        // the popup itself and darken it further on every redraw: the shadow's place gets the
        // popup background instead, which stays the same however often it is repainted.
        if (source.backgroundBrush) FillRect(dc, &area, source.backgroundBrush);
        return;
    }
    const RECT covered = CoveredByBackdrop(area, windowRect, *source.backdrop);
    if (IsRectEmpty(&covered)) return;
    ShadeCache shades(source.menuBackground);
    DcPixels pixels;
    if (!pixels.Prepare(dc, covered)) {
        ShadeStrip(strip, covered, windowRect, *source.backdrop, shades,
                   [dc](long x, long y, COLORREF color) { SetPixelV(dc, x, y, color); });
        return;
    }
    if (pixels.Empty()) return;
    const RECT &visible = pixels.Bounds();
    ShadeStrip(strip, visible, windowRect, *source.backdrop, shades,
               [&pixels](long x, long y, COLORREF color) { pixels.Set(x, y, color); });
    pixels.Store();
}

}  // namespace

COLORREF ShadowShade(COLORREF menuBackground, COLORREF screen, float weight) {
    return DarkenColor(BlendColors(menuBackground, screen, weight));
}

ShadowColumnCache::~ShadowColumnCache() { Clear(); }

void ShadowColumnCache::Clear() {
    surface_.reset();
    window_ = nullptr;
}

bool ShadowColumnCache::Holds(HWND window, const RECT &windowRect, const ShadowSource &source) const {
    return surface_ && window == window_ && EqualRect(&windowRect, &windowRect_) && source.backdrop == backdrop_ &&
           source.backdrop->Serial() == backdropSerial_ && source.menuBackground == menuBackground_ &&
           source.width == width_;
}

bool ShadowColumnCache::Shade(HWND window, const RECT &windowRect, const ShadowSource &source) {
    Clear();
    const long width = windowRect.right - windowRect.left, height = windowRect.bottom - windowRect.top;
    const ShadowStrip strip{true, source.width, width - source.width, 0, height - 1};
    covered_ = CoveredByBackdrop(strip.Area(), windowRect, *source.backdrop);
    if (IsRectEmpty(&covered_)) return false;
    surface_ = std::make_unique<ScratchSurface>();
    if (!surface_->Reserve(covered_.right - covered_.left, covered_.bottom - covered_.top)) {
        Clear();
        return false;
    }
    ShadeCache shades(source.menuBackground);
    ShadeStrip(strip, covered_, windowRect, *source.backdrop, shades, [&](long x, long y, COLORREF color) {
        surface_->Row(y - covered_.top)[x - covered_.left] = DcPixels::PixelOf(color);
    });
    window_ = window;
    windowRect_ = windowRect;
    backdrop_ = source.backdrop;
    backdropSerial_ = source.backdrop->Serial();
    menuBackground_ = source.menuBackground;
    width_ = source.width;
    ++shaded_;
    return true;
}

bool ShadowColumnCache::Draw(HWND window, HDC dc, long firstRow, long lastRow, const ShadowSource &source) {
    RECT windowRect;
    if (!dc || !HasBackdrop(source)) return false;
    if (!source.dcCopiesPixelForPixel && !CopiesPixelForPixel(dc)) return false;
    if (source.windowRect)
        windowRect = *source.windowRect;
    else if (!GetWindowRect(window, &windowRect))
        return false;
    if (!Holds(window, windowRect, source) && !Shade(window, windowRect, source)) return false;
    const long top = firstRow > covered_.top ? firstRow : covered_.top;
    const long bottom = lastRow + 1 < covered_.bottom ? lastRow + 1 : covered_.bottom;
    if (bottom <= top) return true;
    // The DC's clipping leaves alone what cannot be seen, as when the pixels are set one by one.
    return BitBlt(dc, covered_.left, top, covered_.right - covered_.left, bottom - top, surface_->Dc(), 0,
                  top - covered_.top, SRCCOPY) != FALSE;
}

void ShadowRight(HWND window, HDC dc, long firstRow, long lastRow, const ShadowSource &source) {
    if (source.column && source.column->Draw(window, dc, firstRow, lastRow, source)) return;
    RECT windowRect;
    if (!dc || !GetWindowRect(window, &windowRect)) return;
    const long width = windowRect.right - windowRect.left;
    DrawStrip(dc, ShadowStrip{true, source.width, width - source.width, firstRow, lastRow}, windowRect, source);
}

void ShadowBottom(HWND window, HDC dc, const ShadowSource &source) {
    RECT windowRect;
    if (!dc || !GetWindowRect(window, &windowRect)) return;
    const long width = windowRect.right - windowRect.left, height = windowRect.bottom - windowRect.top;
    DrawStrip(dc, ShadowStrip{false, source.width, height - source.width, 0, width - 1}, windowRect, source);
}

}  // namespace brocade
