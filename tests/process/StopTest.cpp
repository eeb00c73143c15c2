#include "tests/support/FileBytes.h"
#include "tests/support/ProcessTable.h"
#include "tests/support/ScratchFolder.h"

#include "platform/process/ChildProcess.h"
#include "platform/process/DetachedLaunch.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>
#include <system_error>
#include <thread>

using namespace testsupport;

using platform::process::ChildProcess;
using platform::process::StandardStream;

namespace {

const std::string fakeChild = TRACKMILL_FAKE_CHILD;

// Reads until the flood has really begun, so that the stop lands while output streams.
void readSomeOutput(ChildProcess& child) {
    std::size_t total = 0;
    while (total < 256 * 1024) {
        const std::size_t count = child.available(StandardStream::Output);
        if (count == 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            continue;
        }
        const std::string chunk = child.read(StandardStream::Output, count);
        ASSERT_FALSE(chunk.empty());
        total += chunk.size();
    }
}

pid_t readPid(const std::filesystem::path& file) {
    pid_t pid = 0;
    for (int attempt = 0; attempt < 500 && pid == 0; ++attempt) {
        std::ifstream(file) >> pid;
        if (pid == 0) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return pid;
}

}  // namespace

TEST(ChildStop, StopDuringHeavyOutputEndsTheWholeGroup) {
    ScratchFolder folder;
    const auto grandchildFile = folder / "grandchild";
    ChildProcess child;
    child.createPipes();
    child.start({fakeChild, "flood", "grandchild", grandchildFile.string()});
    readSomeOutput(child);
    const pid_t grandchild = readPid(grandchildFile);
    ASSERT_GT(grandchild, 0);
    ASSERT_NE(processState(grandchild), 0);

    child.stop();
    child.closePipes();
    EXPECT_TRUE(child.waitForExit(std::chrono::milliseconds(0)));
    EXPECT_TRUE(waitUntilGone(child.id()));
    // The grandchild is not ours to reap: once killed it may linger as someone else's zombie.
    EXPECT_TRUE(waitUntilGone(grandchild, true));
    EXPECT_EQ(zombieChildren(), std::vector<pid_t>{});
}

TEST(ChildStop, AChildIgnoringTheTerminationRequestIsKilledAfterTheGracePeriod) {
    ChildProcess child;
    child.createPipes();
    child.start({fakeChild, "flood", "ignore-term"});
    readSomeOutput(child);
    child.stop();
    // The stop returns at once; the child still runs until the grace period ends.
    EXPECT_NE(processState(child.id()), 0);
    EXPECT_TRUE(waitUntilGone(child.id()));
    child.closePipes();
}

TEST(ChildStop, FiftyStoppedRunsLeaveNoZombieAndNoDescriptor) {
    std::vector<pid_t> started;
    int descriptorsBefore = 0;
    // Run 0 is not counted: the first stop starts the reaper, which keeps one descriptor for good. The
    // count is taken once that child is reaped, when the reaper holds nothing for it any more.
    for (int run = 0; run <= 50; ++run) {
        if (run == 1) {
            ASSERT_TRUE(waitUntilGone(started.front()));
            descriptorsBefore = settledDescriptorCount(openDescriptorCount() - 1);
        }
        ChildProcess child;
        child.createPipes();
        child.start({fakeChild, "flood"});
        started.push_back(child.id());
        const std::size_t count = child.available(StandardStream::Output);
        child.read(StandardStream::Output, count);
        child.stop();
        child.closePipes();
    }
    for (const pid_t pid : started)
        EXPECT_TRUE(waitUntilGone(pid)) << "child " << pid << " is still there, state " << processState(pid);
    EXPECT_EQ(zombieChildren(), std::vector<pid_t>{});
    EXPECT_EQ(settledDescriptorCount(descriptorsBefore), descriptorsBefore);
}

TEST(ChildStop, AChildThatEndedNormallyLeavesNothingBehind) {
    const int descriptorsBefore = openDescriptorCount();
    pid_t pid = 0;
    {
        ChildProcess child;
        child.createPipes();
        child.start({fakeChild, "exit", "0"});
        pid = child.id();
        while (!child.waitForExit(std::chrono::milliseconds(100))) {
        }
        child.closePipes();
    }
    EXPECT_EQ(processState(pid), 0);
    EXPECT_EQ(openDescriptorCount(), descriptorsBefore);
}

TEST(ChildStop, DestroyingARunningChildStopsIt) {
    pid_t pid = 0;
    {
        ChildProcess child;
        child.start({fakeChild, "hang"});
        pid = child.id();
    }
    EXPECT_TRUE(waitUntilGone(pid));
}

TEST(ChildStop, WaitingOnAnotherThreadEndsWhenTheChildIsStopped) {
    ChildProcess child;
    child.start({fakeChild, "hang"});
    bool waitEnded = false;
    std::thread waiter([&] {
        while (!child.waitForExit(std::chrono::milliseconds(100))) {
        }
        waitEnded = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    child.stop();
    waiter.join();
    EXPECT_TRUE(waitEnded);
    EXPECT_TRUE(waitUntilGone(child.id()));
}

TEST(DetachedLaunch, TheProgramRunsOnAndIsReapedWhenItEnds) {
    ScratchFolder folder;
    const auto stamp = folder / "exited";
    const pid_t pid = platform::process::launchDetached({fakeChild, "silent", "300", stamp.string()});
    // Still running after the launch returned: nobody waited for it, nobody stopped it.
    EXPECT_NE(processState(pid), 0);
    EXPECT_NE(processState(pid), 'Z');
    EXPECT_TRUE(waitUntilGone(pid));
    EXPECT_TRUE(std::filesystem::exists(stamp));
}

TEST(DetachedLaunch, AMissingProgramIsReported) {
    try {
        platform::process::launchDetached({"no-such-viewer"});
        FAIL() << "a missing program must not start";
    } catch (const std::system_error& error) {
        EXPECT_EQ(error.code().value(), ENOENT);
    }
}
