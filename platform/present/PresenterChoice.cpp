#include "platform/present/PresenterChoice.h"

#include <cstdlib>
#include <cstring>
#include <memory>

#include "platform/present/HeadlessPresenter.h"
#include "platform/present/SdlPresenter.h"

namespace present {

namespace {

// TRACKMILL_HEADLESS_CLOSE_AFTER_MS: a scripted run (the installed program's smoke test) ends by itself.
std::unique_ptr<HeadlessPresenter> MakeHeadlessPresenter() {
    const char* text = std::getenv("TRACKMILL_HEADLESS_CLOSE_AFTER_MS");
    if (text == nullptr || *text == '\0') return std::make_unique<HeadlessPresenter>();
    char* end = nullptr;
    const long milliseconds = std::strtol(text, &end, 10);
    if (*end != '\0' || milliseconds < 0) return std::make_unique<HeadlessPresenter>();
    return std::make_unique<HeadlessPresenter>(std::chrono::milliseconds(milliseconds));
}

}  // namespace

PresenterKind InstallPresenter() {
    const char* headless = std::getenv("TRACKMILL_HEADLESS");
    const bool display = std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
    if (!(headless && std::strcmp(headless, "1") == 0) && display) {
        if (auto sdl = SdlPresenter::Open()) {
            user::SetPresenter(std::move(sdl));
            return PresenterKind::Sdl;
        }
    }
    user::SetPresenter(MakeHeadlessPresenter());
    return PresenterKind::Headless;
}

}  // namespace present
