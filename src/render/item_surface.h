// The memory DC and bitmap an item is painted in before it is copied to the menu at once.
// Making a memory DC costs about as much as painting a plain item, so one DC and bitmaps of
// the last few item sizes are kept; every item still gets what a new DC would give it.
#pragma once
#include <windows.h>

#include <optional>
#include <vector>

#include "common/gdi.h"

namespace brocade {

class ItemSurfaceCache {
public:
    ItemSurfaceCache() = default;
    ~ItemSurfaceCache() { Clear(); }
    ItemSurfaceCache(const ItemSurfaceCache &) = delete;
    ItemSurfaceCache &operator=(const ItemSurfaceCache &) = delete;

    void Clear();
    // Selects the DC's own font back, so a font it held between items may be deleted.
    void ReleaseKeptFont();
    // Memory DCs made since construction, to see the cache at work.
    long CreatedDcCount() const { return createdDcs_; }

private:
    friend class ItemSurface;
    struct SizedBitmap {
        SIZE size;
        UniqueBitmap bitmap;
    };

    std::optional<MemoryDc> dc_;
    int depth_ = 0;  // the format of the DCs the memory DC was made for (see FormatOf)
    HGDIOBJ originalBitmap_ = nullptr;
    std::vector<SizedBitmap> bitmaps_;  // most recently used last
    HBITMAP selected_ = nullptr;         // the kept bitmap the DC holds between items, if any
    HGDIOBJ originalFont_ = nullptr;
    bool stateKept_ = false;             // an unseen item left its DC state behind
    bool busy_ = false;
    long createdDcs_ = 0;

    HDC Acquire(HDC target, int cx, int cy, HBITMAP &bitmap, bool observed, bool clear);
    HBITMAP KeptBitmap(int cx, int cy) const;
    void Return(HBITMAP bitmap, int savedState, bool observed);
    HBITMAP BitmapFor(HDC target, int cx, int cy);
};

// One item's drawing surface: a memory DC compatible with target holding a cx x cy bitmap,
// cleared to black, in the default DC state. Taken from the cache unless the cache is in use
// (an event handler painting another item meanwhile) or cannot serve; then made for this
// item alone. Everything is given back or deleted on scope exit.
class ItemSurface {
public:
    // With observed False nobody but the painters sees the DC (no event handler is listening):
    // it is then lent without saving and restoring its state (SaveDC and RestoreDC copy the
    // whole DC state for every item), and may keep the font the painters selected. The painters set every
    // attribute they rely on themselves. With paintersCoverAll as well, the painters fill every
    // pixel before anything else (a popup item's background), so the kept bitmap is not
    // cleared first.
    ItemSurface(ItemSurfaceCache &cache, HDC target, int cx, int cy, bool observed = true,
                bool paintersCoverAll = false);
    ~ItemSurface();
    ItemSurface(const ItemSurface &) = delete;
    ItemSurface &operator=(const ItemSurface &) = delete;

    // Null when neither a DC nor a bitmap could be had.
    HDC Dc() const { return dc_; }
    // True when the DC may keep what the painters select into it after the item.
    bool KeepsState() const { return cache_ != nullptr && !observed_; }

private:
    ItemSurfaceCache *cache_ = nullptr;  // set while the cached DC is lent out
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    int savedState_ = 0;
    bool observed_ = true;
    // An item's own DC and bitmap, when the cache cannot serve.
    std::optional<MemoryDc> ownDc_;
    UniqueBitmap ownBitmap_;
    HGDIOBJ ownPrevious_ = nullptr;
};

}  // namespace brocade
