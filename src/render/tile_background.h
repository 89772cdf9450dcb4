// The tiled BackgroundPicture under popup items. Each item is painted on its own, so the
// tiles of an item continue the phase of the item above it.
#pragma once
#include <windows.h>

namespace brocade {

class BackgroundSurface;

// Covers (0, 0)-(w, h) of dc with the picture in source (pictureWidth x pictureHeight), as if
// the picture were tiled from the popup's origin and the item sat at (x, y).
void TileBackgroundPicture(HDC dc, HDC source, int pictureWidth, int pictureHeight, int x, int y, int w, int h);
// The same from the control's background picture surface; nothing without one.
void TileBackgroundPicture(HDC dc, const BackgroundSurface *surface, int x, int y, int w, int h);

}  // namespace brocade
