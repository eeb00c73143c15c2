#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tesk {

// Reads a decimal number the way "%d" does: leading white space, an optional sign, at least one digit.
// On success the number is taken off the front of text; a number outside 32 bits reads as none.
std::optional<int32_t> scanInt(std::string_view& text);

}  // namespace tesk
