#include "platform/present/ScreenComposer.h"

#include <optional>

#include "platform/gdi/Region.h"
#include "platform/gdi/SysColors.h"
#include "platform/user/TopLevelWindows.h"
#include "platform/user/Window.h"

namespace present {

namespace {

void Blend(gdi::Surface& screen, const gdi::Surface& window, const win::RECT& at, const gdi::Region& visible) {
    for (const win::RECT& r : visible.rects()) {
        for (int y = r.top; y < r.bottom; ++y) {
            const int sy = y + at.top;
            if (sy < 0 || sy >= screen.height()) continue;
            auto src = window.row(y);
            auto dst = screen.row(sy);
            for (int x = r.left; x < r.right; ++x) {
                const int sx = x + at.left;
                if (sx >= 0 && sx < screen.width())
                    dst[static_cast<std::size_t>(sx)] = src[static_cast<std::size_t>(x)];
            }
        }
    }
}

}  // namespace

gdi::Surface ComposeScreen(int width, int height) {
    gdi::Surface screen(width, height, win::GetSysColor(win::COLOR_BACKGROUND));
    const auto windows = user::TopLevelWindows();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        if (!win::IsWindowVisible(*it)) continue;
        auto surface = user::WindowSurface(*it);
        win::RECT at;
        if (!surface || !win::GetWindowRect(*it, &at)) continue;
        gdi::Region visible(win::RECT{0, 0, surface->width(), surface->height()});
        if (std::optional<gdi::Region> region = user::WindowRegion(*it)) visible = visible.intersected(*region);
        Blend(screen, *surface, at, visible);
    }
    return screen;
}

}  // namespace present
