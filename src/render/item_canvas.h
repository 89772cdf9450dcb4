// One item being painted: the memory DC it is painted in, its size and how it shows.
#pragma once
#include <windows.h>

namespace brocade {

struct ItemCanvas {
    HDC dc = nullptr;
    int cx = 0;
    int cy = 0;
    bool selected = false;
    bool hideAccel = false;  // keyboard cues hidden: no mnemonic underlines
    bool keepsState = false;  // nobody else sees dc: what is selected into it may stay there
    // No event handler listens: nothing can change between this popup's items, so they may
    // share what the first one read (style, fonts, column widths) until the pass ends.
    bool unobserved = false;
};

}  // namespace brocade
