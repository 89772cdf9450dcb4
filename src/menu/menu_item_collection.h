// The control's keyed collection of menu item records: unique text keys (compared without
// regard to letter case), look-up in constant time, iteration in the order of insertion, and
// an index of each menu's records in that same order.
#pragma once
#include <windows.h>

#include <cstdint>
#include <list>
#include <map>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "menu/menu_item.h"

namespace brocade {

// "MENU_" and the decimal serial: the key of a record, and the only link from an item's
// owner-draw data back to it.
std::string MenuItemKey(long serial);

class MenuItemCollection final : private RecordMenuObserver {
public:
    MenuItemCollection() = default;
    ~MenuItemCollection();
    MenuItemCollection(const MenuItemCollection &) = delete;
    MenuItemCollection &operator=(const MenuItemCollection &) = delete;

    // False, and nothing changes, when the key is taken or the record is null.
    bool Add(const std::string &key, const RecordPtr &record);
    // The record under the key; null when there is none.
    RecordPtr Find(const std::string &key) const;
    // Find(MenuItemKey(serial)) without making the key: every draw and measure looks one up.
    RecordPtr FindSerial(long serial) const;
    // Removes and returns the record under the key (null when there is none).
    RecordPtr Remove(const std::string &key);
    void Clear();

    size_t Count() const { return entries_.size(); }
    // Counts the changes the column widths of a menu follow: records added, removed, moved to
    // another menu, or changed in picture, check or text size.
    unsigned long ColumnChanges() const { return columnChanges_; }
    bool Empty() const { return entries_.empty(); }

    // The records in insertion order, as a snapshot that later changes do not disturb.
    std::vector<RecordPtr> Records() const;
    std::vector<std::pair<std::string, RecordPtr>> Entries() const;

    // Calls visit(record) for the records whose menu is the given one, in insertion order,
    // until visit returns true; returns whether it did. visit must not change the collection.
    template <class Visit>
    bool VisitMenu(HMENU menu, Visit visit) const {
        auto found = byMenu_.find(menu);
        if (found == byMenu_.end()) return false;
        for (const auto &ordered : found->second)
            if (visit(*ordered.second->record.Get())) return true;
        return false;
    }

private:
    struct Entry {
        std::string key;
        RecordPtr record;
        uint64_t sequence = 0;  // insertion order, which the menu index keeps too
        HMENU indexedMenu = nullptr;
    };
    using EntryList = std::list<Entry>;

    EntryList entries_;
    std::unordered_map<std::string, EntryList::iterator> byKey_;
    std::unordered_map<MenuItemRecord *, EntryList::iterator> byRecord_;
    std::unordered_map<long, EntryList::iterator> bySerial_;  // the entries whose key is a MenuItemKey
    std::unordered_map<HMENU, std::map<uint64_t, Entry *>> byMenu_;
    uint64_t nextSequence_ = 0;

    static std::string Normalized(const std::string &key);
    // The serial whose MenuItemKey is the normalized key, if it is one.
    static bool SerialOfKey(const std::string &normalized, long &serial);
    void IndexMenu(Entry &entry, HMENU menu);
    void UnindexMenu(Entry &entry);
    void MenuHandleChanged(MenuItemRecord &record, HMENU previous) override;
    void ColumnsChanged() override { ++columnChanges_; }
    unsigned long columnChanges_ = 0;
};

}  // namespace brocade
