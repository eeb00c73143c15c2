#pragma once
// The readers under fuzzing take file names: each input is written to a scratch file of this process first.
#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzzing {

// Writes the bytes to this process's scratch file with the given extension (replacing what it held) and
// returns its name.
std::string WriteInputFile(const std::uint8_t* data, std::size_t size, const std::string& extension);

// Another scratch name of this process, for what a reader writes.
std::string ScratchName(const std::string& extension);

}  // namespace fuzzing
