#include "subclass/subclass_info.h"

#include "common/collection_error.h"

namespace brocade {

void cSubclassInfo::AddMessage(UINT msg) {
    if (msg == 0) return;
    if (IsMessageHooked(msg)) throw CollectionError(CollectionError::kDuplicateKey);
    if (msg < kDirectMessages)
        direct_.set(msg);
    else
        others_.insert(msg);
}

void cSubclassInfo::RemoveMessage(UINT msg) {
    if (msg == 0) return;
    if (msg < kDirectMessages)
        direct_.reset(msg);
    else
        others_.erase(msg);
}

}  // namespace brocade
