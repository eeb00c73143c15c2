#pragma once
// Calling window procedures.
#include "platform/user/Types.h"

namespace user::detail {

using namespace win;

// Calls the window's current procedure; 0 for a stale handle.
LRESULT Send(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace user::detail
