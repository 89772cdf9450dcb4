// A gradient filled once and copied after: consecutive items mostly share their size and
// colours, and copying a fill costs a fraction of computing it again.
#pragma once
#include <windows.h>

#include <memory>

#include "render/scratch_surface.h"

namespace brocade {

class GradientCache {
public:
    GradientCache() = default;
    ~GradientCache() { Clear(); }
    GradientCache(const GradientCache &) = delete;
    GradientCache &operator=(const GradientCache &) = delete;

    // Fills rect in dc as FillHighlight(dc, rect, c1, style, c2) would, from the kept copy when
    // it holds that fill. Only for the styles that set every pixel of the rectangle from its
    // position in it alone: Horizontal Left To Right (full-height stripes, so a shorter fill
    // is the top of a taller one) and Diagonal. False for any other style, a DC that does not
    // take a copy pixel for pixel, or when no copy can be made: the caller fills in place.
    bool Fill(HDC dc, const RECT &rect, COLORREF c1, long style, COLORREF c2);
    void Clear();
    // Fills computed since construction, to see the cache at work.
    long FilledCount() const { return filled_; }

private:
    long style_ = 0;
    SIZE size_{};  // the fill kept, at the surface's top left
    COLORREF c1_ = 0, c2_ = 0;
    // Grows to the largest fill asked for: fills of one menu differ a little in height.
    std::unique_ptr<ScratchSurface> surface_;
    long filled_ = 0;

    bool Holds(long width, long height, COLORREF c1, long style, COLORREF c2) const;
};

}  // namespace brocade
