#include <gtest/gtest.h>

#include <string>

#include "tests/support/RunProgram.h"
#include "tests/support/ScratchFolder.h"

using namespace testsupport;

namespace {

TEST(RunProgram, KeepsBothStreamsApartAndTheExitStatus) {
    const ProgramRun run = runProgram({"/bin/sh", "-c", "printf out; printf err >&2; exit 3"});
    EXPECT_EQ(run.exitStatus, 3);
    EXPECT_EQ(run.standardOutput, "out");
    EXPECT_EQ(run.standardError, "err");
}

TEST(RunProgram, OutputLargerThanAPipeDoesNotBlockTheChild) {
    const ProgramRun run = runProgram({"/bin/sh", "-c", "head -c 300000 /dev/zero"});
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_EQ(run.standardOutput.size(), 300000u);
}

TEST(RunProgram, FeedsTheGivenInputAndRunsInTheGivenFolder) {
    const ScratchFolder folder;
    RunOptions options;
    options.standardInput = std::string("line one\nline two\n", 18);
    options.workingDirectory = folder.path();
    const ProgramRun run = runProgram({"/bin/sh", "-c", "wc -l; pwd -P"}, options);
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_EQ(run.standardOutput, "2\n" + std::filesystem::canonical(folder.path()).string() + "\n");
}

TEST(RunProgram, ASignalEndingTheChildIsNoExitStatus) {
    EXPECT_EQ(runProgram({"/bin/sh", "-c", "kill -KILL $$"}).exitStatus, -1);
}

TEST(RunProgram, AMissingProgramOrFolderExitsWith127) {
    EXPECT_EQ(runProgram({"/nonexistent/program"}).exitStatus, 127);
    RunOptions options;
    options.workingDirectory = "/nonexistent/folder";
    EXPECT_EQ(runProgram({"/bin/true"}, options).exitStatus, 127);
}

}  // namespace
