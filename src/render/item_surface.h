// The memory DC and bitmap an item is painted in before it is copied to the menu at once.
// Making a memory DC costs about as much as painting a plain item, so one DC and bitmaps of
// the last few item sizes are kept; every item still gets what a new DC would give it.
#pragma once
#include <windows.h>

#include <optional>
#include <vector>

#include "common/gdi.h"
#include "render/dc_state.h"

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
    DcState fresh_;                      // the memory DC's state as it was made
    UniqueRegion probe_;                 // what the DC's clipping is read into
    bool busy_ = false;
    bool knownFresh_ = false;  // given back in its fresh state: the last handler's changes were put back

    HDC Acquire(HDC target, int cx, int cy, HBITMAP &bitmap, bool observed, bool clear);
    HBITMAP KeptBitmap(int cx, int cy) const;
    // Brings the lent DC back to the state it was made with; false when it cannot be.
    bool Freshen(HBITMAP bitmap);
    void Return(HBITMAP bitmap, bool fresh);
    HBITMAP BitmapFor(HDC target, int cx, int cy);
};

// The painters' own DC for an item's texts, which no host callback ever sees: the font the
// texts are drawn in stays selected from one item to the next (selecting a font can cost more
// than drawing a text), while the item DC the host's handlers get keeps a new DC's font.
// Its bitmap, of the item DC's format, grows to the largest item asked for.
class TextLayer {
public:
    TextLayer() = default;
    ~TextLayer() { Clear(); }
    TextLayer(const TextLayer &) = delete;
    TextLayer &operator=(const TextLayer &) = delete;

    void Clear();
    // Selects the DC's own font back, so a font it held may be deleted.
    void ReleaseFont();

private:
    friend class TextLayerLease;
    std::optional<MemoryDc> dc_;
    UniqueBitmap bitmap_;
    SIZE size_{};
    int depth_ = 0;
    HGDIOBJ originalBitmap_ = nullptr;
    HGDIOBJ originalFont_ = nullptr;
    bool busy_ = false;

    HDC Acquire(HDC itemDc, int cx, int cy);
};

// The layer lent to one item's texts, cx x cy of it in use; given back on scope exit. Dc() is
// null when the layer is in use already or cannot be made.
class TextLayerLease {
public:
    TextLayerLease(TextLayer &layer, HDC itemDc, int cx, int cy);
    ~TextLayerLease();
    TextLayerLease(const TextLayerLease &) = delete;
    TextLayerLease &operator=(const TextLayerLease &) = delete;
    HDC Dc() const { return dc_; }

private:
    TextLayer &layer_;
    HDC dc_ = nullptr;
};

// One item's drawing surface: a memory DC compatible with target holding a cx x cy bitmap,
// cleared to black, in the default DC state. Taken from the cache unless the cache is in use
// (an event handler painting another item meanwhile) or cannot serve; then made for this
// item alone. Everything is given back or deleted on scope exit.
class ItemSurface {
public:
    // The DC keeps the font the painters selected from one item to the next (selecting a font
    // can cost more than drawing a text); the painters set every attribute they rely on
    // themselves. With observed False nobody but the painters sees the DC (no event handler is
    // listening); with paintersCoverAll as well, the painters fill every pixel before anything
    // else (a popup item's background), so the kept bitmap is not cleared first. With observed
    // True, every host callback gets the DC in the state it was made with (see Freshen).
    ItemSurface(ItemSurfaceCache &cache, HDC target, int cx, int cy, bool observed = true,
                bool paintersCoverAll = false);
    ~ItemSurface();
    ItemSurface(const ItemSurface &) = delete;
    ItemSurface &operator=(const ItemSurface &) = delete;

    // Null when neither a DC nor a bitmap could be had.
    HDC Dc() const { return dc_; }
    // True when the DC may keep what the painters select into it after the item.
    bool KeepsState() const { return cache_ != nullptr; }
    // The format of the kept DC's bitmaps (see FormatOf); -1 for a DC made for this item alone.
    int Format() const { return cache_ ? cache_->depth_ : -1; }
    // Around a host callback: brings the DC back to the state it was made with, comparing the
    // attributes the painters rely on and putting back only those that differ, rather than
    // saving and restoring the whole DC for every item.
    void Freshen();
    // Before the item's first host callback: the same, unless the DC came back from the item
    // before in its fresh state (every item's last callback is followed by a Freshen).
    void FreshenForFirstCallback();
    // After the item's last callback and its Freshen: nothing changes the DC's state any more.
    void EndsFresh() { endsFresh_ = !broken_; }
    // Before a host callback: the DC notes where the host draws (its bounds accumulate) until
    // the Freshen after it.
    void WatchHostDrawing();
    // Whether the host drew on the DC in a watched callback (or may have: the bounds could not
    // be read). A host that only draws through GDI calls on the DC is seen.
    bool HostDrew() const { return hostDrew_; }

private:
    ItemSurfaceCache *cache_ = nullptr;  // set while the cached DC is lent out
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    bool observed_ = true;
    bool broken_ = false;  // a handler left the DC in a state it cannot be brought back from
    bool startsFresh_ = false;
    bool endsFresh_ = false;
    bool watching_ = false;
    bool hostDrew_ = false;
    // An item's own DC and bitmap, when the cache cannot serve.
    std::optional<MemoryDc> ownDc_;
    UniqueBitmap ownBitmap_;
    HGDIOBJ ownPrevious_ = nullptr;
    DcState ownFresh_;
};

}  // namespace brocade
