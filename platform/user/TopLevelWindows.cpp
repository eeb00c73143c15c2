#include "platform/user/TopLevelWindows.h"

#include "platform/gdi/Region.h"
#include "platform/gdi/Regions.h"
#include "platform/gdi/Surface.h"
#include "platform/user/WindowStyles.h"
#include "platform/user/detail/WindowRecord.h"
#include "platform/user/detail/WindowTable.h"

namespace user {

std::vector<win::HWND> TopLevelWindows() { return detail::WindowTable::instance().topLevels(); }

std::shared_ptr<const gdi::Surface> WindowSurface(win::HWND topLevel) {
    auto w = detail::Find(topLevel);
    return w ? w->surface : nullptr;
}

std::optional<gdi::Region> WindowRegion(win::HWND hwnd) {
    auto w = detail::Find(hwnd);
    if (!w || !w->region) return std::nullopt;
    return gdi::RegionOf(w->region);
}

bool IsTopmost(win::HWND hwnd) {
    auto w = detail::Find(hwnd);
    return w && (w->exStyle & win::WS_EX_TOPMOST);
}

}  // namespace user
