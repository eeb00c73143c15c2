// The size column of the compression window's file list.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>
#include <filesystem>

#include "tests/support/ScratchFolder.h"
#include "trackmill/app/texts/FileSizeText.h"

namespace {

class FileSizeTextTest : public ::testing::Test {
  protected:
    testsupport::ScratchFolder folder;

    // A file of that size without writing its bytes: the file system keeps it sparse.
    std::string Sized(std::int64_t size) {
        const std::string path = folder.file("f" + std::to_string(size));
        const int fd = open(path.c_str(), O_CREAT | O_WRONLY, 0644);
        EXPECT_GE(fd, 0);
        EXPECT_EQ(ftruncate(fd, size), 0);
        close(fd);
        return path;
    }
};

TEST_F(FileSizeTextTest, WholeKilobytesAtLeastOneWithCommas) {
    EXPECT_EQ(GetFileSizeText(Sized(0)), "0 KB");
    EXPECT_EQ(GetFileSizeText(Sized(1)), "1 KB");
    EXPECT_EQ(GetFileSizeText(Sized(1023)), "1 KB");
    EXPECT_EQ(GetFileSizeText(Sized(2047)), "1 KB");
    EXPECT_EQ(GetFileSizeText(Sized(999 * 1024)), "999 KB");
    EXPECT_EQ(GetFileSizeText(Sized(1024000)), "1,000 KB");
    EXPECT_EQ(GetFileSizeText(Sized(1263616)), "1,234 KB");
}

TEST_F(FileSizeTextTest, SizesBeyondThirtyTwoBits) {
    EXPECT_EQ(GetFileSizeText(Sized(std::int64_t(2) << 30)), "2,097,152 KB");
    EXPECT_EQ(GetFileSizeText(Sized(std::int64_t(3) << 30)), "3,145,728 KB");
    EXPECT_EQ(GetFileSizeText(Sized((std::int64_t(5) << 40) + 1)), "5,368,709,120 KB");
}

TEST_F(FileSizeTextTest, MissingGivesMinusOneAndAnyEntryCounts) {
    EXPECT_EQ(GetFileSizeText(folder.file("nothing.wav")), "-1");
    EXPECT_EQ(GetFileSizeText(""), "-1");
    EXPECT_NE(GetFileSizeText(folder.path().string()), "-1");  // a folder is an entry too
    ASSERT_EQ(symlink(Sized(5000).c_str(), folder.file("link").c_str()), 0);
    EXPECT_EQ(GetFileSizeText(folder.file("link")), "4 KB");
}

TEST_F(FileSizeTextTest, ARelativeNameIsTakenFromTheCurrentFolder) {
    Sized(4096);
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    const std::string text = GetFileSizeText("f4096");
    std::filesystem::current_path(before);
    EXPECT_EQ(text, "4 KB");
}

}  // namespace
