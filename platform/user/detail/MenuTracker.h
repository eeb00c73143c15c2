#pragma once
// The menu tracking loop.
#include "platform/user/Types.h"

namespace user::detail {

using namespace win;

// Opens the bar item under a screen point of hwnd's menu bar and tracks it; a chosen item posts WM_COMMAND.
void TrackMenuBar(HWND hwnd, POINT screen);

}  // namespace user::detail
