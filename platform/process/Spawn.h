#pragma once

#include <sys/types.h>
#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace platform::process {

// Starts argv[0], found by findProgram, with argv as its arguments; the child runs in workingDirectory (ours
// when empty), leads a process group of its own and gets the three descriptors as its 0, 1 and 2. Only those
// three reach the child. Returns once the program runs; throws std::system_error carrying errno of the step
// that failed (ENOENT for a program that is not found).
pid_t spawnProcess(const std::vector<std::string>& argv, const std::filesystem::path& workingDirectory,
                   const std::array<int, 3>& standardDescriptors);

}  // namespace platform::process
