#include "PollingLoop.h"

#include "platform/process/ChildProcess.h"

using platform::process::StandardStream;

namespace {

// One pass over both pipes; true when something was read.
bool readWhatIsThere(platform::process::ChildProcess& child, CollectedOutput& collected) {
    bool busy = false;
    if (const std::size_t count = child.available(StandardStream::Output); count > 0) {
        collected.out += child.read(StandardStream::Output, count);
        busy = true;
    }
    if (const std::size_t count = child.available(StandardStream::Error); count > 0) {
        collected.err += child.read(StandardStream::Error, count);
        busy = true;
    }
    return busy;
}

}  // namespace

CollectedOutput collectUntilEnd(platform::process::ChildProcess& child, std::chrono::milliseconds limit) {
    CollectedOutput collected;
    const auto giveUp = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < giveUp) {
        if (readWhatIsThere(child, collected)) continue;
        if (child.waitForExit(std::chrono::milliseconds(100))) {
            collected.endSeen = std::chrono::steady_clock::now();
            while (readWhatIsThere(child, collected)) {
            }
            collected.ended = true;
            break;
        }
    }
    return collected;
}
