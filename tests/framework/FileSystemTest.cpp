#include "platform/framework/FileSystem.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <memory>
#include <string>

#include "TempFolder.h"

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
    TempFolder folder;
    const std::string file = folder.File("a.wav");
    WriteWholeFile(file, "x");
    EXPECT_TRUE(FileExists(file));
    EXPECT_FALSE(DirectoryExists(file));
    EXPECT_TRUE(DirectoryExists(folder.Path()));
    EXPECT_FALSE(FileExists(folder.Path()));
    EXPECT_FALSE(FileExists(folder.File("missing.wav")));
    EXPECT_FALSE(DirectoryExists(folder.File("missing")));
}

TEST(FileSystem, DeleteFileRemovesFilesOnly) {
    TempFolder folder;
    const std::string file = folder.File("a.wav");
    WriteWholeFile(file, "x");
    EXPECT_TRUE(DeleteFile(file));
    EXPECT_FALSE(FileExists(file));
    errno = 0;
    EXPECT_FALSE(DeleteFile(file));
    EXPECT_EQ(errno, ENOENT);
    ASSERT_EQ(::mkdir(folder.File("sub").c_str(), 0755), 0);
    EXPECT_FALSE(DeleteFile(folder.File("sub")));
    EXPECT_TRUE(DirectoryExists(folder.File("sub")));
}

TEST(FileSystem, RenameWithinAFileSystem) {
    TempFolder folder;
    WriteWholeFile(folder.File("a.nor"), "samples");
    EXPECT_TRUE(RenameFile(folder.File("a.nor"), folder.File("a.wav")));
    EXPECT_EQ(ReadWholeFile(folder.File("a.wav")), "samples");
    EXPECT_FALSE(FileExists(folder.File("a.nor")));
}

TEST(FileSystem, RenameNeverReplacesAnExistingFile) {
    TempFolder folder;
    WriteWholeFile(folder.File("new.wav"), "new");
    WriteWholeFile(folder.File("old.wav"), "old");
    errno = 0;
    EXPECT_FALSE(RenameFile(folder.File("new.wav"), folder.File("old.wav")));
    EXPECT_EQ(errno, EEXIST);
    EXPECT_EQ(ReadWholeFile(folder.File("old.wav")), "old");
    EXPECT_EQ(ReadWholeFile(folder.File("new.wav")), "new");
}

TEST(FileSystem, RenameOfAMissingFileFailsWithItsCause) {
    TempFolder folder;
    errno = 0;
    EXPECT_FALSE(RenameFile(folder.File("none.wav"), folder.File("b.wav")));
    EXPECT_EQ(errno, ENOENT);
}

class CrossDevice : public testing::Test {
protected:
    void SetUp() override {
        if (!DirectoryExists("/dev/shm") || DeviceOf("/dev/shm") == DeviceOf("/tmp"))
            GTEST_SKIP() << "/dev/shm and /tmp are on one file system here";
        shm_ = std::make_unique<TempFolder>("/dev/shm");
    }
    TempFolder tmp_;
    std::unique_ptr<TempFolder> shm_;
};

TEST_F(CrossDevice, RenameMovesByCopyingAndKeepsTheBytesAndMode) {
    const std::string from = shm_->File("MyNoName.wav");
    const std::string to = tmp_.File("saved.wav");
    const std::string bytes = PatternBytes(200000);
    WriteWholeFile(from, bytes);
    ASSERT_EQ(::chmod(from.c_str(), 0640), 0);
    EXPECT_TRUE(RenameFile(from, to));
    EXPECT_FALSE(FileExists(from));
    EXPECT_EQ(ReadWholeFile(to), bytes);
    struct stat info {};
    ASSERT_EQ(::stat(to.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST_F(CrossDevice, RenameAcrossFileSystemsStillNeverReplaces) {
    WriteWholeFile(shm_->File("a.wav"), "new");
    WriteWholeFile(tmp_.File("a.wav"), "old");
    EXPECT_FALSE(RenameFile(shm_->File("a.wav"), tmp_.File("a.wav")));
    EXPECT_EQ(ReadWholeFile(tmp_.File("a.wav")), "old");
    EXPECT_EQ(ReadWholeFile(shm_->File("a.wav")), "new");
}

TEST_F(CrossDevice, AFolderIsNotMovedAcrossFileSystems) {
    ASSERT_EQ(::mkdir(shm_->File("sub").c_str(), 0755), 0);
    errno = 0;
    EXPECT_FALSE(RenameFile(shm_->File("sub"), tmp_.File("sub")));
    EXPECT_EQ(errno, EXDEV);
    EXPECT_TRUE(DirectoryExists(shm_->File("sub")));
    EXPECT_FALSE(DirectoryExists(tmp_.File("sub")));
}
