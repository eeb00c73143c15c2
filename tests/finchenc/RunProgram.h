#pragma once

#include <string>
#include <vector>

namespace finch::test {

struct ProgramRun {
    int exitStatus = -1;  // -1 when the program did not exit normally
    std::string standardOutput;
    std::string standardError;
};

// Runs the built finchenc with the arguments and collects both output streams.
ProgramRun runFinchencProgram(const std::vector<std::string>& arguments);

// Runs the built finchenc with its standard output on a pipe that nobody reads any more; returns the
// exit status (-1 when a signal ended it).
int runFinchencIntoClosedPipe(const std::vector<std::string>& arguments);

}  // namespace finch::test
