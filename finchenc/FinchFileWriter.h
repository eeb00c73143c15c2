#pragma once

#include <cstdint>
#include <cstdio>
#include <span>

namespace finch {

// Writes words as 16-bit little-endian values; false when the stream refused them.
bool writeWords(std::FILE* stream, std::span<const std::uint16_t> words);

// Writes the three 0xFF bytes that close a Finch file.
bool writeStreamEnd(std::FILE* stream);

}  // namespace finch
