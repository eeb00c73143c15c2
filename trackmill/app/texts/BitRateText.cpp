#include "trackmill/app/texts/BitRateText.h"

#include <cctype>

std::string BitRateText(std::int32_t kbits) { return std::to_string(kbits) + " kbit/s"; }

std::optional<std::int32_t> BitRateOf(const std::string& text) {
    std::size_t at = text.find_first_not_of(' ');
    if (at == std::string::npos || !std::isdigit(static_cast<unsigned char>(text[at]))) return std::nullopt;
    std::int32_t value = 0;
    for (; at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])); ++at) {
        value = value * 10 + (text[at] - '0');
        if (value > MaxBitRateLimit) return std::nullopt;
    }
    if (value < MinBitRate) return std::nullopt;
    return value;
}
