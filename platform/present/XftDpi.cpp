#include "platform/present/XftDpi.h"

#include <X11/Xlib.h>

#include <charconv>
#include <cmath>

namespace present {

namespace {

constexpr double kLowestDpi = 48;
constexpr double kHighestDpi = 480;

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

}  // namespace

std::optional<int> DpiFromResources(std::string_view resources) {
    while (!resources.empty()) {
        const auto end = resources.find('\n');
        const std::string_view line = resources.substr(0, end);
        resources = end == std::string_view::npos ? std::string_view{} : resources.substr(end + 1);
        const auto colon = line.find(':');
        if (colon == std::string_view::npos || Trimmed(line.substr(0, colon)) != "Xft.dpi") continue;
        const std::string_view value = Trimmed(line.substr(colon + 1));
        double dpi = 0;
        const auto [rest, error] = std::from_chars(value.data(), value.data() + value.size(), dpi);
        if (error != std::errc{} || rest != value.data() + value.size() || !(dpi >= kLowestDpi && dpi <= kHighestDpi))
            return std::nullopt;
        return static_cast<int>(std::lround(dpi));
    }
    return std::nullopt;
}

std::optional<int> XftDpi() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return std::nullopt;
    const char* resources = XResourceManagerString(display);
    const std::optional<int> dpi = resources ? DpiFromResources(resources) : std::nullopt;
    XCloseDisplay(display);
    return dpi;
}

}  // namespace present
