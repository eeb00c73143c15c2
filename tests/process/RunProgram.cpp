#include "RunProgram.h"

#include "PollingLoop.h"

#include "platform/process/ChildProcess.h"

ProgramResult runProgram(const std::vector<std::string>& argv, const std::filesystem::path& workingDirectory) {
    platform::process::ChildProcess child;
    child.createPipes();
    child.start(argv, workingDirectory);
    const CollectedOutput collected = collectUntilEnd(child, std::chrono::seconds(60));
    child.closePipes();
    child.stop();
    return ProgramResult{child.exitCode(), collected.out, collected.err};
}
