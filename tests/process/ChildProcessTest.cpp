#include "PatternByte.h"
#include "PollingLoop.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ProcessTable.h"
#include "tests/support/ScratchFolder.h"

#include "platform/process/ChildProcess.h"
#include "platform/process/PipeCreationError.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <atomic>
#include <cerrno>
#include <fstream>
#include <sstream>
#include <system_error>
#include <thread>

using namespace testsupport;

using platform::process::ChildProcess;
using platform::process::StandardStream;

namespace {

const std::string fakeChild = TRACKMILL_FAKE_CHILD;

CollectedOutput runWithPipes(const std::vector<std::string>& argv) {
    ChildProcess child;
    child.createPipes();
    child.start(argv);
    CollectedOutput collected = collectUntilEnd(child, std::chrono::seconds(20));
    child.closePipes();
    return collected;
}

std::vector<std::string> splitAtNul(const std::string& text) {
    std::vector<std::string> parts;
    std::size_t begin = 0;
    for (std::size_t end = text.find('\0'); end != std::string::npos; end = text.find('\0', begin)) {
        parts.push_back(text.substr(begin, end - begin));
        begin = end + 1;
    }
    return parts;
}

}  // namespace

TEST(ChildOutput, EveryByteOfALargeOutputArrivesBeforeTheEnd) {
    // Three pipe buffers' worth: the child blocks on a full pipe until read, then exits at once.
    constexpr std::size_t size = 3 * 65536 + 12345;
    const CollectedOutput collected = runWithPipes({fakeChild, "pattern", std::to_string(size)});
    ASSERT_TRUE(collected.ended);
    ASSERT_EQ(collected.out.size(), size);
    for (std::size_t i = 0; i < size; ++i)
        ASSERT_EQ(static_cast<std::uint8_t>(collected.out[i]), patternByte(i)) << "at byte " << i;
    EXPECT_EQ(collected.err, "");
}

TEST(ChildOutput, ScriptedChunksOnBothStreamsArriveInOrder) {
    const CollectedOutput collected = runWithPipes(
        {fakeChild, "script", "o:0:          Total Frame : 300\\n", "e:30:warning\\n",
         "o:30:                Frame :  1 \\r", "o:30:                Frame :  2 \\r", "e:0:last line without end"});
    ASSERT_TRUE(collected.ended);
    EXPECT_EQ(collected.out, "          Total Frame : 300\n                Frame :  1 \r                Frame :  2 \r");
    EXPECT_EQ(collected.err, "warning\nlast line without end");
}

TEST(ChildOutput, ExitStatusIsKept) {
    ChildProcess child;
    child.start({fakeChild, "exit", "3"});
    while (!child.waitForExit(std::chrono::milliseconds(100))) {
    }
    EXPECT_EQ(child.exitCode(), 3);
}

TEST(ChildOutput, ASilentChildsEndIsSeenSoonAfterItExits) {
    ScratchFolder folder;
    const auto stamp = folder / "exited";
    ChildProcess child;
    child.createPipes();
    child.start({fakeChild, "silent", "150", stamp.string()});
    const CollectedOutput collected = collectUntilEnd(child, std::chrono::seconds(10));
    ASSERT_TRUE(collected.ended);
    EXPECT_EQ(collected.out + collected.err, "");
    std::istringstream text(readFileText(stamp));
    long long exitedNs = 0;
    ASSERT_TRUE(text >> exitedNs);
    // steady_clock is CLOCK_MONOTONIC, the clock the child stamped just before exiting.
    const long long seenNs =
        std::chrono::duration_cast<std::chrono::nanoseconds>(collected.endSeen.time_since_epoch()).count();
    EXPECT_GE(seenNs, exitedNs);
    EXPECT_LT(seenNs - exitedNs, 300'000'000LL);
}

TEST(ChildOutput, OutputEndsTheWaitAtOnceAndAPipeClosedByTheChildDoesNotWakeItAgain) {
    ChildProcess talking;
    talking.createPipes();
    talking.start({fakeChild, "script", "o:0:first\\n", "o:20000:late\\n"});
    const auto start = std::chrono::steady_clock::now();
    while (talking.available(StandardStream::Output) == 0) {
        ASSERT_FALSE(talking.waitForExitOrOutput(std::chrono::seconds(30)));
        ASSERT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(15)) << "woken by the line";
    }
    EXPECT_EQ(talking.read(StandardStream::Output, talking.available(StandardStream::Output)), "first\n");
    talking.stop();

    // Both output pipes are closed by the child long before it ends: each may end one wait, then only the end does.
    ChildProcess closing;
    closing.createPipes();
    closing.start({"sh", "-c", "exec >&- 2>&-; sleep 1"});
    int earlyReturns = 0;
    while (!closing.waitForExitOrOutput(std::chrono::seconds(30))) ++earlyReturns;
    EXPECT_LE(earlyReturns, 2);
    EXPECT_EQ(closing.exitCode(), 0);
}

TEST(ChildStart, AMissingProgramFailsWithErrorTwo) {
    ChildProcess child;
    child.createPipes();
    try {
        child.start({"no-such-encoder.exe", "16", "in.wav", "out.FNC"});
        FAIL() << "a missing program must not start";
    } catch (const std::system_error& error) {
        EXPECT_EQ(error.code().value(), 2);
        EXPECT_EQ(error.code().value(), ENOENT);
    }
    child.closePipes();
    EXPECT_TRUE(child.waitForExit(std::chrono::milliseconds(0)));
    EXPECT_FALSE(child.started());
}

// Runs in a forked copy of the test: with room for exactly two more descriptors, the stdin pipe is made
// and the stdout pipe is not. The exit status tells which stream was named and which error came back.
[[noreturn]] void createPipesWithRoomForOnePipe() {
    // The limit bounds descriptor numbers, so every gap below the first free number is filled first.
    const int highest = highestOpenDescriptor();
    int firstFree = open("/dev/null", O_RDONLY);
    while (firstFree >= 0 && firstFree <= highest) firstFree = open("/dev/null", O_RDONLY);
    close(firstFree);
    const rlimit limit{static_cast<rlim_t>(firstFree + 2), static_cast<rlim_t>(firstFree + 2)};
    if (setrlimit(RLIMIT_NOFILE, &limit) != 0) std::_Exit(3);
    ChildProcess child;
    try {
        child.createPipes();
    } catch (const platform::process::PipeCreationError& error) {
        const bool named = error.stream() == StandardStream::Output && error.code().value() == EMFILE;
        std::_Exit(named ? 0 : 1);
    }
    std::_Exit(2);
}

TEST(ChildPipes, AFailingPipeIsNamedWithItsError) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizers' own checks need free descriptors and fail first";
#endif
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(createPipesWithRoomForOnePipe(), testing::ExitedWithCode(0), "");
}

TEST(ChildStart, AWorkingDirectoryThatIsMissingFailsWithItsError) {
    ChildProcess child;
    try {
        child.start({fakeChild, "exit", "0"}, "/no/such/folder");
        FAIL() << "the child cannot run in a missing folder";
    } catch (const std::system_error& error) {
        EXPECT_EQ(error.code().value(), ENOENT);
    }
}

TEST(ChildStart, WithoutPipesTheChildHasNullStreamsAndNothingElse) {
    ScratchFolder folder;
    const auto report = folder / "report";
    ChildProcess child;
    child.start({fakeChild, "report", report.string()}, folder.path());
    while (!child.waitForExit(std::chrono::milliseconds(100))) {
    }
    EXPECT_EQ(readFileText(report), "cwd " + std::filesystem::canonical(folder.path()).string() +
                                        "\nleader yes\nfd 0 /dev/null\nfd 1 /dev/null\nfd 2 /dev/null\n");
}

TEST(ChildStart, WithPipesTheChildHoldsOnlyItsThreeEnds) {
    ScratchFolder folder;
    const auto report = folder / "report";
    // A descriptor of ours opened without close-on-exec must not reach the child.
    std::FILE* stray = std::fopen("/dev/zero", "r");
    ASSERT_NE(stray, nullptr);
    ChildProcess child;
    child.createPipes();
    child.start({fakeChild, "report", report.string()});
    collectUntilEnd(child, std::chrono::seconds(10));
    child.closePipes();
    std::fclose(stray);

    std::istringstream lines(readFileText(report));
    std::string line;
    std::vector<std::string> descriptors;
    while (std::getline(lines, line)) {
        if (line.rfind("fd ", 0) == 0) descriptors.push_back(line);
    }
    ASSERT_EQ(descriptors.size(), 3u) << readFileText(report);
    for (int fd = 0; fd < 3; ++fd)
        EXPECT_EQ(descriptors[fd].rfind("fd " + std::to_string(fd) + " pipe:[", 0), 0u) << descriptors[fd];
}

TEST(ChildStart, HostileFileNamesReachTheChildAsLiteralArguments) {
    ScratchFolder folder;
    const std::vector<std::string> arguments{
        folder.path().string() + "/my \"best\" song $(touch pwned) `touch pwned2` 中文 歌曲.wav",
        "'single' quotes; rm -rf ~ & echo >x | cat",
        "*.wav [ab]? \\back\\slash",
        "",
        "  leading and trailing  ",
    };
    std::vector<std::string> argv{fakeChild, "argv"};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    ChildProcess child;
    child.createPipes();
    child.start(argv, folder.path());
    const CollectedOutput collected = collectUntilEnd(child, std::chrono::seconds(10));
    ASSERT_TRUE(collected.ended);
    EXPECT_EQ(splitAtNul(collected.out), arguments);
    EXPECT_FALSE(std::filesystem::exists(folder / "pwned"));
    EXPECT_FALSE(std::filesystem::exists(folder / "pwned2"));
    EXPECT_FALSE(std::filesystem::exists(folder / "x"));
}

TEST(ChildPipes, ClosedPipesReadAsEmptyWhileTheChildRuns) {
    ChildProcess child;
    child.createPipes();
    child.start({fakeChild, "flood"});
    while (child.available(StandardStream::Output) == 0) {
    }
    child.closePipes();
    EXPECT_EQ(child.available(StandardStream::Output), 0u);
    EXPECT_EQ(child.read(StandardStream::Output, 100), "");
    child.stop();
}

TEST(ChildPipes, ClosingOnePipeBreaksItForTheChildAndKeepsTheOthers) {
    ChildProcess child;
    child.createPipes();
    // More than a pipe holds (and within one argument's limit): unread, the child would block on stdout for good.
    child.start({fakeChild, "script", "e:0:kept\\n", "o:0:" + std::string(120 * 1024, 'x')});
    while (child.available(StandardStream::Error) < 5) {
    }
    child.closePipe(StandardStream::Output);
    EXPECT_EQ(child.available(StandardStream::Output), 0u);
    EXPECT_EQ(child.read(StandardStream::Output, 100), "");
    EXPECT_EQ(child.read(StandardStream::Error, 5), "kept\n");
    EXPECT_TRUE(child.waitForExit(std::chrono::seconds(10)));
    child.closePipes();
}

TEST(ChildPipes, ClosingOnePipeWhileAnotherThreadPeeksAndReadsIt) {
    for (int round = 0; round < 20; ++round) {
        ChildProcess child;
        child.createPipes();
        child.start({fakeChild, "flood"});
        std::atomic<bool> closed{false};
        std::thread reader([&] {
            // Keeps going past the close: a peek or read then must see an empty pipe, never a reused descriptor.
            for (int after = 0; after < 100;) {
                const std::size_t count = child.available(StandardStream::Output);
                child.read(StandardStream::Output, count);
                if (closed) ++after;
            }
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(round % 4));
        child.closePipe(StandardStream::Output);
        closed = true;
        reader.join();
        EXPECT_EQ(child.available(StandardStream::Output), 0u);
        EXPECT_TRUE(child.waitForExit(std::chrono::seconds(10)));
        child.closePipes();
    }
}
