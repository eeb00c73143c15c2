#pragma once

#include <sys/types.h>
#include <filesystem>
#include <string>
#include <vector>

namespace platform::process {

// Starts argv[0] (see findProgram) with /dev/null on its standard streams and lets it run on its own:
// nobody waits for it and it is reaped in the background when it ends. Returns its id; throws
// std::system_error carrying errno when it cannot be started.
pid_t launchDetached(const std::vector<std::string>& argv, const std::filesystem::path& workingDirectory = {});

}  // namespace platform::process
