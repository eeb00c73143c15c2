#pragma once
// The resolution the desktop asks text to be drawn at: the Xft.dpi resource of the X server's resource database, as
// desktop settings and `xrdb` set it.
#include <optional>
#include <string_view>

namespace present {

// Xft.dpi from resource text ("name:\tvalue" lines), rounded; none when it is missing or not a sane resolution.
std::optional<int> DpiFromResources(std::string_view resources);
// Xft.dpi of the display named by DISPLAY; none when it cannot be reached or sets none.
std::optional<int> XftDpi();

}  // namespace present
