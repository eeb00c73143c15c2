#pragma once
// Writing pixels out as a PNG file for a person to look at.
#include <string>

namespace gdi {
class Surface;
}

namespace present {

// An empty string on success, otherwise what went wrong (with the system's reason).
std::string WritePng(const gdi::Surface& surface, const std::string& path);

}  // namespace present
