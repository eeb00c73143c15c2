#include "platform/present/SdlPresenter.h"

#include <SDL.h>

#include <algorithm>
#include <optional>

#include "platform/gdi/Region.h"
#include "platform/gdi/Surface.h"
#include "platform/present/ScreenComposer.h"
#include "platform/present/SdlKeys.h"
#include "platform/user/Input.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Messages.h"
#include "platform/user/SystemMetrics.h"
#include "platform/user/TopLevelWindows.h"
#include "platform/user/Window.h"

namespace present {

std::unique_ptr<SdlPresenter> SdlPresenter::Open() {
    // SDL would turn SIGINT and SIGTERM into a quit event that no window asked for, leaving the program unkillable
    // by the usual signals; keep their ordinary meaning.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return nullptr;
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(0, &mode) == 0) user::SetScreenSize(mode.w, mode.h);
    SDL_StartTextInput();
    return std::unique_ptr<SdlPresenter>(new SdlPresenter());
}

SdlPresenter::~SdlPresenter() {
    for (auto& [hwnd, shown] : windows_) SDL_DestroyWindow(shown.window);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

void SdlPresenter::windowChanged(win::HWND hwnd) {
    win::RECT r;
    if (!win::GetWindowRect(hwnd, &r)) return windowDestroyed(hwnd);
    const int width = std::max(1, static_cast<int>(r.right - r.left));
    const int height = std::max(1, static_cast<int>(r.bottom - r.top));
    char title[256];
    win::GetWindowText(hwnd, title, sizeof title);
    Shown& shown = windows_[hwnd];
    if (!shown.window) {
        Uint32 flags = SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN;
        // Menus must not take the focus from the window that opened them.
        if (user::IsTopmost(hwnd)) flags |= SDL_WINDOW_POPUP_MENU | SDL_WINDOW_ALWAYS_ON_TOP | SDL_WINDOW_SKIP_TASKBAR;
        shown.window = SDL_CreateWindow(title, r.left, r.top, width, height, flags);
        if (!shown.window) {
            windows_.erase(hwnd);
            return;
        }
    }
    SDL_SetWindowTitle(shown.window, title);
    SDL_SetWindowPosition(shown.window, r.left, r.top);
    SDL_SetWindowSize(shown.window, width, height);
    if (win::IsWindowVisible(hwnd))
        SDL_ShowWindow(shown.window);
    else
        SDL_HideWindow(shown.window);
    shown.dirty = true;
}

void SdlPresenter::windowDestroyed(win::HWND hwnd) {
    auto it = windows_.find(hwnd);
    if (it == windows_.end()) return;
    SDL_DestroyWindow(it->second.window);
    windows_.erase(it);
}

void SdlPresenter::pixelsChanged(win::HWND hwnd) {
    auto it = windows_.find(hwnd);
    if (it != windows_.end()) it->second.dirty = true;
}

void SdlPresenter::present() {
    SDL_Event event;
    while (SDL_PollEvent(&event)) handle(event);
    for (auto& [hwnd, shown] : windows_)
        if (shown.dirty) draw(hwnd, shown);
}

win::HWND SdlPresenter::windowOf(unsigned id) const {
    for (const auto& [hwnd, shown] : windows_)
        if (SDL_GetWindowID(shown.window) == id) return hwnd;
    return nullptr;
}

void SdlPresenter::handle(const SDL_Event& event) {
    auto toScreen = [&](unsigned id, int x, int y) {
        win::RECT r{};
        win::GetWindowRect(windowOf(id), &r);
        return win::POINT{r.left + x, r.top + y};
    };
    switch (event.type) {
        case SDL_MOUSEMOTION:
            user::InputMouseMove(toScreen(event.motion.windowID, event.motion.x, event.motion.y));
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            if (event.button.button != SDL_BUTTON_LEFT && event.button.button != SDL_BUTTON_RIGHT) break;
            const auto button =
                event.button.button == SDL_BUTTON_LEFT ? user::MouseButton::Left : user::MouseButton::Right;
            user::InputMouseButton(button, event.type == SDL_MOUSEBUTTONDOWN,
                                   toScreen(event.button.windowID, event.button.x, event.button.y));
            break;
        }
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            if (const int vk = VirtualKeyFromSdl(event.key.keysym.sym)) user::InputKey(vk, event.type == SDL_KEYDOWN);
            break;
        case SDL_TEXTINPUT:
            user::InputText(event.text.text);
            break;
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_EXPOSED) {
                if (win::HWND hwnd = windowOf(event.window.windowID)) windows_[hwnd].dirty = true;
            } else if (event.window.event == SDL_WINDOWEVENT_CLOSE) {
                if (win::HWND hwnd = windowOf(event.window.windowID)) win::PostMessage(hwnd, win::WM_CLOSE, 0, 0);
            }
            break;
        default:
            break;
    }
}

namespace {

// Real windows are rectangles: where a window region leaves a hole, show what the virtual screen has there.
gdi::Surface FillOutsideRegion(const gdi::Surface& pixels, win::HWND hwnd, const gdi::Region& region) {
    gdi::Surface shown = pixels;
    win::RECT at;
    win::GetWindowRect(hwnd, &at);
    const gdi::Surface screen =
        ComposeScreen(win::GetSystemMetrics(win::SM_CXSCREEN), win::GetSystemMetrics(win::SM_CYSCREEN));
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (!region.contains(x, y)) shown.setPixel(x, y, screen.pixel(at.left + x, at.top + y));
    return shown;
}

}  // namespace

void SdlPresenter::draw(win::HWND hwnd, Shown& shown) {
    shown.dirty = false;
    auto backing = user::WindowSurface(hwnd);
    SDL_Surface* target = SDL_GetWindowSurface(shown.window);
    if (!backing || !target || backing->width() == 0 || backing->height() == 0) return;
    const std::optional<gdi::Region> region = user::WindowRegion(hwnd);
    const gdi::Surface withHoles = region ? FillOutsideRegion(*backing, hwnd, *region) : gdi::Surface{};
    const gdi::Surface* surface = region ? &withHoles : backing.get();
    // The backing store's 0x00BBGGRR values are the bytes R, G, B, 0: SDL's XBGR8888.
    SDL_Surface* source =
        SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint32_t*>(surface->pixels().data()), surface->width(),
                                           surface->height(), 32, surface->width() * 4, SDL_PIXELFORMAT_XBGR8888);
    if (!source) return;
    SDL_BlitSurface(source, nullptr, target, nullptr);
    SDL_FreeSurface(source);
    SDL_UpdateWindowSurface(shown.window);
}

}  // namespace present
