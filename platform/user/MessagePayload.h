#pragma once
// The payload of a posted message: the queue owns it. The window procedure receives it as lParam for the duration of
// the call; it is freed after dispatch, or when the message is dropped because its window is gone.
#include <memory>

#include "platform/user/Types.h"

namespace win {

class MessagePayload {
  public:
    virtual ~MessagePayload() = default;
};

// Posts msg with lParam pointing at payload. On failure (stale window) the payload is freed at once.
BOOL PostOwnedMessage(HWND hwnd, UINT msg, WPARAM wParam, std::unique_ptr<MessagePayload> payload);

}  // namespace win
