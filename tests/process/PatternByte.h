#pragma once

#include <cstddef>
#include <cstdint>

// The bytes the fake child's "pattern" mode writes: a period (251) prime to every pipe and block size, so a
// lost, doubled or reordered block shows.
inline std::uint8_t patternByte(std::size_t index) { return static_cast<std::uint8_t>((index * 7 + 3) % 251); }
