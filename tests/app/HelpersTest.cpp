// The small shared helpers: two-digit numbers, folder slashes, time texts and the in-use test.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <fstream>

#include "platform/framework/Exception.h"
#include "tests/support/ScratchFolder.h"
#include "trackmill/app/jobs/FileInUse.h"
#include "trackmill/app/jobs/ProcessInfo.h"
#include "trackmill/app/jobs/ProgressTimes.h"
#include "trackmill/app/jobs/RaiseLastError.h"
#include "trackmill/app/texts/PathSlash.h"
#include "trackmill/app/texts/TimeTexts.h"

using namespace std::chrono_literals;

namespace {

TEST(TwoDigitStrTest, PadsEverythingBelowTen) {
    EXPECT_EQ(TwoDigitStr(0), "00");
    EXPECT_EQ(TwoDigitStr(7), "07");
    EXPECT_EQ(TwoDigitStr(10), "10");
    EXPECT_EQ(TwoDigitStr(123), "123");
    EXPECT_EQ(TwoDigitStr(-5), "0-5");
}

TEST(AppendPathSlashTest, AddsOneSlashWhereNoneEnds) {
    EXPECT_EQ(AppendPathSlash("/out"), "/out/");
    EXPECT_EQ(AppendPathSlash("/out/"), "/out/");
    EXPECT_EQ(AppendPathSlash(""), "");
}

TProcessInfo Timed(std::int32_t percent, std::chrono::steady_clock::duration elapsed) {
    TProcessInfo info;
    info.Percent = percent;
    SetTimeTexts(info, elapsed);
    return info;
}

TEST(TimeTextsTest, ElapsedAndEstimatedTotal) {
    const TProcessInfo half = Timed(50, 95s);
    EXPECT_EQ(half.ElapsedText, "01:35");
    EXPECT_EQ(half.EstimatedText, "03:10");
    // Minutes are not wrapped into hours.
    EXPECT_EQ(Timed(100, 7505s).ElapsedText, "125:05");
}

TEST(TimeTextsTest, HalvesRoundToEven) {
    EXPECT_EQ(Timed(100, 2500ms).ElapsedText, "00:02");
    EXPECT_EQ(Timed(100, 3500ms).ElapsedText, "00:04");
    // 1 s at 40 % is 2.5 s in all, 3 s at 40 % is 7.5 s.
    EXPECT_EQ(Timed(40, 1s).EstimatedText, "00:02");
    EXPECT_EQ(Timed(40, 3s).EstimatedText, "00:08");
}

TEST(TimeTextsTest, ZeroPercentLeavesBothTextsEmpty) {
    const TProcessInfo none = Timed(0, 42s);
    EXPECT_TRUE(none.ElapsedText.empty());
    EXPECT_TRUE(none.EstimatedText.empty());
}

TEST(RaiseLastErrorTest, MessageEndsWithTheErrorNumber) {
    errno = EACCES;
    try {
        RaiseLastError("产生MP3编码进程时出错！");
    } catch (const framework::Exception& error) {
        EXPECT_EQ(error.Message(), "产生MP3编码进程时出错！13");
        return;
    }
    ADD_FAILURE() << "nothing raised";
}

class FileInUseTest : public ::testing::Test {
  protected:
    testsupport::ScratchFolder folder;
    std::string file = folder.file("track.wav");

    void SetUp() override { std::ofstream(file) << "RIFF"; }
};

TEST_F(FileInUseTest, MissingFileIsNotInUse) { EXPECT_FALSE(IsFileInUse(folder.file("missing.wav"))); }

TEST_F(FileInUseTest, ClosedWritableFileIsNotInUse) { EXPECT_FALSE(IsFileInUse(file)); }

TEST_F(FileInUseTest, ReadOnlyFileIsInUse) {
    chmod(file.c_str(), 0444);
    EXPECT_TRUE(IsFileInUse(file));
}

TEST_F(FileInUseTest, FileHeldOpenByAnotherProgramIsInUse) {
    const int fd = open(file.c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The descriptor is inherited across exec: "sleep" holds the file.
        execlp("sleep", "sleep", "30", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fd);
    EXPECT_TRUE(IsFileInUse(file));
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    EXPECT_FALSE(IsFileInUse(file));
}

TEST_F(FileInUseTest, AFileHeldUnderAnotherNameOrByThisProgramIsInUse) {
    const std::string other = folder.file("same track.wav");
    ASSERT_EQ(link(file.c_str(), other.c_str()), 0);
    const int fd = open(other.c_str(), O_WRONLY);
    ASSERT_GE(fd, 0);
    EXPECT_TRUE(IsFileInUse(file));
    close(fd);
    EXPECT_FALSE(IsFileInUse(file));
    EXPECT_FALSE(IsFileInUse(other));
    // A holder that reads and writes, asked about under the other name.
    const int again = open(file.c_str(), O_RDWR);
    ASSERT_GE(again, 0);
    EXPECT_TRUE(IsFileInUse(other));
    close(again);
}

}  // namespace
