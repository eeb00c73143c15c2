#pragma once
// The hint of the control under the mouse. Once the mouse has rested on a control with a hint for kHintPauseMs, the
// hint shows in a small window below the pointer; it goes when the mouse leaves the control, and on a click or a
// key, after which it stays away until the mouse enters another control.
#include "platform/user/Types.h"

namespace framework {

class TControl;

inline constexpr unsigned kHintPauseMs = 500;

// The mouse entered a control (null: it left them all).
void HintMouseEntered(TControl* control);
// A click or a key.
void CancelHint();
// Whether a window message is such a click or key.
bool HidesHint(win::UINT msg);
// The hint window while it shows, else null.
win::HWND ShownHintWindow();

}  // namespace framework
