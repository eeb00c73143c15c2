#pragma once

#include <filesystem>
#include <string_view>
#include <system_error>
#include <vector>

namespace platform::process {

// Where programs are searched: the folder of our own executable first, so that the programs installed
// beside trackmill win, then every absolute PATH entry. The current directory is never searched, also not
// through an empty or relative PATH entry: a program planted there must not be run.
std::vector<std::filesystem::path> programSearchPath();

// Resolves a program name the way the application writes it: each folder is tried with the name as given,
// then without a trailing ".exe". A name holding a '/' is a path and is not searched. On failure returns an
// empty path and sets error (ENOENT when nothing is found, EACCES when only non-executable files are).
std::filesystem::path findProgram(std::string_view name, const std::vector<std::filesystem::path>& folders,
                                  std::error_code& error);

std::filesystem::path findProgram(std::string_view name, std::error_code& error);

}  // namespace platform::process
