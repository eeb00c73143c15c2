#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace testsupport {

// What a finished child program left behind.
struct ProgramRun {
    int exitStatus = -1;  // -1 when it did not exit normally (a signal ended it)
    std::string standardOutput;
    std::string standardError;
    long peakMemoryKiB = 0;  // the most memory it held at one time (its largest resident set)
};

struct RunOptions {
    std::optional<std::string> standardInput;  // the child's stdin holds exactly this; the caller's stdin when unset
    std::filesystem::path workingDirectory;    // ours when empty
};

// Runs argv[0] (a path, not searched for) with the arguments that follow, waits for its end and collects both
// output streams. The streams go to unlinked scratch files, so a chatty child never blocks on a full pipe.
ProgramRun runProgram(const std::vector<std::string>& argv, const RunOptions& options = {});

// A program built into the build's program folder.
std::string builtProgram(const std::string& name);

}  // namespace testsupport
