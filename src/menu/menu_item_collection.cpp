#include "menu/menu_item_collection.h"

#include <cerrno>
#include <cstdlib>

namespace brocade {

std::string MenuItemKey(long serial) { return "MENU_" + std::to_string(serial); }

MenuItemCollection::~MenuItemCollection() { Clear(); }

std::string MenuItemCollection::Normalized(const std::string &key) {
    std::string upper = key;
    for (char &c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

bool MenuItemCollection::SerialOfKey(const std::string &normalized, long &serial) {
    static const std::string prefix = "MENU_";
    if (normalized.compare(0, prefix.size(), prefix) != 0) return false;
    const std::string digits = normalized.substr(prefix.size());
    char *end = nullptr;
    errno = 0;
    const long value = std::strtol(digits.c_str(), &end, 10);
    // Only the spelling MenuItemKey gives: no sign, leading zero or spaces it would not write.
    if (digits.empty() || errno != 0 || *end != '\0' || std::to_string(value) != digits) return false;
    serial = value;
    return true;
}

bool MenuItemCollection::Add(const std::string &key, const RecordPtr &record) {
    if (!record) return false;
    ++columnChanges_;
    std::string normalized = Normalized(key);
    if (byKey_.count(normalized) || byRecord_.count(record.Get())) return false;
    entries_.push_back(Entry{key, record, nextSequence_++, nullptr});
    auto position = std::prev(entries_.end());
    byKey_.emplace(std::move(normalized), position);
    byRecord_.emplace(record.Get(), position);
    long serial = 0;
    if (SerialOfKey(Normalized(key), serial)) bySerial_.emplace(serial, position);
    IndexMenu(*position, record->MenuHandle());
    record->SetMenuObserver(this);
    return true;
}

RecordPtr MenuItemCollection::Find(const std::string &key) const {
    auto found = byKey_.find(Normalized(key));
    return found == byKey_.end() ? RecordPtr() : found->second->record;
}

RecordPtr MenuItemCollection::FindSerial(long serial) const {
    auto found = bySerial_.find(serial);
    return found == bySerial_.end() ? RecordPtr() : found->second->record;
}

RecordPtr MenuItemCollection::Remove(const std::string &key) {
    auto found = byKey_.find(Normalized(key));
    if (found == byKey_.end()) return RecordPtr();
    ++columnChanges_;
    auto position = found->second;
    RecordPtr record = position->record;
    UnindexMenu(*position);
    record->SetMenuObserver(nullptr);
    byRecord_.erase(record.Get());
    long serial = 0;
    if (SerialOfKey(found->first, serial)) bySerial_.erase(serial);
    byKey_.erase(found);
    entries_.erase(position);
    return record;
}

void MenuItemCollection::Clear() {
    ++columnChanges_;
    for (Entry &entry : entries_) entry.record->SetMenuObserver(nullptr);
    byMenu_.clear();
    byRecord_.clear();
    bySerial_.clear();
    byKey_.clear();
    // Records may run host code when released; the collection is consistent by then.
    EntryList released;
    released.swap(entries_);
}

std::vector<RecordPtr> MenuItemCollection::Records() const {
    std::vector<RecordPtr> records;
    records.reserve(entries_.size());
    for (const Entry &entry : entries_) records.push_back(entry.record);
    return records;
}

std::vector<std::pair<std::string, RecordPtr>> MenuItemCollection::Entries() const {
    std::vector<std::pair<std::string, RecordPtr>> entries;
    entries.reserve(entries_.size());
    for (const Entry &entry : entries_) entries.emplace_back(entry.key, entry.record);
    return entries;
}

void MenuItemCollection::IndexMenu(Entry &entry, HMENU menu) {
    entry.indexedMenu = menu;
    byMenu_[menu].emplace(entry.sequence, &entry);
}

void MenuItemCollection::UnindexMenu(Entry &entry) {
    auto found = byMenu_.find(entry.indexedMenu);
    if (found == byMenu_.end()) return;
    found->second.erase(entry.sequence);
    if (found->second.empty()) byMenu_.erase(found);
}

void MenuItemCollection::MenuHandleChanged(MenuItemRecord &record, HMENU) {
    ++columnChanges_;
    auto found = byRecord_.find(&record);
    if (found == byRecord_.end()) return;
    Entry &entry = *found->second;
    UnindexMenu(entry);
    IndexMenu(entry, record.MenuHandle());
}

}  // namespace brocade
