#include "help/help_messages.h"

#include "help/blanks.h"
#include "menu/captions.h"
#include "common/collection_error.h"

namespace brocade {

void HelpMessageTable::AddMessage(const std::string &caption, const std::string &helpMessage) {
    if (!messages_.Add(GetCleanCaption(caption), TrimBlanks(helpMessage)))
        throw CollectionError(CollectionError::kDuplicateKey);
}

void HelpMessageTable::AddCompositeMessage(const std::string &composite) {
    size_t bar = composite.find('|');
    if (bar == std::string::npos) return;
    AddMessage(composite.substr(0, bar), composite.substr(bar + 1));
}

void HelpMessageTable::RemoveMessage(const std::string &caption) { messages_.Remove(GetCleanCaption(caption)); }

}  // namespace brocade
