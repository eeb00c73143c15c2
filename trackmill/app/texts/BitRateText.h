#pragma once
// The bit rates of the options window as text: shown as "32 kbit/s", typed by the user in any of the forms the
// list items take (" 32 kbit/s", "128 kbit/s").
#include <cstdint>
#include <optional>
#include <string>

inline constexpr std::int32_t MinBitRate = 8;
inline constexpr std::int32_t MaxBitRateLimit = 320;

// The decimal value, one blank, "kbit/s".
std::string BitRateText(std::int32_t kbits);
// The whole number the text starts with (leading blanks allowed) when it lies in MinBitRate..MaxBitRateLimit;
// nothing for any other text.
std::optional<std::int32_t> BitRateOf(const std::string& text);
