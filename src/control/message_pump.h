// Letting the thread process its pending messages from inside a message handler.
#pragma once

namespace brocade {

// Each pass peeks, translates and dispatches until the queue is empty.
void ProcessPendingMessages(int passes);

}  // namespace brocade
