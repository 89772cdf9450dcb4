// The control's record of one menu item it has taken over: what the system said about the
// item, the measured sizes of its texts, and the attributes the host may change.
// Records are reference counted: the item collection holds the long-lived reference, events
// and handlers temporary ones.
#pragma once
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <memory>
#include <string>

#include "common/com_ptr.h"
#include "menu/item_parts.h"

namespace brocade {

class MenuItemRecord;

// Something that lives exactly as long as a record and belongs to it: its automation object.
class RecordCompanion {
public:
    virtual ~RecordCompanion() = default;
};

// Told when a record's menu handle changes, so an index by menu stays right, and when
// something the widths of its menu's columns follow changes (picture, check, text sizes).
class RecordMenuObserver {
public:
    virtual void MenuHandleChanged(MenuItemRecord &record, HMENU previous) = 0;
    virtual void ColumnsChanged() = 0;

protected:
    ~RecordMenuObserver() = default;
};

// A stamp that changes whenever a record starts watching the font object or the object
// changes a property; 0 for an object no record watches. What was read from a watched font
// holds while its stamp stays (a record is told of every change to its fonts).
unsigned long long WatchedFontStamp(IFontDisp *font);

// The colour a new record leaves transparent in bitmap pictures: light gray.
constexpr OLE_COLOR kDefaultPictureBackColor = 0x00C0C0C0;

// The record is made of its text and the facts the scan learnt, and holds besides them what
// changes the item's looks: its picture, fonts and language, its check and measured sizes.
class MenuItemRecord : public ItemText, public ItemFacts {
public:
    static ComPtr<MenuItemRecord> Create();
    MenuItemRecord(const MenuItemRecord &) = delete;
    MenuItemRecord &operator=(const MenuItemRecord &) = delete;

    ULONG AddRef();
    ULONG Release();

    // --- Attributes the host may change -----------------------------------------------------
    ComPtr<IPictureDisp> Picture() const { return picture_; }
    // Marks the record changed only when another object takes the place of the held one.
    void SetPicture(IPictureDisp *picture);
    OLE_COLOR PictureBackColor() const { return pictureBackColor_; }
    void SetPictureBackColor(OLE_COLOR color);
    long Language() const { return language_; }
    // Stores the language and gives both fonts, where set, the language's character set.
    void SetLanguage(long language);
    bool Unicode() const { return unicode_; }
    void SetUnicode(bool value) { unicode_ = value; }

    // The record's own fonts; their properties may change, the objects are not replaced by the host.
    ComPtr<IFontDisp> CaptionFont() const { return captionFont_.font; }
    ComPtr<IFontDisp> ShortcutFont() const { return shortcutFont_.font; }
    // Internal: replace a font (null allowed); a font now held gets the language's character set.
    void SetCaptionFont(IFontDisp *font);
    void SetShortcutFont(IFontDisp *font);

    // --- What the scan learnt that the menu's index and columns follow ------------------------
    HMENU MenuHandle() const { return menu_; }
    void SetMenuHandle(HMENU menu);
    bool Checked() const { return checked_; }
    void SetChecked(bool value);

    long CaptionTextWidth() const { return captionTextWidth_; }
    long CaptionTextHeight() const { return captionTextHeight_; }
    void SetCaptionTextSize(SIZE size);
    long ShortcutTextWidth() const { return shortcutTextWidth_; }
    long ShortcutTextHeight() const { return shortcutTextHeight_; }
    void SetShortcutTextSize(SIZE size);

    // --- Bookkeeping of the conversion ------------------------------------------------------
    long ItemSerial() const { return itemSerial_; }
    // A new serial means a new item data: the item must be converted again.
    void SetItemSerial(long serial);
    UINT AppliedMenuFlags() const { return appliedMenuFlags_; }
    void SetAppliedMenuFlags(UINT flags) { appliedMenuFlags_ = flags; }
    bool AttributesChanged() const { return attributesChanged_; }
    void SetAttributesChanged(bool value) { attributesChanged_ = value; }

    // Drops both fonts and the picture, for a record that leaves the collection.
    void ReleaseAttributes();

    // The automation object of this record, created by the COM layer on first demand.
    RecordCompanion *Companion() const { return companion_.get(); }
    void SetCompanion(std::unique_ptr<RecordCompanion> companion) { companion_ = std::move(companion); }

    // The collection that indexes this record by menu (one at most).
    void SetMenuObserver(RecordMenuObserver *observer) { menuObserver_ = observer; }

private:
    MenuItemRecord();
    ~MenuItemRecord();

    // Receives both fonts' change notifications; lives and dies with the record, so it keeps
    // no reference on it (the fonts are disconnected before the record goes).
    class FontChangeSink final : public IPropertyNotifySink {
    public:
        explicit FontChangeSink(MenuItemRecord &record) : record_(record) {}
        STDMETHODIMP QueryInterface(REFIID iid, void **result) override;
        STDMETHODIMP_(ULONG) AddRef() override { return 2; }
        STDMETHODIMP_(ULONG) Release() override { return 1; }
        STDMETHODIMP OnChanged(DISPID) override;
        STDMETHODIMP OnRequestEdit(DISPID) override { return S_OK; }

    private:
        MenuItemRecord &record_;
    };

    struct ConnectedFont {
        ComPtr<IFontDisp> font;
        DWORD cookie = 0;
    };

    void ReplaceFont(ConnectedFont &slot, IFontDisp *font);
    void ApplyCharset(IFontDisp *font) const;

    LONG refs_ = 1;
    ComPtr<IPictureDisp> picture_;
    OLE_COLOR pictureBackColor_ = kDefaultPictureBackColor;
    HMENU menu_ = nullptr;
    bool checked_ = false;
    long shortcutTextWidth_ = 0;
    long shortcutTextHeight_ = 0;
    long captionTextWidth_ = 0;
    long captionTextHeight_ = 0;
    UINT appliedMenuFlags_ = 0;
    long itemSerial_ = 0;
    bool attributesChanged_ = false;
    long language_ = 0;
    bool unicode_ = false;

    FontChangeSink fontSink_{*this};
    ConnectedFont captionFont_;
    ConnectedFont shortcutFont_;

    RecordMenuObserver *menuObserver_ = nullptr;
    std::unique_ptr<RecordCompanion> companion_;
};

using RecordPtr = ComPtr<MenuItemRecord>;

// Character set of a bdLanguage value's fonts (ANSI_CHARSET for the languages written in it).
short GetLanguageCharset(long language);

}  // namespace brocade
