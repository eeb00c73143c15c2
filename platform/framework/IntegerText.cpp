#include "platform/framework/IntegerText.h"

#include <cstddef>
#include <optional>

#include "platform/framework/EConvertError.h"

namespace framework {

namespace {

int DigitValue(char c, int base) {
    int value = -1;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < base ? value : -1;
}

std::optional<std::int32_t> ParseInteger(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i == text.size()) return std::nullopt;
    // Decimal may reach 2^31 (for -2^31); hexadecimal may fill all 32 bits.
    const std::uint64_t limit = base == 16 ? 0xFFFFFFFFull : 0x80000000ull;
    std::uint64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const int digit = DigitValue(text[i], base);
        if (digit < 0) return std::nullopt;
        magnitude = magnitude * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
        if (magnitude > limit) return std::nullopt;
    }
    if (base == 10 && !negative && magnitude == limit) return std::nullopt;
    auto bits = static_cast<std::uint32_t>(magnitude);
    if (negative) bits = 0u - bits;
    return static_cast<std::int32_t>(bits);
}

}  // namespace

std::string IntToStr(std::int64_t value) { return std::to_string(value); }

std::int32_t StrToInt(const std::string& text) {
    if (auto value = ParseInteger(text)) return *value;
    throw EConvertError("'" + text + "' is not a valid integer value");
}

std::int32_t StrToIntDef(const std::string& text, std::int32_t fallback) {
    return ParseInteger(text).value_or(fallback);
}

}  // namespace framework
