#pragma once
// The pieces that every message loop is made of, for the loops inside the layer (menu tracking).
#include "platform/user/Types.h"
#include "platform/user/detail/MessageQueue.h"

namespace user::detail {

using namespace win;

void RunPendingCalls();
// Posted messages first, then WM_QUIT, WM_PAINT and due timers. Runs the pending-calls hook first.
bool Retrieve(MSG* out, const MessageFilter& filter, bool remove);
// Brings the presenter up to date and blocks until a message may be there.
void WaitForMessages();
LRESULT Dispatch(const MSG& msg);
// Keyboard and mouse state follows the messages as they are taken off the queue.
void NoteRetrieved(const MSG& msg);

}  // namespace user::detail
