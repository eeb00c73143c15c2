#pragma once

#include <string>

namespace tesk {

// Whether a file of this name could be created (or an existing one replaced) by this process, found without
// creating or touching anything: the name is not empty or a folder, and its folder exists and may be written (or
// the file itself, when it exists).
bool canCreateFile(const std::string& path);

}  // namespace tesk
