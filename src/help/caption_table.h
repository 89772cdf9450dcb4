// A keyed collection of texts by caption: keys compare without regard to letter case, and the
// first item added under a key stays.
#pragma once
#include <map>
#include <string>

namespace brocade {

class CaptionTable {
public:
    // False, and nothing changes, when the key is present already.
    bool Add(const std::string &key, const std::string &item);
    // The item under the key; empty when there is none.
    std::string Find(const std::string &key) const;
    // False when the key is not present.
    bool Remove(const std::string &key);
    bool Empty() const { return items_.empty(); }
    size_t Size() const { return items_.size(); }

private:
    std::map<std::string, std::string> items_;  // by upper-cased key
};

}  // namespace brocade
