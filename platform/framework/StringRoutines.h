#pragma once
// Text routines that count characters from 1. Positions are byte positions of the UTF-8 text.
#include <cstddef>
#include <string>

namespace framework {

// Without the characters of code 32 and below at both ends.
std::string Trim(const std::string& text);
// 1-based position of the first occurrence of part in text; 0 when absent or when part is empty.
std::size_t Pos(const std::string& part, const std::string& text);
// Up to count characters from the 1-based index; an index below 1 counts from 1, one past the end or a count
// below 1 gives empty text.
std::string Copy(const std::string& text, std::ptrdiff_t index, std::ptrdiff_t count);

}  // namespace framework
