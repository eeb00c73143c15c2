#pragma once

#include <string_view>

// Compares without regard to the case of ASCII letters; other bytes, multi-byte characters included, must match.
bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b);
