#include "platform/framework/FileSystem.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <memory>
#include <string>

#include "tests/support/FileBytes.h"
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
