#pragma once

#include <chrono>
#include <string>

namespace platform::process {
class ChildProcess;
}

struct CollectedOutput {
    std::string out;
    std::string err;
    bool ended = false;  // the end was seen after every byte had been read
    std::chrono::steady_clock::time_point endSeen;
};

// The job threads' loop: peek both pipes and read exactly what the peek reported; when both are idle,
// wait up to 100 ms for the end; once ended, drain until a pass finds nothing. Gives up after limit.
CollectedOutput collectUntilEnd(platform::process::ChildProcess& child, std::chrono::milliseconds limit);
