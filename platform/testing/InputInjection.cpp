#include "platform/testing/InputInjection.h"

#include "platform/user/Input.h"
#include "platform/user/Messages.h"

namespace testdriver {

using user::MouseButton;

void MoveMouse(win::POINT screen) { user::InputMouseMove(screen); }

void Click(win::POINT screen) {
    user::InputMouseMove(screen);
    user::InputMouseButton(MouseButton::Left, true, screen);
    user::InputMouseButton(MouseButton::Left, false, screen);
}

void RightClick(win::POINT screen) {
    user::InputMouseMove(screen);
    user::InputMouseButton(MouseButton::Right, true, screen);
    user::InputMouseButton(MouseButton::Right, false, screen);
}

void DoubleClick(win::POINT screen) {
    Click(screen);
    user::InputMouseButton(MouseButton::Left, true, screen);
    user::InputMouseButton(MouseButton::Left, false, screen);
}

void Wheel(win::POINT screen, int notches) {
    user::InputMouseMove(screen);
    user::InputMouseWheel(notches * win::WHEEL_DELTA);
}

void PressKey(int virtualKey) { user::InputKey(virtualKey, true); }

void ReleaseKey(int virtualKey) { user::InputKey(virtualKey, false); }

void HoldKey(int virtualKey, int repeats) {
    for (int i = 0; i <= repeats; ++i) user::InputKey(virtualKey, true);
    user::InputKey(virtualKey, false);
}

void TypeText(const char* utf8) { user::InputText(utf8); }

}  // namespace testdriver
