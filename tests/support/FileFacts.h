#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

namespace testsupport {

// The names in a folder, sorted.
std::vector<std::string> Entries(const std::filesystem::path& folder);
// A file's permission bits (0777 part of its mode); 0 when it does not exist.
mode_t ModeOf(const std::string& path);

}  // namespace testsupport
