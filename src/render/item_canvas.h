// One item being painted: the memory DC it is painted in, its size and how it shows.
#pragma once
#include <windows.h>

#include "common/enums.h"

namespace brocade {

class ItemSurface;
class MenuEvents;
class MenuItemRecord;

struct ItemCanvas {
    HDC dc = nullptr;
    int cx = 0;
    int cy = 0;
    bool selected = false;
    bool hideAccel = false;  // keyboard cues hidden: no mnemonic underlines
    bool keepsState = false;  // what the painters select into dc may stay there
    // No event handler listens: nothing can change between this popup's items, so they may
    // share what the first one read (style, fonts, column widths) until the pass ends.
    bool unobserved = false;
    ItemSurface *surface = nullptr;  // where dc comes from
    unsigned long lookGeneration = 0;  // of the Look the item is painted with
};

// Before and after a host callback on the item: the handler gets the DC in the state it was
// made with, and whatever it changed goes back before the painters go on.
void FreshenForHost(const ItemCanvas &item);

// Raises DrawMenuItemEx at one stage and freshens the DC after it; a failing handler leaves
// bDoDefault as it was.
void RaiseDrawStage(MenuEvents &events, MenuItemRecord &record, const ItemCanvas &item, DrawStage stage,
                    bool &doDefault);

}  // namespace brocade
