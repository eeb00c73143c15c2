#include "platform/present/PresenterChoice.h"

#include <cstdlib>
#include <cstring>

#include "platform/present/HeadlessPresenter.h"
#include "platform/present/SdlPresenter.h"

namespace present {

PresenterKind InstallPresenter() {
    const char* headless = std::getenv("TRACKMILL_HEADLESS");
    const bool display = std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
    if (!(headless && std::strcmp(headless, "1") == 0) && display) {
        if (auto sdl = SdlPresenter::Open()) {
            user::SetPresenter(std::move(sdl));
            return PresenterKind::Sdl;
        }
    }
    user::SetPresenter(std::make_unique<HeadlessPresenter>());
    return PresenterKind::Headless;
}

}  // namespace present
