#pragma once
// Choosing the presenter at start-up.

namespace present {

enum class PresenterKind { Headless, Sdl };

// SDL2 when a display is available and TRACKMILL_HEADLESS is not "1"; headless otherwise. A headless run closes its
// windows by itself TRACKMILL_HEADLESS_CLOSE_AFTER_MS milliseconds after the first one showed, when that is set.
PresenterKind InstallPresenter();

}  // namespace present
