#pragma once

#include <string_view>

namespace tesk {

// Compares without regard to the case of ASCII letters; other bytes, multi-byte characters included, must match.
bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b);

}  // namespace tesk
