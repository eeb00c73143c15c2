#pragma once
// What presenters and the test driver read of top-level windows: their order and their backing stores.
#include <memory>
#include <optional>
#include <vector>

#include "platform/user/Types.h"

namespace gdi {
class Region;
class Surface;
}  // namespace gdi

namespace user {

// Front first; hidden ones included.
std::vector<win::HWND> TopLevelWindows();
// The backing store, non-client area included; null for a stale or child window.
std::shared_ptr<const gdi::Surface> WindowSurface(win::HWND topLevel);
// The window region in window coordinates, if the window has one.
std::optional<gdi::Region> WindowRegion(win::HWND hwnd);
bool IsTopmost(win::HWND hwnd);

}  // namespace user
