#pragma once
// The framework's message record and the replaceable message method of every control.
#include "platform/framework/TMethod.h"
#include "platform/user/Types.h"

namespace framework {

struct TMessage {
    win::UINT Msg = 0;
    win::WPARAM WParam = 0;
    win::LPARAM LParam = 0;
    win::LRESULT Result = 0;
};

using TWndMethod = TMethod<void(TMessage&)>;
// A hook on the application window: sees a message first and tells whether it consumed it.
using TWindowHook = TMethod<bool(TMessage&)>;

}  // namespace framework
