#include "render/item_image_cache.h"

#include <algorithm>

#include "menu/menu_item.h"

namespace brocade {

bool ItemImageKey::operator==(const ItemImageKey &other) const {
    return lookGeneration == other.lookGeneration && format == other.format && cx == other.cx && cy == other.cy &&
           bitmapWidth == other.bitmapWidth && shortcutWidth == other.shortcutWidth && selected == other.selected &&
           hideAccel == other.hideAccel && checked == other.checked && disabled == other.disabled &&
           separator == other.separator && last == other.last && picture.Get() == other.picture.Get() &&
           pictureBackColor == other.pictureBackColor && language == other.language && unicode == other.unicode &&
           captionFont.Get() == other.captionFont.Get() && shortcutFont.Get() == other.shortcutFont.Get() &&
           captionFontStamp == other.captionFontStamp && shortcutFontStamp == other.shortcutFontStamp &&
           caption == other.caption && shortcut == other.shortcut;
}

std::optional<ItemImageKey> ItemImageKeyOf(const MenuItemRecord &record, unsigned long lookGeneration, int format,
                                           int cx, int cy, long bitmapWidth, long shortcutWidth, bool selected,
                                           bool hideAccel, IPictureDisp *picture, const std::string &caption) {
    ItemImageKey key;
    key.captionFont = record.CaptionFont();
    key.shortcutFont = record.ShortcutFont();
    key.captionFontStamp = WatchedFontStamp(key.captionFont.Get());
    key.shortcutFontStamp = WatchedFontStamp(key.shortcutFont.Get());
    if (!key.captionFontStamp || !key.shortcutFontStamp) return std::nullopt;
    key.lookGeneration = lookGeneration;
    key.format = format;
    key.cx = cx;
    key.cy = cy;
    key.bitmapWidth = bitmapWidth;
    key.shortcutWidth = shortcutWidth;
    key.selected = selected;
    key.hideAccel = hideAccel;
    key.checked = record.Checked();
    key.disabled = record.Disabled();
    key.separator = record.IsSeparator();
    key.last = record.IsLast();
    key.picture = ComPtr<IPictureDisp>(picture);
    key.pictureBackColor = record.PictureBackColor();
    key.caption = caption;
    key.shortcut = record.ShortcutText();
    key.language = record.Language();
    key.unicode = record.Unicode();
    return key;
}

bool ItemImageCache::Draw(const MenuItemRecord &record, const ItemImageKey &key, HDC dc) {
    const auto found = images_.find({&record, key.selected});
    if (!dc_ || found == images_.end() || found->second.key != key) return false;
    return BitBlt(dc, 0, 0, key.cx, key.cy, dc_->Get(), 0, found->second.top, SRCCOPY) != FALSE;
}

int ItemImageCache::Place(HDC dc, int format, int cx, int cy) {
    if (cx <= 0 || cy <= 0 || cy > kMaxHeight) return -1;
    if (dc_ && format == format_ && cx <= size_.cx && used_ + cy <= size_.cy) {
        used_ += cy;
        return used_ - cy;
    }
    // Each new sheet is wide enough for every item asked for so far and twice as tall as the
    // last one, up to the limit.
    const SIZE size{std::max<LONG>(cx, dc_ && format == format_ ? size_.cx : 0),
                    std::min(kMaxHeight, std::max<int>(std::max<int>(cy * 32, size_.cy * 2), cy))};
    Clear();
    dc_.emplace(dc);
    if (!*dc_) {
        dc_.reset();
        return -1;
    }
    sheet_.Reset(CreateCompatibleBitmap(dc, size.cx, size.cy));
    const HGDIOBJ previous = sheet_ ? SelectObject(dc_->Get(), sheet_.Get()) : nullptr;
    if (!previous || previous == HGDI_ERROR) {
        Clear();
        return -1;
    }
    originalBitmap_ = previous;
    size_ = size;
    format_ = format;
    used_ = cy;
    return 0;
}

void ItemImageCache::Keep(const MenuItemRecord &record, ItemImageKey key, HDC dc) {
    const std::pair<const MenuItemRecord *, bool> name{&record, key.selected};
    auto found = images_.find(name);
    int top = -1;
    // An image of the same size and format takes the place of the one before it.
    if (found != images_.end() && dc_ && found->second.key.cx == key.cx && found->second.key.cy == key.cy &&
        key.format == format_ && key.cx <= size_.cx)
        top = found->second.top;
    if (top < 0) {
        top = Place(dc, key.format, key.cx, key.cy);
        if (top < 0) return;
        found = images_.find(name);  // a new sheet lets go of every image before it
    }
    if (!BitBlt(dc_->Get(), 0, top, key.cx, key.cy, dc, 0, 0, SRCCOPY)) {
        if (found != images_.end()) images_.erase(found);
        return;
    }
    if (found != images_.end()) {
        found->second = Image{std::move(key), top};
        return;
    }
    images_.emplace(name, Image{std::move(key), top});
}

void ItemImageCache::Forget() {
    images_.clear();
    used_ = 0;
}

void ItemImageCache::Clear() {
    if (dc_ && originalBitmap_) SelectObject(dc_->Get(), originalBitmap_);
    images_.clear();
    dc_.reset();
    sheet_.Reset();
    originalBitmap_ = nullptr;
    size_ = SIZE{};
    used_ = 0;
}

}  // namespace brocade
