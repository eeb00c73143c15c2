#pragma once
// Whole numbers to and from text. Text may start with blanks and a sign and be decimal or hexadecimal
// ("$1F", "0x1F"); hexadecimal takes the full 32 bits, so "$FFFFFFFF" is -1. Nothing may follow the digits.
#include <cstdint>
#include <string>

namespace framework {

std::string IntToStr(std::int64_t value);
// Raises EConvertError when text is not such a number or does not fit 32 bits.
std::int32_t StrToInt(const std::string& text);
std::int32_t StrToIntDef(const std::string& text, std::int32_t fallback);

}  // namespace framework
