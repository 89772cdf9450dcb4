#include "menu/menu_scan.h"

#include <cstddef>

#include "common/skippable.h"
#include "common/enums.h"
#include "menu/captions.h"
#include "menu/image_list_lookup.h"
#include "menu/menu_rewrite.h"
#include "menu/menu_text.h"
#include "menu/ole_font.h"
#include "common/os_version.h"
#include "menu/text_measure.h"
#include "menu/unicode_caption.h"

namespace brocade {

namespace {

constexpr UINT kMissingItem = 0xFFFFFFFF;
constexpr OLE_COLOR kMagenta = 0x00FF00FF;
constexpr OLE_COLOR kYellow = 0x0000FFFF;


// MENUITEMINFO as the running system knows it: NT 4.0 lacks the trailing bitmap member.
UINT MenuItemInfoSize() {
    return IsWinNT4() ? static_cast<UINT>(offsetof(MENUITEMINFOA, hbmpItem)) : sizeof(MENUITEMINFOA);
}

bool HasLanguageCharset(long language) {
    return language == kKorean || language == kJapanese || language == kChineseTraditional ||
           language == kChineseSimplified || language == kRussian;
}

bool SystemHasMenuInfo() { return !IsWinNT4() && !IsWin95() && !IsWinNT3(); }

UINT StateFlags(bool checked, bool disabled) {
    return (checked ? MF_CHECKED : 0u) | (disabled ? MF_DISABLED | MF_GRAYED : 0u);
}

}  // namespace

// --- The two scans ------------------------------------------------------------------------------

void MenuScanner::OnInitMenuPopup(HWND window, HMENU menu, bool systemMenu) {
    HWND hostWindow = host_.HostFormWindow();
    bool resetFirst = window == hostWindow && systemMenu;
    ScanPopupMenu(window, menu, kNoParentMenuId, false, resetFirst);
}

void MenuScanner::ScanPopupMenu(HWND owner, HMENU menu, long parentMenuId, bool isTopLevel, bool resetFirst) {
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i)
        FixMenuItemStyle(owner, menu, parentMenuId, i, isTopLevel, i == 0, i == count - 1, resetFirst);
}

void MenuScanner::ScanMenuBar(HMENU menuBar) {
    if (scanningMenuBar_) return;
    struct Scanning {
        bool &flag;
        explicit Scanning(bool &f) : flag(f) { flag = true; }
        ~Scanning() { flag = false; }
    } scanning(scanningMenuBar_);
    Skippable([&] { host_.RebuildSystemMenuFont(); });
    int count = GetMenuItemCount(menuBar);

    if (SystemHasMenuInfo()) {
        HBRUSH custom = host_.MenuBarBackgroundBrush();
        bool useCustom = custom && SkippableOr(false, [&] { return host_.ScanUseCustomColors(); }) &&
                         host_.ScanEnabled();
        MENUINFO info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIM_BACKGROUND;
        // XP draws its own menu bar colour when given none.
        info.hbrBack = useCustom ? custom : (IsWinXP() ? nullptr : GetSysColorBrush(COLOR_MENU));
        if (count > 0) SetMenuInfo(menuBar, &info);
    }

    HWND owner = host_.ControlOwnWindow();
    for (int i = 0; i < count; ++i) {
        // Items without text are skipped but still hold position 0.
        if (GetMenuText(menuBar, i).empty()) continue;
        FixMenuItemStyle(owner, menuBar, kNoParentMenuId, i, true, i == 0, false, false);
    }
}

// --- One item ---------------------------------------------------------------------------------

RecordPtr MenuScanner::FixMenuItemStyle(HWND owner, HMENU menu, long parentMenuId, int position, bool isTopLevel,
                                        bool isFirst, bool isLast, bool resetFirst) {
    // A failing item is left as it is; the scan goes on with the next one.
    return SkippableOr(RecordPtr(), [&] {
        if (!host_.ScanEnabled()) return RecordPtr();
        ItemReading item;
        if (!ReadItem(menu, position, item)) return RecordPtr();
        ItemPlace place{owner, menu, position, isTopLevel, isFirst, isLast, resetFirst};

        RecordPtr record = FindMenuItem(menu, position);
        bool isNew = !record;
        if (isNew) {
            record = NewRecord();
            AddToMenuItemCollection(record);
        }
        RefreshRecord(*record.Get(), place, item);
        ComPtr<IPictureDisp> picture = LookUpHelpAndPicture(*record.Get(), place, item);

        if (parentMenuId == kNoParentMenuId) {
            RecordPtr converted = FindMenuItem(menu, position);
            parentMenuId = converted ? converted->ParentMenuId() : kNoParentMenuId;
        }
        record->SetParentMenuId(parentMenuId);
        record->SetPicture(picture.Get());
        CopyDefaultFonts(*record.Get());
        // Only what the host changes from here on counts, or the record being new.
        record->SetAttributesChanged(isNew);

        Skippable([&] { events_.FireSetMenuItemAttributes(*record.Get()); });

        ApplyLanguageCharset(*record.Get());
        MeasureTexts(*record.Get());
        ConvertWhenChanged(*record.Get(), place, item);
        return record;
    });
}

bool MenuScanner::ReadItem(HMENU menu, int position, ItemReading &item) {
    item.text = GetMenuText(menu, position);
    item.state = GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION);
    // An item that opens a submenu has the submenu's item count in bits 8 to 15, so the
    // separator bit alone does not make a separator.
    item.hasSubMenu = GetSubMenu(menu, position) != nullptr;
    if ((item.state & MF_SEPARATOR) && !item.hasSubMenu) item.text.clear();
    item.isSeparator =
        item.text.empty() && item.state != kMissingItem && !item.hasSubMenu && (item.state & MF_SEPARATOR);
    // Anything else (owner-drawn already, bitmaps, empty or missing items) is left alone.
    if (item.text.empty() && !item.isSeparator) return false;
    item.id = GetMenuItemID(menu, position);
    return true;
}

void MenuScanner::RefreshRecord(MenuItemRecord &record, const ItemPlace &place, const ItemReading &item) {
    record.SetMenuId(static_cast<long>(item.id));
    record.SetMenuHandle(place.menu);
    record.SetPosition(place.position);
    record.SetIsFirst(place.isFirst);
    record.SetIsLast(place.isLast);
    record.SetIsTopLevel(place.isTopLevel);
    record.SetMenuText(item.text);
    record.SetChecked((item.state & MF_CHECKED) != 0);
    record.SetDisabled((item.state & (MF_DISABLED | MF_GRAYED)) != 0);
    record.SetOwnerWindow(place.owner);

    Skippable([&] { record.SetUnicode(host_.ScanUnicode()); });
    if (item.hasSubMenu) record.SetHasSubMenus(true);
    Skippable([&] { record.SetLanguage(host_.ScanLanguage()); });
}

ComPtr<IPictureDisp> MenuScanner::LookUpHelpAndPicture(MenuItemRecord &record, const ItemPlace &place,
                                                       const ItemReading &item) {
    if (item.text.empty()) {
        record.SetIsSeparator(item.isSeparator);
        return ComPtr<IPictureDisp>();
    }
    Skippable([&] {
        record.SetTooltipText(FindHelpMessage(item.text, record.Language(), record.Unicode()));
    });
    return GetItemPicture(record, record.Language(), !place.isTopLevel);
}

RecordPtr MenuScanner::NewRecord() {
    RecordPtr record = MenuItemRecord::Create();
    record->SetItemSerial(++nextItemSerial_);
    record->SetCaptionFont(CreateRecordFont().Get());
    record->SetShortcutFont(CreateRecordFont().Get());
    return record;
}

void MenuScanner::CopyDefaultFonts(MenuItemRecord &record) {
    Skippable([&] { CopyFont(host_.MenuCaptionFont().Get(), record.CaptionFont().Get()); });
    Skippable([&] { CopyFont(host_.MenuShortcutFont().Get(), record.ShortcutFont().Get()); });
}

void MenuScanner::ApplyLanguageCharset(MenuItemRecord &record) {
    long language = record.Language();
    if (!HasLanguageCharset(language)) return;
    ComPtr<IFontDisp> captionFont = record.CaptionFont();
    ComPtr<IFont> properties = captionFont.As<IFont>(IID_IFont);
    SHORT current = 0;
    const SHORT charset = static_cast<SHORT>(GetLanguageCharset(language));
    if (properties && !(SUCCEEDED(properties->get_Charset(&current)) && current == charset))
        properties->put_Charset(charset);
    Skippable([&] { host_.LoadLanguageHelp(language); });
}

void MenuScanner::MeasureTexts(MenuItemRecord &record) {
    record.SetCaptionTextSize(GetTextRect(record.CaptionFont().Get(), record.Language(), record.Caption()));
    record.SetShortcutTextSize(GetTextRect(record.ShortcutFont().Get(), record.Language(), record.ShortcutText()));
}

void MenuScanner::ConvertWhenChanged(MenuItemRecord &record, const ItemPlace &place, const ItemReading &item) {
    // The host may have rewritten the item, or the record, during the event.
    std::string text = GetMenuText(place.menu, place.position);
    UINT state = GetMenuState(place.menu, static_cast<UINT>(place.position), MF_BYPOSITION);
    if (text == record.MenuText() && record.AppliedMenuFlags() == state && !record.AttributesChanged())
        return;

    record.SetMenuText(text);
    bool checked = (state & MF_CHECKED) != 0;
    bool disabled = (state & (MF_DISABLED | MF_GRAYED)) != 0;
    record.SetChecked(checked);
    record.SetDisabled(disabled);
    UINT separator = item.isSeparator ? MF_SEPARATOR : 0u;

    if (place.resetFirst) {
        // The host window's system menu: plain strings first, then owner-drawn.
        UINT flags = separator | StateFlags(checked, disabled);
        record.SetAppliedMenuFlags(flags);
        RewriteMenuItem(place.menu, place.position, flags, item.id, text.c_str());
    }

    UINT flags = MF_OWNERDRAW | StateFlags(checked, disabled) | separator;
    record.SetAppliedMenuFlags(flags);
    // The serial takes the place of the text: it is the owner-draw item data.
    RewriteMenuItem(place.menu, place.position, flags, item.id,
                reinterpret_cast<LPCSTR>(static_cast<ULONG_PTR>(static_cast<ULONG>(record.ItemSerial()))));

    UINT type = MFT_OWNERDRAW;
    if (host_.ScanRightToLeft()) {
        type |= MFT_RIGHTORDER;
        if (place.isTopLevel) type |= MFT_RIGHTJUSTIFY;
    }
    if (item.isSeparator) type |= MFT_SEPARATOR;
    MENUITEMINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_TYPE;
    info.fType = type;
    if (SystemHasMenuInfo()) {
        // Screen readers name a menu item by its string, so the item keeps its text beside the
        // owner-draw type; the system still measures and draws it only through us.
        info.fMask = MIIM_FTYPE | MIIM_DATA | (item.isSeparator ? 0u : MIIM_STRING);
        info.dwItemData = static_cast<ULONG_PTR>(static_cast<ULONG>(record.ItemSerial()));
        info.dwTypeData = const_cast<LPSTR>(text.c_str());
    }
    SetMenuItemInfoA(place.menu, static_cast<UINT>(place.position), TRUE, &info);
}

// --- The collection -------------------------------------------------------------------------

void MenuScanner::AddToMenuItemCollection(const RecordPtr &record) {
    if (!record) return;
    std::string key = MenuItemKey(record->ItemSerial());
    RecordPtr previous = items_.Remove(key);
    if (previous) previous->ReleaseAttributes();
    items_.Add(key, record);
}

RecordPtr MenuScanner::FindMenuItem(HMENU menu, int position) const {
    MENUITEMINFOA info = {};
    info.cbSize = MenuItemInfoSize();
    info.fMask = MIIM_DATA;
    if (!GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info)) return RecordPtr();
    // Serials are 32-bit; larger item data is the host's own.
    if (info.dwItemData > 0xFFFFFFFFu) return RecordPtr();
    return items_.FindSerial(static_cast<LONG>(static_cast<ULONG>(info.dwItemData)));
}

// --- Pictures, help, sizes --------------------------------------------------------------------

ComPtr<IPictureDisp> MenuScanner::GetItemPicture(MenuItemRecord &record, long language, bool useDefaults) {
    ComPtr<IPictureDisp> picture;
    std::string caption = record.Caption();

    ComPtr<IDispatch> imageList = host_.ImageListObject();
    if (imageList) {
        picture = FindImageListPicture(imageList.Get(), caption);
        if (!picture) picture = FindImageListPicture(imageList.Get(), GetCleanCaption(caption));
    }

    if (!picture && useDefaults) {
        long iconSet = host_.ScanMenuIconSet();
        bool convert = record.Unicode();
        Skippable([&] { picture = host_.DefaultPictureFor(caption, convert, language, iconSet); });
        if (!picture) Skippable([&] { picture = host_.DefaultPictureFor(caption, convert, kEnglish, iconSet); });
        if (picture) {
            // The built-in icon sets paint their backgrounds in these colours.
            if (iconSet == kIconsOffice2003)
                record.SetPictureBackColor(kMagenta);
            else if (iconSet == kIconsSkyline || iconSet == kIconsSunrise || iconSet == kIconsSnowflakes)
                record.SetPictureBackColor(kYellow);
        }
    }
    return picture;
}

std::string MenuScanner::FindHelpMessage(const std::string &text, long language, bool unicode) {
    std::string help = SkippableOr(std::string(), [&] { return host_.UserHelpMessage(text); });
    if (help.empty()) help = SkippableOr(std::string(), [&] { return host_.DefaultHelpText(text, language); });
    if (help.empty() && unicode) {
        std::string converted = GetCleanCaption(GetConvertedUnicodeString(text, language));
        help = SkippableOr(std::string(), [&] { return host_.DefaultHelpText(converted, language); });
    }
    return help;
}

SIZE MenuScanner::GetTextRect(IFontDisp *font, long language, const std::string &text, bool sameSource) {
    bool unicode = host_.ScanUnicode();
    return SkippableOr(SIZE{0, 0}, [&] { return measurer_.Measure(font, language, text, unicode, sameSource); });
}

}  // namespace brocade
