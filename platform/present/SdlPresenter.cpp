#include "platform/present/SdlPresenter.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/gdi/DC.h"
#include "platform/gdi/Region.h"
#include "platform/gdi/Surface.h"
#include "platform/present/ScreenComposer.h"
#include "platform/present/SdlKeys.h"
#include "platform/present/XftDpi.h"
#include "platform/user/Cursor.h"
#include "platform/user/Input.h"
#include "platform/user/Messages.h"
#include "platform/user/SystemMetrics.h"
#include "platform/user/TopLevelWindows.h"
#include "platform/user/Window.h"
#include "platform/user/WindowStyles.h"

namespace present {

namespace {

// Rectangles that overlap or touch are merged; past this many the update is one rectangle around them all.
constexpr std::size_t kMaxDirtyRects = 8;

bool Touch(const win::RECT& a, const win::RECT& b) {
    return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

win::RECT Union(const win::RECT& a, const win::RECT& b) {
    return win::RECT{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                     std::max(a.bottom, b.bottom)};
}

void AddDirty(std::vector<win::RECT>& dirty, win::RECT area) {
    if (area.right <= area.left || area.bottom <= area.top) return;
    for (auto it = dirty.begin(); it != dirty.end();) {
        if (Touch(*it, area)) {
            area = Union(area, *it);
            it = dirty.erase(it);
        } else {
            ++it;
        }
    }
    dirty.push_back(area);
    if (dirty.size() > kMaxDirtyRects) {
        win::RECT all = dirty.front();
        for (const win::RECT& r : dirty) all = Union(all, r);
        dirty.assign(1, all);
    }
}

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

std::optional<SDL_SysWMinfo> X11Info(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return std::nullopt;
    return info;
}

// Maps or unmaps a menu, list or hint window on X without the keyboard moving. SDL would give a window it shows
// the input focus when no window manager runs; for these the focus would leave the window they belong to and come
// back, and the keys held meanwhile (Alt of Alt+letter) would be released and pressed again on the way. False
// where the display is not X.
bool MapWithoutFocus(SDL_Window* window, bool mapped) {
    const auto info = X11Info(window);
    if (!info) return false;
    if (mapped)
        XMapRaised(info->info.x11.display, info->info.x11.window);
    else
        XUnmapWindow(info->info.x11.display, info->info.x11.window);
    XFlush(info->info.x11.display);
    return true;
}

}  // namespace

std::unique_ptr<SdlPresenter> SdlPresenter::Open() {
    // SDL would turn SIGINT and SIGTERM into a quit event that no window asked for, leaving the program unkillable
    // by the usual signals; keep their ordinary meaning.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // The layer draws every pixel itself: an OpenGL-backed window surface would only load a rasteriser and its
    // compiler for nothing, costing most of the start-up time and memory.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    // A desktop program lets the screen saver run, takes the click that focuses a window as a click, and leaves
    // the compositor on.
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return nullptr;
    const int wakeFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (wakeFd < 0) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return nullptr;
    }
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(0, &mode) == 0) user::SetScreenSize(mode.w, mode.h);
    // Text sized in points follows the resolution the desktop sets for it, before any font is made.
    if (std::string_view(SDL_GetCurrentVideoDriver() ? SDL_GetCurrentVideoDriver() : "") == "x11")
        if (const std::optional<int> dpi = XftDpi()) gdi::SetPixelsPerInch(*dpi);
    SDL_StartTextInput();
    return std::unique_ptr<SdlPresenter>(new SdlPresenter(wakeFd));
}

SdlPresenter::SdlPresenter(int wakeFd) : wakeFd_(wakeFd) {}

SdlPresenter::~SdlPresenter() {
    for (auto& [hwnd, shown] : windows_) SDL_DestroyWindow(shown.window);
    for (auto& [shape, cursor] : cursors_) SDL_FreeCursor(cursor);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    close(wakeFd_);
}

void SdlPresenter::cursorChanged(user::PointerShape shape) {
    SDL_Cursor*& cursor = cursors_[shape];
    if (!cursor)
        cursor = SDL_CreateSystemCursor(shape == user::PointerShape::SizeWestEast ? SDL_SYSTEM_CURSOR_SIZEWE
                                                                                  : SDL_SYSTEM_CURSOR_ARROW);
    if (cursor) SDL_SetCursor(cursor);
}

void SdlPresenter::windowChanged(win::HWND hwnd) {
    win::RECT r;
    if (!win::GetWindowRect(hwnd, &r)) return windowDestroyed(hwnd);
    const int width = std::max(1, static_cast<int>(r.right - r.left));
    const int height = std::max(1, static_cast<int>(r.bottom - r.top));
    char title[256];
    win::GetWindowText(hwnd, title, sizeof title);
    Shown& shown = windows_[hwnd];
    const bool popup = user::IsTopmost(hwnd);
    if (!shown.window) {
        Uint32 flags = SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN;
        // Menus, drop-down lists and hints must not take the focus from the window that opened them.
        if (popup) flags |= SDL_WINDOW_POPUP_MENU | SDL_WINDOW_ALWAYS_ON_TOP | SDL_WINDOW_SKIP_TASKBAR;
        shown.window = SDL_CreateWindow(title, r.left, r.top, width, height, flags);
        if (!shown.window) {
            windows_.erase(hwnd);
            return;
        }
    }
    SDL_SetWindowTitle(shown.window, title);
    SDL_SetWindowPosition(shown.window, r.left, r.top);
    SDL_SetWindowSize(shown.window, width, height);
    const win::HWND owner = popup ? nullptr : win::GetWindow(hwnd, win::GW_OWNER);
    if (owner != shown.owner) {
        const auto ownerShown = windows_.find(owner);
        if (ownerShown != windows_.end() && SDL_SetWindowModalFor(shown.window, ownerShown->second.window) == 0)
            shown.owner = owner;
    }
    const bool visible = win::IsWindowVisible(hwnd);
    if (popup && MapWithoutFocus(shown.window, visible)) {
        if (visible) raiseTopmostWindows();
    } else if (visible) {
        SDL_ShowWindow(shown.window);
    } else {
        SDL_HideWindow(shown.window);
        if (popup) focusActiveWindow();
    }
    shown.allDirty = true;
}

void SdlPresenter::windowDestroyed(win::HWND hwnd) {
    auto it = windows_.find(hwnd);
    if (it == windows_.end()) return;
    const bool popup = SDL_GetWindowFlags(it->second.window) & SDL_WINDOW_POPUP_MENU;
    SDL_DestroyWindow(it->second.window);
    windows_.erase(it);
    if (popup) focusActiveWindow();
}

void SdlPresenter::focusActiveWindow() {
    // X gives a mapped menu window the keyboard and, without a window manager, nobody back when it goes: the keys
    // (shortcuts included) would reach no window until the next click.
    const auto active = windows_.find(win::GetActiveWindow());
    if (active != windows_.end() && win::IsWindowVisible(active->first)) SDL_SetWindowInputFocus(active->second.window);
}

void SdlPresenter::pixelsChanged(win::HWND hwnd, const win::RECT& area) {
    auto it = windows_.find(hwnd);
    if (it != windows_.end() && !it->second.allDirty) AddDirty(it->second.dirty, area);
}

void SdlPresenter::windowActivated(win::HWND hwnd) {
    auto it = windows_.find(hwnd);
    if (it == windows_.end() || !win::IsWindowVisible(hwnd) || user::IsTopmost(hwnd)) return;
    SDL_RaiseWindow(it->second.window);
    raiseOwnedWindows(hwnd);
    // A window may come to the front while a menu is open (its activation reaches us late): the menu stays above.
    raiseTopmostWindows();
    // Without a window manager nobody else moves the keyboard focus.
    SDL_SetWindowInputFocus(it->second.window);
}

void SdlPresenter::raiseTopmostWindows() {
    const std::vector<win::HWND> order = user::TopLevelWindows();
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        if (!user::IsTopmost(*it) || !win::IsWindowVisible(*it)) continue;
        const auto shown = windows_.find(*it);
        if (shown == windows_.end()) continue;
        if (const auto info = X11Info(shown->second.window)) {
            XRaiseWindow(info->info.x11.display, info->info.x11.window);
            XFlush(info->info.x11.display);
        }
    }
}

void SdlPresenter::raiseOwnedWindows(win::HWND owner) {
    // Back to front, so the frontmost owned window ends up on top; a window manager does the same through the
    // transient-for hint, and takes this as a plain restacking request.
    const std::vector<win::HWND> order = user::TopLevelWindows();
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        if (win::GetWindow(*it, win::GW_OWNER) != owner || !win::IsWindowVisible(*it) || user::IsTopmost(*it)) continue;
        const auto shown = windows_.find(*it);
        if (shown == windows_.end()) continue;
        if (const auto info = X11Info(shown->second.window)) {
            XRaiseWindow(info->info.x11.display, info->info.x11.window);
            XFlush(info->info.x11.display);
        }
        raiseOwnedWindows(*it);
    }
}

void SdlPresenter::present() {
    SDL_Event event;
    while (SDL_PollEvent(&event)) handle(event);
    for (auto& [hwnd, shown] : windows_)
        if (shown.allDirty || !shown.dirty.empty()) draw(hwnd, shown);
}

int SdlPresenter::displayDescriptor() {
    if (displayFd_ >= 0) return displayFd_;
    for (const auto& [hwnd, shown] : windows_) {
        if (const auto info = X11Info(shown.window)) return displayFd_ = ConnectionNumber(info->info.x11.display);
    }
    return -1;
}

bool SdlPresenter::waitForInput(std::optional<Clock::time_point> deadline) {
    // Reading the connection here also sends what is still buffered for the server, so nothing waits on us.
    SDL_PumpEvents();
    if (SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0) return true;
    int timeout = -1;
    if (deadline) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(*deadline - Clock::now()).count();
        timeout = static_cast<int>(std::clamp<long long>(left, 0, 24 * 3600 * 1000));
    }
    pollfd fds[2] = {{wakeFd_, POLLIN, 0}, {displayDescriptor(), POLLIN, 0}};
    const nfds_t count = fds[1].fd >= 0 ? 2 : 1;
    // A driver without a connection to watch is looked at again shortly.
    if (count == 1) timeout = timeout < 0 ? 10 : std::min(timeout, 10);
    poll(fds, count, timeout);
    if (fds[0].revents & POLLIN) {
        std::uint64_t wakes = 0;
        [[maybe_unused]] const ssize_t ignored = read(wakeFd_, &wakes, sizeof wakes);
    }
    return true;
}

void SdlPresenter::wake() {
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t ignored = write(wakeFd_, &one, sizeof one);
}

void SdlPresenter::setClipboardText(const std::string& text) {
    if (SDL_SetClipboardText(text.c_str()) != 0) Presenter::setClipboardText(text);
}

std::string SdlPresenter::clipboardText() {
    char* text = SDL_GetClipboardText();
    std::string result = text ? text : "";
    SDL_free(text);
    return result;
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
            const bool down = event.type == SDL_MOUSEBUTTONDOWN;
            const win::HWND hwnd = windowOf(event.button.windowID);
            user::InputMouseButton(button, down, toScreen(event.button.windowID, event.button.x, event.button.y));
            // A click on a window gives it (or the window it waits on) the keyboard, window manager or not.
            if (down && hwnd && !user::IsTopmost(hwnd)) windowActivated(win::GetActiveWindow());
            break;
        }
        case SDL_MOUSEWHEEL: {
            const int steps = event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.wheel.y : event.wheel.y;
            if (steps != 0) user::InputMouseWheel(steps * win::WHEEL_DELTA);
            break;
        }
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            if (const int vk = VirtualKeyFromSdl(event.key.keysym.sym)) user::InputKey(vk, event.type == SDL_KEYDOWN);
            break;
        case SDL_TEXTINPUT:
            user::InputText(event.text.text);
            break;
        case SDL_WINDOWEVENT: {
            const win::HWND hwnd = windowOf(event.window.windowID);
            if (!hwnd) break;
            switch (event.window.event) {
                case SDL_WINDOWEVENT_EXPOSED:
                    windows_[hwnd].allDirty = true;
                    break;
                case SDL_WINDOWEVENT_FOCUS_GAINED:
                    // A window manager gave one of our windows the focus (a click on its frame, a key of its own).
                    if (!user::IsTopmost(hwnd)) user::InputActivate(hwnd);
                    break;
                case SDL_WINDOWEVENT_CLOSE:
                    user::InputClose(hwnd);
                    break;
                default:
                    break;
            }
            break;
        }
        default:
            break;
    }
}

void SdlPresenter::draw(win::HWND hwnd, Shown& shown) {
    std::vector<win::RECT> areas;
    if (!shown.allDirty) areas.swap(shown.dirty);
    shown.dirty.clear();
    const bool all = shown.allDirty;
    shown.allDirty = false;
    auto backing = user::WindowSurface(hwnd);
    SDL_Surface* target = SDL_GetWindowSurface(shown.window);
    if (!backing || !target || backing->width() == 0 || backing->height() == 0) return;
    const std::optional<gdi::Region> region = user::WindowRegion(hwnd);
    const gdi::Surface withHoles = region ? FillOutsideRegion(*backing, hwnd, *region) : gdi::Surface{};
    const gdi::Surface* surface = region ? &withHoles : backing.get();
    const int width = std::min(surface->width(), target->w);
    const int height = std::min(surface->height(), target->h);
    if (all || region) areas.assign(1, win::RECT{0, 0, width, height});
    std::vector<SDL_Rect> rects;
    for (const win::RECT& a : areas) {
        const int left = std::clamp(static_cast<int>(a.left), 0, width);
        const int top = std::clamp(static_cast<int>(a.top), 0, height);
        const int right = std::clamp(static_cast<int>(a.right), 0, width);
        const int bottom = std::clamp(static_cast<int>(a.bottom), 0, height);
        if (right > left && bottom > top) rects.push_back(SDL_Rect{left, top, right - left, bottom - top});
    }
    if (rects.empty()) return;
    // The backing store's 0x00BBGGRR values are the bytes R, G, B, 0: SDL's XBGR8888.
    SDL_Surface* source =
        SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint32_t*>(surface->pixels().data()), surface->width(),
                                           surface->height(), 32, surface->width() * 4, SDL_PIXELFORMAT_XBGR8888);
    if (!source) return;
    for (SDL_Rect r : rects) {
        SDL_Rect to = r;
        SDL_BlitSurface(source, &r, target, &to);
    }
    SDL_FreeSurface(source);
    SDL_UpdateWindowSurfaceRects(shown.window, rects.data(), static_cast<int>(rects.size()));
}

}  // namespace present
