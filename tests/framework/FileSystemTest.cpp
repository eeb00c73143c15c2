#include "platform/framework/FileSystem.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "tests/support/FileBytes.h"
#include "tests/support/FileFacts.h"
#include "tests/support/ScratchFolder.h"

using namespace testsupport;

using namespace framework;

namespace {

dev_t DeviceOf(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_dev : 0;
}

std::string PatternBytes(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
    return bytes;
}

// While it lives, no file of this process may grow beyond limit bytes: writes past it fail with EFBIG.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t limit) {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        signal_ = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit small{limit, old_.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, signal_);
    }

  private:
    rlimit old_{};
    void (*signal_)(int) = nullptr;
};

// Runs copy in a child process that the kernel kills (SIGXFSZ) once it has written limit bytes to a file: a
// save cut off half way by a kill. Answers the signal that ended the child, 0 when none did.
int KilledHalfWay(rlim_t limit, const std::function<void()>& copy) {
    const pid_t child = ::fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit small{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &small);
        copy();
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFSIGNALED(status) ? WTERMSIG(status) : 0;
}

}  // namespace

TEST(FileSystem, ExistenceTellsFilesFromFolders) {
    ScratchFolder folder;
    const std::string file = folder.file("a.wav");
    writeFileText(file, "x");
    EXPECT_TRUE(FileExists(file));
    EXPECT_FALSE(DirectoryExists(file));
    EXPECT_TRUE(DirectoryExists(folder.path().string()));
    EXPECT_FALSE(FileExists(folder.path().string()));
    EXPECT_FALSE(FileExists(folder.file("missing.wav")));
    EXPECT_FALSE(DirectoryExists(folder.file("missing")));
}

TEST(FileSystem, DeleteFileRemovesFilesOnly) {
    ScratchFolder folder;
    const std::string file = folder.file("a.wav");
    writeFileText(file, "x");
    EXPECT_TRUE(DeleteFile(file));
    EXPECT_FALSE(FileExists(file));
    errno = 0;
    EXPECT_FALSE(DeleteFile(file));
    EXPECT_EQ(errno, ENOENT);
    ASSERT_EQ(::mkdir(folder.file("sub").c_str(), 0755), 0);
    EXPECT_FALSE(DeleteFile(folder.file("sub")));
    EXPECT_TRUE(DirectoryExists(folder.file("sub")));
}

TEST(FileSystem, RenameWithinAFileSystem) {
    ScratchFolder folder;
    writeFileText(folder.file("a.nor"), "samples");
    EXPECT_TRUE(RenameFile(folder.file("a.nor"), folder.file("a.wav")));
    EXPECT_EQ(readFileText(folder.file("a.wav")), "samples");
    EXPECT_FALSE(FileExists(folder.file("a.nor")));
}

TEST(FileSystem, RenameNeverReplacesAnExistingFile) {
    ScratchFolder folder;
    writeFileText(folder.file("new.wav"), "new");
    writeFileText(folder.file("old.wav"), "old");
    errno = 0;
    EXPECT_FALSE(RenameFile(folder.file("new.wav"), folder.file("old.wav")));
    EXPECT_EQ(errno, EEXIST);
    EXPECT_EQ(readFileText(folder.file("old.wav")), "old");
    EXPECT_EQ(readFileText(folder.file("new.wav")), "new");
}

TEST(FileSystem, RenameOfAMissingFileFailsWithItsCause) {
    ScratchFolder folder;
    errno = 0;
    EXPECT_FALSE(RenameFile(folder.file("none.wav"), folder.file("b.wav")));
    EXPECT_EQ(errno, ENOENT);
}

TEST(FileSystem, CopyReplacingWritesTheWholeCopyAndKeepsTheTargetsPermissions) {
    ScratchFolder folder;
    const std::string bytes = PatternBytes(300000);
    writeFileText(folder.file("MyTemp.wav"), bytes);
    writeFileText(folder.file("take.wav"), "older");
    ASSERT_EQ(::chmod(folder.file("take.wav").c_str(), 0604), 0);
    EXPECT_TRUE(CopyFileReplacing(folder.file("MyTemp.wav"), folder.file("take.wav")));
    EXPECT_EQ(readFileText(folder.file("take.wav")), bytes);
    EXPECT_EQ(readFileText(folder.file("MyTemp.wav")), bytes);
    EXPECT_EQ(ModeOf(folder.file("take.wav")), 0604u);

    ASSERT_EQ(::chmod(folder.file("MyTemp.wav").c_str(), 0640), 0);
    EXPECT_TRUE(CopyFileReplacing(folder.file("MyTemp.wav"), folder.file("new.wav")));
    EXPECT_EQ(readFileText(folder.file("new.wav")), bytes);
    EXPECT_EQ(ModeOf(folder.file("new.wav")), 0640u) << "a new file takes the source's permissions";
    EXPECT_EQ(Entries(folder.path()), (std::vector<std::string>{"MyTemp.wav", "new.wav", "take.wav"}));
}

TEST(FileSystem, ACopyThatFailsLeavesTheTargetAsItWasAndNoTemporaryFile) {
    ScratchFolder folder;
    writeFileText(folder.file("MyTemp.wav"), PatternBytes(100000));
    writeFileText(folder.file("take.wav"), "the user's take");
    {
        FileSizeLimit limit(4096);
        errno = 0;
        EXPECT_FALSE(CopyFileReplacing(folder.file("MyTemp.wav"), folder.file("take.wav")));
        EXPECT_EQ(errno, EFBIG);
    }
    EXPECT_EQ(readFileText(folder.file("take.wav")), "the user's take");
    EXPECT_EQ(Entries(folder.path()), (std::vector<std::string>{"MyTemp.wav", "take.wav"}));

    errno = 0;
    EXPECT_FALSE(CopyFileReplacing(folder.file("missing.wav"), folder.file("take.wav")));
    EXPECT_EQ(errno, ENOENT);
    ASSERT_EQ(::mkdir(folder.file("sub").c_str(), 0755), 0);
    errno = 0;
    EXPECT_FALSE(CopyFileReplacing(folder.file("sub"), folder.file("take.wav")));
    EXPECT_EQ(errno, EISDIR);
    errno = 0;
    EXPECT_FALSE(CopyFileReplacing(folder.file("MyTemp.wav"), folder.file("none/take.wav")));
    EXPECT_EQ(errno, ENOENT);
    EXPECT_EQ(readFileText(folder.file("take.wav")), "the user's take");
    EXPECT_EQ(Entries(folder.path()), (std::vector<std::string>{"MyTemp.wav", "sub", "take.wav"}));
}

TEST(FileSystem, WhatACopyKilledHalfWayLeftGoesWithTheNextCopy) {
    ScratchFolder folder;
    const std::string bytes = PatternBytes(300000);
    writeFileText(folder.file("MyTemp.wav"), bytes);
    writeFileText(folder.file("take.wav"), "the user's take");
    ASSERT_EQ(KilledHalfWay(100000, [&] { CopyFileReplacing(folder.file("MyTemp.wav"), folder.file("take.wav")); }),
              SIGXFSZ);
    EXPECT_EQ(readFileText(folder.file("take.wav")), "the user's take");
    ASSERT_EQ(Entries(folder.path()).size(), 3u) << "the killed copy's temporary is left";

    EXPECT_TRUE(CopyFileReplacing(folder.file("MyTemp.wav"), folder.file("take.wav")));
    EXPECT_EQ(readFileText(folder.file("take.wav")), bytes);
    EXPECT_EQ(Entries(folder.path()), (std::vector<std::string>{"MyTemp.wav", "take.wav"}));
}

TEST(FileSystem, MoveReplacingTakesTheNameOfAnExistingFile) {
    ScratchFolder folder;
    writeFileText(folder.file("MyNoName.wav"), "recording");
    writeFileText(folder.file("take.wav"), "older");
    EXPECT_TRUE(MoveFileReplacing(folder.file("MyNoName.wav"), folder.file("take.wav")));
    EXPECT_EQ(readFileText(folder.file("take.wav")), "recording");
    EXPECT_EQ(Entries(folder.path()), std::vector<std::string>{"take.wav"});

    errno = 0;
    EXPECT_FALSE(MoveFileReplacing(folder.file("MyNoName.wav"), folder.file("take.wav")));
    EXPECT_EQ(errno, ENOENT);
    EXPECT_EQ(readFileText(folder.file("take.wav")), "recording");
}

class CrossDevice : public testing::Test {
  protected:
    void SetUp() override {
        if (!DirectoryExists("/dev/shm") || DeviceOf("/dev/shm") == DeviceOf("/tmp"))
            GTEST_SKIP() << "/dev/shm and /tmp are on one file system here";
        shm_ = std::make_unique<ScratchFolder>("framework-test", "/dev/shm");
    }
    ScratchFolder tmp_{"framework-test", "/tmp"};
    std::unique_ptr<ScratchFolder> shm_;
};

TEST_F(CrossDevice, RenameMovesByCopyingAndKeepsTheBytesAndMode) {
    const std::string from = shm_->file("MyNoName.wav");
    const std::string to = tmp_.file("saved.wav");
    const std::string bytes = PatternBytes(200000);
    writeFileText(from, bytes);
    ASSERT_EQ(::chmod(from.c_str(), 0640), 0);
    EXPECT_TRUE(RenameFile(from, to));
    EXPECT_FALSE(FileExists(from));
    EXPECT_EQ(readFileText(to), bytes);
    struct stat info {};
    ASSERT_EQ(::stat(to.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST_F(CrossDevice, RenameAcrossFileSystemsStillNeverReplaces) {
    writeFileText(shm_->file("a.wav"), "new");
    writeFileText(tmp_.file("a.wav"), "old");
    EXPECT_FALSE(RenameFile(shm_->file("a.wav"), tmp_.file("a.wav")));
    EXPECT_EQ(readFileText(tmp_.file("a.wav")), "old");
    EXPECT_EQ(readFileText(shm_->file("a.wav")), "new");
}

TEST_F(CrossDevice, AFolderIsNotMovedAcrossFileSystems) {
    ASSERT_EQ(::mkdir(shm_->file("sub").c_str(), 0755), 0);
    errno = 0;
    EXPECT_FALSE(RenameFile(shm_->file("sub"), tmp_.file("sub")));
    EXPECT_EQ(errno, EXDEV);
    EXPECT_TRUE(DirectoryExists(shm_->file("sub")));
    EXPECT_FALSE(DirectoryExists(tmp_.file("sub")));
}

TEST_F(CrossDevice, MoveReplacingCopiesOverTheTargetAndRemovesTheOriginal) {
    const std::string bytes = PatternBytes(250000);
    writeFileText(shm_->file("MyNoName.wav"), bytes);
    writeFileText(tmp_.file("take.wav"), "older");
    EXPECT_TRUE(MoveFileReplacing(shm_->file("MyNoName.wav"), tmp_.file("take.wav")));
    EXPECT_EQ(readFileText(tmp_.file("take.wav")), bytes);
    EXPECT_FALSE(FileExists(shm_->file("MyNoName.wav")));
    EXPECT_EQ(Entries(tmp_.path()), std::vector<std::string>{"take.wav"});
}

TEST_F(CrossDevice, WhatAMoveKilledHalfWayLeftGoesWithTheNextMove) {
    const std::string bytes = PatternBytes(250000);
    writeFileText(shm_->file("MyNoName.wav"), bytes);
    writeFileText(tmp_.file("take.wav"), "the user's take");
    ASSERT_EQ(KilledHalfWay(100000, [&] { MoveFileReplacing(shm_->file("MyNoName.wav"), tmp_.file("take.wav")); }),
              SIGXFSZ);
    EXPECT_EQ(readFileText(tmp_.file("take.wav")), "the user's take");
    EXPECT_EQ(readFileText(shm_->file("MyNoName.wav")), bytes);
    ASSERT_EQ(Entries(tmp_.path()).size(), 2u) << "the killed move's temporary is left";

    EXPECT_TRUE(MoveFileReplacing(shm_->file("MyNoName.wav"), tmp_.file("take.wav")));
    EXPECT_EQ(readFileText(tmp_.file("take.wav")), bytes);
    EXPECT_EQ(Entries(tmp_.path()), std::vector<std::string>{"take.wav"});
}

TEST_F(CrossDevice, AMoveThatFailsHalfWayKeepsBothFiles) {
    const std::string bytes = PatternBytes(250000);
    writeFileText(shm_->file("MyNoName.wav"), bytes);
    writeFileText(tmp_.file("take.wav"), "the user's take");
    {
        FileSizeLimit limit(8192);
        errno = 0;
        EXPECT_FALSE(MoveFileReplacing(shm_->file("MyNoName.wav"), tmp_.file("take.wav")));
        EXPECT_EQ(errno, EFBIG);
    }
    EXPECT_EQ(readFileText(tmp_.file("take.wav")), "the user's take");
    EXPECT_EQ(readFileText(shm_->file("MyNoName.wav")), bytes);
    EXPECT_EQ(Entries(tmp_.path()), std::vector<std::string>{"take.wav"});
}
