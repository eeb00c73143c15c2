#include "teskenc/stream/ScanInt.h"

namespace tesk {

namespace {

bool isScanSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<int32_t> scanInt(std::string_view& text) {
    size_t at = 0;
    while (at < text.size() && isScanSpace(text[at])) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    if (at >= text.size() || !isDigit(text[at])) return std::nullopt;
    int64_t magnitude = 0;
    for (; at < text.size() && isDigit(text[at]); ++at) {
        magnitude = magnitude * 10 + (text[at] - '0');
        if (magnitude > int64_t{INT32_MAX} + 1) return std::nullopt;
    }
    const int64_t value = negative ? -magnitude : magnitude;
    if (value > INT32_MAX) return std::nullopt;
    text.remove_prefix(at);
    return static_cast<int32_t>(value);
}

}  // namespace tesk
