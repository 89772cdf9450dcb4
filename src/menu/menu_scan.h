// The scan that takes the host's menu items over: one record per item with text and per
// separator, the item rewritten as owner-drawn with the record's serial as its item data, and
// the way back to plain string items.
#pragma once
#include <windows.h>
#include <olectl.h>

#include <string>

#include "menu/menu_item.h"
#include "menu/menu_events.h"
#include "menu/menu_item_collection.h"
#include "menu/scan_host.h"
#include "menu/text_measure.h"

namespace brocade {

// Item data of every converted item: its record's serial. Serials start after this value.
constexpr long kFirstItemSerialBase = 1000;
// No parent identifier given.
constexpr long kNoParentMenuId = -1;

class MenuScanner {
public:
    MenuScanner(ScanHost &host, MenuEvents &events) : host_(host), events_(events) {}
    MenuScanner(const MenuScanner &) = delete;
    MenuScanner &operator=(const MenuScanner &) = delete;

    MenuItemCollection &Items() { return items_; }
    const MenuItemCollection &Items() const { return items_; }
    // The serial the last new record took (1000 before the first).
    long NextItemSerial() const { return nextItemSerial_; }

    // WM_INITMENUPOPUP, after the window's own procedure ran: the host window's system menu
    // is rewritten as plain strings before it is converted.
    void OnInitMenuPopup(HWND window, HMENU menu, bool systemMenu);
    void ScanPopupMenu(HWND owner, HMENU menu, long parentMenuId, bool isTopLevel, bool resetFirst);
    // Sets the menu bar's background and takes over its items with text; their owner is the
    // control's own window.
    void ScanMenuBar(HMENU menuBar);

    // Takes over one item: creates or refreshes its record, raises SetMenuItemAttributes,
    // measures the texts and converts the item when anything changed. Null when the item is not
    // taken over (control disabled, no text and no separator, already owner-drawn, missing).
    RecordPtr FixMenuItemStyle(HWND owner, HMENU menu, long parentMenuId, int position, bool isTopLevel,
                               bool isFirst, bool isLast, bool resetFirst);

    // Stores the record under its key; a record already there is dropped, its fonts and picture released.
    void AddToMenuItemCollection(const RecordPtr &record);
    // The record of a converted item, found through its item data.
    RecordPtr FindMenuItem(HMENU menu, int position) const;

    // The item's picture from the host's image list (by caption, then by clean caption), else,
    // for popup items, a built-in one (in the language, then in English).
    ComPtr<IPictureDisp> GetItemPicture(MenuItemRecord &record, long language, bool useDefaults);
    // The host's help message for the text, else the built-in one; for Unicode captions also
    // the built-in one of the caption converted to the language's code page.
    std::string FindHelpMessage(const std::string &text, long language, bool unicode);
    // sameSource: the font object last read is unchanged since (see TextMeasurer::Measure).
    SIZE GetTextRect(IFontDisp *font, long language, const std::string &text, bool sameSource = false);
    void ForgetMeasuringSource() { measurer_.ForgetSource(); }
    // Frees what measuring keeps between texts (a DC and its fonts).
    void ReleaseMeasuring() { measurer_.Clear(); }

    // Gives a menu tree back its string items (text, identifier, state) and drops their records.
    void RestoreMenu(HMENU menu);
    // The same for every menu that still holds an item converted by the scan.
    void RestoreAllMenus();
    // Drops the records whose menu no longer exists.
    void PurgeDeadRecords();
    // Drops the records owned by a window (last to first).
    void RemoveRecordsOfWindow(HWND window);

private:
    ScanHost &host_;
    MenuEvents &events_;
    MenuItemCollection items_;
    long nextItemSerial_ = kFirstItemSerialBase;
    TextMeasurer measurer_;
    // A host that changes a property in SetMenuItemAttributes makes the control redraw, and so
    // rescan, the menu bar from inside the scan: that inner scan is left out (the scan going
    // on meets the new value), or every raise would start another.
    bool scanningMenuBar_ = false;

    // Where an item stands and how the scan reached it.
    struct ItemPlace {
        HWND owner;
        HMENU menu;
        int position;
        bool isTopLevel;
        bool isFirst;
        bool isLast;
        bool resetFirst;
    };
    // What the system said about an item when its scan began.
    struct ItemReading {
        std::string text;
        UINT state = 0;
        UINT id = 0;
        bool hasSubMenu = false;
        bool isSeparator = false;
    };

    // False when the item is not taken over.
    static bool ReadItem(HMENU menu, int position, ItemReading &item);
    RecordPtr NewRecord();
    void RefreshRecord(MenuItemRecord &record, const ItemPlace &place, const ItemReading &item);
    // The tooltip text and picture of an item with text; a separator gets neither.
    ComPtr<IPictureDisp> LookUpHelpAndPicture(MenuItemRecord &record, const ItemPlace &place, const ItemReading &item);
    void CopyDefaultFonts(MenuItemRecord &record);
    void ApplyLanguageCharset(MenuItemRecord &record);
    void MeasureTexts(MenuItemRecord &record);
    // Rewrites the item as owner-drawn when its text or state moved away from what the record
    // last applied, or the record changed.
    void ConvertWhenChanged(MenuItemRecord &record, const ItemPlace &place, const ItemReading &item);
    void RestoreMenuTree(HMENU menu, int depth);
};

}  // namespace brocade
