#include "render/tile_background.h"

#include <algorithm>

#include "render/background_surface.h"

namespace brocade {

namespace {

// The phase of a position within a tile, also for positions left of or above the origin.
int Phase(int position, int extent) {
    const int phase = position % extent;
    return phase < 0 ? phase + extent : phase;
}

}  // namespace

void TileBackgroundPicture(HDC dc, HDC source, int pictureWidth, int pictureHeight, int x, int y, int w, int h) {
    if (!source || pictureWidth <= 0 || pictureHeight <= 0) return;
    const int startX = Phase(x, pictureWidth);
    int sourceY = Phase(y, pictureHeight);
    for (int top = 0; top < h;) {
        const int rowHeight = std::min(pictureHeight - sourceY, h - top);
        int sourceX = startX;
        for (int left = 0; left < w;) {
            const int columnWidth = std::min(pictureWidth - sourceX, w - left);
            BitBlt(dc, left, top, columnWidth, rowHeight, source, sourceX, sourceY, SRCCOPY);
            left += columnWidth;
            sourceX += columnWidth;
            if (sourceX >= pictureWidth) sourceX = 0;
        }
        top += rowHeight;
        sourceY += rowHeight;
        if (sourceY >= pictureHeight) sourceY = 0;
    }
}

void TileBackgroundPicture(HDC dc, const BackgroundSurface *surface, int x, int y, int w, int h) {
    if (!surface) return;
    TileBackgroundPicture(dc, surface->Dc(), surface->Width(), surface->Height(), x, y, w, h);
}

}  // namespace brocade
