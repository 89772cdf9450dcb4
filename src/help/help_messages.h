// The help messages the host gives at run time, keyed by the clean caption of a menu text, so
// captions that differ only in letter case, "&", "." or shortcut text name the same entry.
#pragma once
#include <string>

#include "help/caption_table.h"

namespace brocade {

class HelpMessageTable {
public:
    // Stores the message, trimmed of blanks, under the clean caption. A key already present
    // raises CollectionError (duplicate key); the entry already there stays.
    void AddMessage(const std::string &caption, const std::string &helpMessage);
    // "caption|help": split at the first "|"; the help keeps any later "|". A text without
    // "|" is ignored.
    void AddCompositeMessage(const std::string &composite);
    // Removes the entry of the caption's clean caption; a missing one is ignored.
    void RemoveMessage(const std::string &caption);

    // The message stored under the key as given (compared without regard to case); "" when
    // there is none. Callers pass a clean caption or a whole menu text.
    std::string Find(const std::string &key) const { return messages_.Find(key); }
    size_t Count() const { return messages_.Size(); }

private:
    CaptionTable messages_;
};

}  // namespace brocade
