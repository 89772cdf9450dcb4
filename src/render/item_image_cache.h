// Popup items as the painters last drew them, kept while one menu loop lasts. The system draws an item
// again whenever its popup opens or the selection moves over it; an item whose inputs are all
// the same (the same Look, size, texts, fonts, picture and state) is copied instead of painted.
// Nothing else decides what the painters draw, so the copy has the same pixels.
#pragma once
#include <windows.h>
#include <ocidl.h>

#include <map>
#include <optional>
#include <string>
#include <utility>

#include "common/com_ptr.h"
#include "common/gdi.h"

namespace brocade {

class MenuItemRecord;

// Everything a popup item's painting reads, compared whole.
struct ItemImageKey {
    unsigned long lookGeneration = 0;
    int format = 0;  // of the item's memory DC (see ItemSurface::Format)
    int cx = 0, cy = 0;
    long bitmapWidth = 0, shortcutWidth = 0;
    bool selected = false, hideAccel = false;
    bool checked = false, disabled = false, separator = false, last = false;
    ComPtr<IPictureDisp> picture;  // held, so its address names no other picture meanwhile
    OLE_COLOR pictureBackColor = 0;
    std::string caption, shortcut;
    long language = 0;
    bool unicode = false;
    ComPtr<IFontDisp> captionFont, shortcutFont;
    unsigned long long captionFontStamp = 0, shortcutFontStamp = 0;

    bool operator==(const ItemImageKey &other) const;
    bool operator!=(const ItemImageKey &other) const { return !(*this == other); }
};

// The key of the record's item as it is about to be painted; nothing when the item cannot be
// kept: a font that is not watched for changes could change unseen.
std::optional<ItemImageKey> ItemImageKeyOf(const MenuItemRecord &record, unsigned long lookGeneration, int format,
                                           int cx, int cy, long bitmapWidth, long shortcutWidth, bool selected,
                                           bool hideAccel, IPictureDisp *picture, const std::string &caption);

class ItemImageCache {
public:
    ItemImageCache() = default;
    ~ItemImageCache() { Clear(); }
    ItemImageCache(const ItemImageCache &) = delete;
    ItemImageCache &operator=(const ItemImageCache &) = delete;

    // Copies the image kept for the record's item under key to (0, 0) of dc; false when there
    // is none.
    bool Draw(const MenuItemRecord &record, const ItemImageKey &key, HDC dc);
    // Keeps the cx x cy pixels at (0, 0) of dc as the record's item under key.
    void Keep(const MenuItemRecord &record, ItemImageKey key, HDC dc);
    // Lets go of every image and keeps the bitmap they lay in.
    void Forget();
    // Lets go of everything, the bitmap too.
    void Clear();

private:
    // The images lie one below the other in one bitmap, which stays selected: selecting a
    // bitmap into a DC costs far more than copying an item. When it is full, or an item is
    // wider, it starts again empty.
    static constexpr int kMaxHeight = 8192;
    struct Image {
        ItemImageKey key;
        int top = 0;
    };
    std::optional<MemoryDc> dc_;
    UniqueBitmap sheet_;
    HGDIOBJ originalBitmap_ = nullptr;
    SIZE size_{};
    int format_ = 0;
    int used_ = 0;  // rows taken from the top
    // An item shows two faces in a loop, selected and not.
    std::map<std::pair<const MenuItemRecord *, bool>, Image> images_;

    // A free place cx x cy in the sheet, made for dc's format; -1 when none can be had.
    int Place(HDC dc, int format, int cx, int cy);
};

}  // namespace brocade
