#include "help/caption_table.h"

#include <windows.h>

namespace brocade {

namespace {

// The same upper-casing the clean caption gets, so a clean caption and the key it came
// from fold alike, whatever code page their bytes are in.
std::string FoldCase(std::string key) {
    if (!key.empty()) CharUpperBuffA(key.data(), static_cast<DWORD>(key.size()));
    return key;
}

}  // namespace

bool CaptionTable::Add(const std::string &key, const std::string &item) {
    return items_.emplace(FoldCase(key), item).second;
}

std::string CaptionTable::Find(const std::string &key) const {
    auto found = items_.find(FoldCase(key));
    return found == items_.end() ? std::string() : found->second;
}

bool CaptionTable::Remove(const std::string &key) { return items_.erase(FoldCase(key)) > 0; }

}  // namespace brocade
