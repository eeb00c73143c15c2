#pragma once
// Input as a user would give it, in screen coordinates. It is posted; pump to deliver it.
#include "platform/user/Types.h"

namespace testdriver {

void MoveMouse(win::POINT screen);
void Click(win::POINT screen);
void RightClick(win::POINT screen);
// Two presses within the double-click time: the second arrives as WM_LBUTTONDBLCLK on windows that want it.
void DoubleClick(win::POINT screen);
// Turns the wheel by whole notches with the cursor at the point: positive away from the user (scrolls up).
void Wheel(win::POINT screen, int notches);
void PressKey(int virtualKey);
void ReleaseKey(int virtualKey);
// A key held down long enough to auto-repeat: one press, `repeats` repeated key-downs, one release.
void HoldKey(int virtualKey, int repeats);
void TypeText(const char* utf8);

}  // namespace testdriver
