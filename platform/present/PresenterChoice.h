#pragma once
// Choosing the presenter at start-up.

namespace present {

enum class PresenterKind { Headless, Sdl };

// SDL2 when a display is available and TRACKMILL_HEADLESS is not "1"; headless otherwise.
PresenterKind InstallPresenter();

}  // namespace present
