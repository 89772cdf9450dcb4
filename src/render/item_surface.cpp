#include "render/item_surface.h"

#include <algorithm>

#include "common/skippable.h"
#include "render/draw_host.h"
#include "render/item_canvas.h"

namespace brocade {

namespace {

constexpr size_t kKeptBitmaps = 4;  // item, separator, last item, and one to spare

bool Selectable(HGDIOBJ previous) { return previous != nullptr && previous != HGDI_ERROR; }

// What decides the format of a bitmap compatible with a DC: for a memory DC the bitmap it
// holds, for any other the display. (The display counts as one format, so drawing an item
// does not ask the driver for its depth.)
int FormatOf(HDC target) {
    if (GetObjectType(target) != OBJ_MEMDC) return 0;
    BITMAP bitmap = {};
    if (!GetObjectW(GetCurrentObject(target, OBJ_BITMAP), sizeof bitmap, &bitmap)) return -1;
    return bitmap.bmBitsPixel * bitmap.bmPlanes;
}

}  // namespace

void ItemSurfaceCache::Clear() {
    knownFresh_ = false;
    if (dc_ && originalBitmap_) SelectObject(dc_->Get(), originalBitmap_);
    ReleaseKeptFont();
    dc_.reset();
    originalBitmap_ = nullptr;
    originalFont_ = nullptr;
    bitmaps_.clear();
    selected_ = nullptr;
    depth_ = 0;
}

void ItemSurfaceCache::ReleaseKeptFont() {
    if (dc_ && originalFont_) SelectObject(dc_->Get(), originalFont_);
}

HBITMAP ItemSurfaceCache::KeptBitmap(int cx, int cy) const {
    for (const SizedBitmap &kept : bitmaps_)
        if (kept.size.cx == cx && kept.size.cy == cy) return kept.bitmap.Get();
    return nullptr;
}

HBITMAP ItemSurfaceCache::BitmapFor(HDC target, int cx, int cy) {
    for (size_t i = 0; i < bitmaps_.size(); ++i) {
        if (bitmaps_[i].size.cx == cx && bitmaps_[i].size.cy == cy) {
            std::rotate(bitmaps_.begin() + i, bitmaps_.begin() + i + 1, bitmaps_.end());
            return bitmaps_.back().bitmap.Get();
        }
    }
    UniqueBitmap bitmap(CreateCompatibleBitmap(target, cx, cy));
    if (!bitmap) return nullptr;
    if (bitmaps_.size() >= kKeptBitmaps) bitmaps_.erase(bitmaps_.begin());  // none is selected now
    bitmaps_.push_back(SizedBitmap{SIZE{cx, cy}, std::move(bitmap)});
    return bitmaps_.back().bitmap.Get();
}

HDC ItemSurfaceCache::Acquire(HDC target, int cx, int cy, HBITMAP &bitmap, bool observed, bool clear) {
    if (busy_) return nullptr;
    const int depth = FormatOf(target);
    if (dc_ && (depth != depth_ || GetObjectType(dc_->Get()) != OBJ_MEMDC)) Clear();
    if (!dc_) {
        dc_.emplace(target);
        if (!*dc_) {
            dc_.reset();
            return nullptr;
        }
        depth_ = depth;
        originalBitmap_ = GetCurrentObject(dc_->Get(), OBJ_BITMAP);
        originalFont_ = GetCurrentObject(dc_->Get(), OBJ_FONT);
        fresh_ = ReadDcState(dc_->Get());
    }
    HDC dc = dc_->Get();
    // Consecutive items of one size (the common case) keep their bitmap selected: selecting a
    // display-compatible bitmap into a memory DC is the costliest step of an item.
    bitmap = KeptBitmap(cx, cy);
    if (!bitmap || bitmap != selected_) {
        SelectObject(dc, originalBitmap_);  // so any bitmap may be dropped from the list
        selected_ = nullptr;
        bitmap = BitmapFor(target, cx, cy);
        if (!bitmap || !Selectable(SelectObject(dc, bitmap))) {
            Clear();
            return nullptr;
        }
        selected_ = bitmap;
    }
    if (clear) PatBlt(dc, 0, 0, cx, cy, BLACKNESS);  // a new compatible bitmap is black
    busy_ = true;
    return dc;
}

bool ItemSurfaceCache::Freshen(HBITMAP bitmap) {
    if (!dc_) return false;
    if (!probe_) probe_.Reset(CreateRectRgn(0, 0, 0, 0));
    return RestoreDcState(dc_->Get(), fresh_, bitmap, probe_.Get());
}

void ItemSurfaceCache::Return(HBITMAP bitmap, bool fresh) {
    busy_ = false;
    if (!dc_) return;
    // A DC that cannot be brought back to its own state is not lent again.
    if (GetCurrentObject(dc_->Get(), OBJ_BITMAP) != bitmap) Clear();
    knownFresh_ = fresh && dc_;
}

void TextLayer::Clear() {
    ReleaseFont();
    if (dc_ && originalBitmap_) SelectObject(dc_->Get(), originalBitmap_);
    bitmap_.Reset();
    dc_.reset();
    originalBitmap_ = nullptr;
    originalFont_ = nullptr;
    size_ = SIZE{};
    depth_ = 0;
}

void TextLayer::ReleaseFont() {
    if (dc_ && originalFont_) SelectObject(dc_->Get(), originalFont_);
}

HDC TextLayer::Acquire(HDC itemDc, int cx, int cy) {
    if (busy_ || cx <= 0 || cy <= 0) return nullptr;
    const int depth = FormatOf(itemDc);
    if (dc_ && depth != depth_) Clear();
    if (!dc_) {
        dc_.emplace(itemDc);
        if (!*dc_) {
            dc_.reset();
            return nullptr;
        }
        depth_ = depth;
        originalBitmap_ = GetCurrentObject(dc_->Get(), OBJ_BITMAP);
        originalFont_ = GetCurrentObject(dc_->Get(), OBJ_FONT);
    }
    if (cx > size_.cx || cy > size_.cy) {
        const SIZE size{std::max<LONG>(cx, size_.cx), std::max<LONG>(cy, size_.cy)};
        SelectObject(dc_->Get(), originalBitmap_);
        bitmap_.Reset(CreateCompatibleBitmap(itemDc, size.cx, size.cy));
        size_ = SIZE{};
        if (!bitmap_ || !Selectable(SelectObject(dc_->Get(), bitmap_.Get()))) {
            Clear();
            return nullptr;
        }
        size_ = size;
    }
    busy_ = true;
    return dc_->Get();
}

TextLayerLease::TextLayerLease(TextLayer &layer, HDC itemDc, int cx, int cy)
    : layer_(layer), dc_(layer.Acquire(itemDc, cx, cy)) {}

TextLayerLease::~TextLayerLease() {
    if (dc_) layer_.busy_ = false;
}

ItemSurface::ItemSurface(ItemSurfaceCache &cache, HDC target, int cx, int cy, bool observed, bool paintersCoverAll)
    : observed_(observed) {
    if (cx <= 0 || cy <= 0) return;
    if (HDC cached = cache.Acquire(target, cx, cy, bitmap_, observed, observed || !paintersCoverAll)) {
        cache_ = &cache;
        dc_ = cached;
        startsFresh_ = cache.knownFresh_;
        cache.knownFresh_ = false;
        return;
    }
    ownDc_.emplace(target);
    if (!*ownDc_) return;
    ownFresh_ = ReadDcState(ownDc_->Get());
    ownBitmap_.Reset(CreateCompatibleBitmap(target, cx, cy));
    if (!ownBitmap_) return;
    ownPrevious_ = SelectObject(ownDc_->Get(), ownBitmap_.Get());
    if (!Selectable(ownPrevious_)) {
        ownPrevious_ = nullptr;
        return;
    }
    dc_ = ownDc_->Get();
}

void ItemSurface::WatchHostDrawing() {
    if (!dc_ || watching_) return;
    watching_ = SetBoundsRect(dc_, nullptr, DCB_ENABLE | DCB_RESET) != 0;
    if (!watching_) hostDrew_ = true;
}

void ItemSurface::Freshen() {
    if (watching_) {
        // A new DC accumulates no bounds, so the next callback finds none.
        RECT bounds;
        if (GetBoundsRect(dc_, &bounds, DCB_RESET) != DCB_RESET) hostDrew_ = true;
        SetBoundsRect(dc_, nullptr, DCB_DISABLE);
        watching_ = false;
    }
    if (!observed_ || !dc_ || broken_) return;
    if (cache_) {
        broken_ = !cache_->Freshen(bitmap_);
    } else {
        UniqueRegion probe(CreateRectRgn(0, 0, 0, 0));
        broken_ = !RestoreDcState(dc_, ownFresh_, ownBitmap_.Get(), probe.Get());
    }
}

void ItemSurface::FreshenForFirstCallback() {
    if (!startsFresh_) Freshen();
}

ItemSurface::~ItemSurface() {
    if (cache_) {
        cache_->Return(bitmap_, observed_ && endsFresh_);
        return;
    }
    if (ownDc_ && ownPrevious_) SelectObject(ownDc_->Get(), ownPrevious_);
    ownBitmap_.Reset();
    ownDc_.reset();
}

void FreshenForHost(const ItemCanvas &item) {
    if (item.surface) item.surface->Freshen();
}

void RaiseDrawStage(MenuEvents &events, MenuItemRecord &record, const ItemCanvas &item, DrawStage stage,
                    bool &doDefault) {
    // The painters leave the item DC's attributes as they found them (their texts go to their own
    // layer), so only what the handler changed needs putting back.
    Skippable([&] { events.FireDrawMenuItemEx(record, item.dc, item.selected, item.cx, item.cy, stage, doDefault); });
    FreshenForHost(item);
    if (stage == kPostDraw && item.surface) item.surface->EndsFresh();
}

}  // namespace brocade
