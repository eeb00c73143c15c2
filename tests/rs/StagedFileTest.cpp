// The copy under its temporary name: in place of the destination when finished, gone when not.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <fstream>

#include "tests/support/FileBytes.h"
#include "tests/support/ScratchFolder.h"
#include "tools/rs/StagedFile.h"

using namespace testsupport;

namespace {

std::size_t entryCount(const ScratchFolder& folder) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder.path()), {}));
}

}  // namespace

TEST(StagedFile, CommitPutsTheCopyInPlaceOfTheOlderFile) {
    ScratchFolder folder;
    const std::string destination = folder.write("r_talk.wav", {1, 2, 3});
    StagedFile staged(destination);
    ASSERT_TRUE(staged.created());
    EXPECT_EQ(std::filesystem::path(staged.path()).parent_path(), folder.path());
    std::ofstream(staged.path(), std::ios::binary) << "new";
    EXPECT_EQ(readFileBytes(destination), (Bytes{1, 2, 3}));
    ASSERT_TRUE(staged.commit());
    EXPECT_EQ(readFileBytes(destination), (Bytes{'n', 'e', 'w'}));
    EXPECT_EQ(entryCount(folder), 1u);
}

TEST(StagedFile, AnUncommittedCopyGoesAndTheOlderFileStays) {
    ScratchFolder folder;
    const std::string destination = folder.write("r_talk.wav", {1, 2, 3});
    {
        StagedFile staged(destination);
        std::ofstream(staged.path(), std::ios::binary) << "half";
    }
    EXPECT_EQ(readFileBytes(destination), (Bytes{1, 2, 3}));
    EXPECT_EQ(entryCount(folder), 1u);
}

TEST(StagedFile, TheCopyGetsTheModeOfAnyNewFile) {
    ScratchFolder folder;
    const mode_t before = umask(022);
    StagedFile staged(folder.file("out.wav"));
    umask(before);
    ASSERT_TRUE(staged.created());
    ASSERT_TRUE(staged.commit());
    struct stat info {};
    ASSERT_EQ(stat(folder.file("out.wav").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0644u);
}

TEST(StagedFile, AFolderThatIsNotThereIsTold) {
    ScratchFolder folder;
    errno = 0;
    StagedFile staged(folder.file("none/out.wav"));
    EXPECT_FALSE(staged.created());
    EXPECT_EQ(errno, ENOENT);
}

TEST(StagedFile, BeingEndedBySignalLeavesNoTemporaryFile) {
    ScratchFolder folder;
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        StagedFile staged(folder.file("out.wav"));
        if (staged.created()) std::raise(SIGTERM);
        _exit(3);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << status;
    EXPECT_EQ(WTERMSIG(status), SIGTERM);
    EXPECT_EQ(entryCount(folder), 0u);
}
