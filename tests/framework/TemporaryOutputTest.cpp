#include "platform/framework/TemporaryOutput.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "tests/support/FileBytes.h"
#include "tests/support/FileFacts.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/SmallFileSystem.h"

using namespace testsupport;
using framework::TemporaryOutput;

namespace {

void Append(const std::string& path, const std::string& text) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    ASSERT_GE(fd, 0) << path;
    ASSERT_EQ(::write(fd, text.data(), text.size()), static_cast<ssize_t>(text.size()));
    ::close(fd);
}

// A child process that opens a temporary for target, writes into it, reports its path and waits to be killed,
// as a save that a kill interrupts.
class SavingChild {
  public:
    explicit SavingChild(const std::string& target) {
        int fds[2];
        if (::pipe(fds) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(fds[0]);
            TemporaryOutput output(target);
            Append(output.path(), "half a save");
            const std::string line = output.path() + "\n";
            if (::write(fds[1], line.data(), line.size()) < 0) ::_exit(1);
            for (;;) ::pause();
        }
        ::close(fds[1]);
        char c;
        while (::read(fds[0], &c, 1) == 1 && c != '\n') path_ += c;
        ::close(fds[0]);
    }
    ~SavingChild() {
        if (pid_ > 0) kill();
    }
    const std::string& path() const { return path_; }
    void kill() {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

  private:
    pid_t pid_ = -1;
    std::string path_;
};

}  // namespace

TEST(TemporaryOutput, CommitReplacesTheTargetWithWhatWasWrittenBesideIt) {
    ScratchFolder folder;
    const std::string target = folder.file("options.ini");
    writeFileText(target, "old");
    TemporaryOutput output(target);
    EXPECT_EQ(output.target(), target);
    EXPECT_EQ(std::filesystem::path(output.path()).parent_path(), folder.path());
    EXPECT_EQ(readFileText(output.path()), "") << "the temporary starts empty";
    Append(output.path(), "new");
    EXPECT_EQ(readFileText(target), "old") << "the target stays until the commit";
    ASSERT_TRUE(output.commit()) << std::strerror(errno);
    EXPECT_EQ(readFileText(target), "new");
    EXPECT_EQ(Entries(folder.path()), std::vector<std::string>{"options.ini"});
}

TEST(TemporaryOutput, WithoutACommitTheTemporaryGoesAndTheTargetStays) {
    ScratchFolder folder;
    const std::string target = folder.file("take.wav");
    writeFileText(target, "old");
    {
        TemporaryOutput output(target);
        Append(output.path(), "cut");
    }
    EXPECT_EQ(readFileText(target), "old");
    EXPECT_EQ(Entries(folder.path()), std::vector<std::string>{"take.wav"});
}

TEST(TemporaryOutput, OutputsForOneTargetAtOnceDoNotCollide) {
    ScratchFolder folder;
    const std::string target = folder.file("options.ini");
    TemporaryOutput first(target);
    TemporaryOutput second(target);
    EXPECT_NE(first.path(), second.path());
    Append(first.path(), "first");
    Append(second.path(), "second");
    EXPECT_EQ(readFileText(first.path()), "first") << "a second output must not remove a live one";
    ASSERT_TRUE(second.commit());
    ASSERT_TRUE(first.commit());
    EXPECT_EQ(readFileText(target), "first");
}

TEST(TemporaryOutput, RemovesWhatAKilledSaveLeftButSparesALiveOne) {
    ScratchFolder folder;
    const std::string target = folder.file("options.ini");
    writeFileText(target, "old");
    SavingChild killed(target);
    SavingChild alive(target);
    SavingChild otherTarget(folder.file("options.ini.bak"));
    ASSERT_FALSE(killed.path().empty());
    ASSERT_FALSE(alive.path().empty());
    ASSERT_FALSE(otherTarget.path().empty());
    killed.kill();
    otherTarget.kill();
    ASSERT_TRUE(std::filesystem::exists(killed.path())) << "a kill leaves the temporary behind";

    TemporaryOutput output(target);
    EXPECT_FALSE(std::filesystem::exists(killed.path())) << "the stale temporary goes";
    EXPECT_EQ(readFileText(alive.path()), "half a save") << "the one a live process holds stays";
    EXPECT_TRUE(std::filesystem::exists(otherTarget.path())) << "another target's temporaries are not touched";
    EXPECT_EQ(readFileText(target), "old");
}

TEST(TemporaryOutput, ANameAtTheLengthLimitGetsATemporaryWithinIt) {
    ScratchFolder folder;
    // Multi-byte letters, so a cut within a letter would show; two names that differ only at the end.
    std::string name;
    while (name.size() + 3 <= NAME_MAX - 5) name += "\xE9\x9F\xB3";  // 音
    const std::string first = folder.file(name + "1.wav");
    const std::string second = folder.file(name + "2.wav");
    ASSERT_LE(std::filesystem::path(first).filename().string().size(), std::size_t{NAME_MAX});

    SavingChild killed(second);
    ASSERT_FALSE(killed.path().empty()) << "a temporary for a name of NAME_MAX bytes";
    killed.kill();
    const std::string leftover = std::filesystem::path(killed.path()).filename().string();
    EXPECT_LE(leftover.size(), std::size_t{NAME_MAX});

    TemporaryOutput output(first);
    EXPECT_TRUE(std::filesystem::exists(killed.path())) << "a target sharing the shortened name is another target";
    Append(output.path(), "take");
    ASSERT_TRUE(output.commit());
    EXPECT_EQ(readFileText(first), "take");
    TemporaryOutput again(second);
    EXPECT_FALSE(std::filesystem::exists(killed.path()));
}

TEST(TemporaryOutput, KeepsTheTargetsPermissionsAndGivesANewFileTheUmasks) {
    ScratchFolder folder;
    const std::string existing = folder.file("kept.ini");
    writeFileText(existing, "old");
    ASSERT_EQ(::chmod(existing.c_str(), 0604), 0);
    {
        TemporaryOutput output(existing);
        EXPECT_EQ(ModeOf(output.path()), 0604u);
        ASSERT_TRUE(output.commit());
    }
    EXPECT_EQ(ModeOf(existing), 0604u);

    const mode_t old = ::umask(027);
    {
        TemporaryOutput output(folder.file("new.ini"));
        ASSERT_TRUE(output.commit());
    }
    ::umask(old);
    EXPECT_EQ(ModeOf(folder.file("new.ini")), 0640u);
}

TEST(TemporaryOutput, AFolderThatCannotTakeItThrowsTheCause) {
    ScratchFolder folder;
    try {
        TemporaryOutput output(folder.file("missing/options.ini"));
        FAIL() << "no temporary in a missing folder";
    } catch (const std::system_error& error) {
        EXPECT_EQ(error.code().value(), ENOENT);
    }
}

TEST(TemporaryOutput, ACommitThatCannotRenameFailsWithErrnoAndRemovesTheTemporary) {
    ScratchFolder folder;
    const std::string target = folder.file("take.wav");
    ASSERT_EQ(::mkdir(target.c_str(), 0755), 0);
    ASSERT_EQ(::mkdir((target + "/inside").c_str(), 0755), 0);
    TemporaryOutput output(target);
    errno = 0;
    EXPECT_FALSE(output.commit());
    EXPECT_TRUE(errno == EISDIR || errno == ENOTEMPTY || errno == EEXIST) << std::strerror(errno);
    EXPECT_EQ(Entries(folder.path()), std::vector<std::string>{"take.wav"});
}

TEST(TemporaryOutput, AFullDiskLeavesTheOldTargetAndFreesTheSpace) {
    const SmallFileSystem disk(64 * 1024);
    if (!disk.mounted()) GTEST_SKIP() << disk.skipReason();
    const std::string target = disk.file("options.ini");
    writeFileText(target, "old");
    const std::size_t freeBefore = disk.fill(8 * 1024);
    {
        TemporaryOutput output(target);
        const int fd = ::open(output.path().c_str(), O_WRONLY | O_CLOEXEC);
        ASSERT_GE(fd, 0);
        const std::string block(4096, 'x');
        ssize_t written = 0;
        while ((written = ::write(fd, block.data(), block.size())) > 0) {
        }
        EXPECT_EQ(errno, ENOSPC);
        ::close(fd);
    }
    EXPECT_EQ(readFileText(target), "old");
    EXPECT_EQ(Entries(disk.path()), (std::vector<std::string>{"filler", "options.ini"}));
    EXPECT_GE(disk.freeBytes(), freeBefore);
}
