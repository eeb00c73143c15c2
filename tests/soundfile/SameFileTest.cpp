#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "soundfile/SameFile.h"
#include "tests/support/ScratchFolder.h"

namespace soundfile {
namespace {

class SameFileTest : public ::testing::Test {
  protected:
    testsupport::ScratchFolder dir{"samefile-test"};
};

TEST_F(SameFileTest, OneFileIsFoundThroughEverySpellingAndLink) {
    const std::string file = dir.write("a.wav", {1, 2});
    const std::string hardLink = dir.file("hard.wav");
    const std::string symbolicLink = dir.file("soft.wav");
    ASSERT_EQ(::link(file.c_str(), hardLink.c_str()), 0);
    std::filesystem::create_symlink(file, symbolicLink);
    std::filesystem::create_directory(dir / "sub");

    EXPECT_TRUE(isSameFile(file, dir.file("sub/../a.wav")));
    EXPECT_TRUE(isSameFile(file, dir.file("./a.wav")));
    EXPECT_TRUE(isSameFile(hardLink, file));
    EXPECT_TRUE(isSameFile(file, symbolicLink));
}

TEST_F(SameFileTest, DifferentFilesOfEqualBytesAreDifferent) {
    const std::string first = dir.write("a.wav", {1, 2});
    const std::string second = dir.write("b.wav", {1, 2});
    EXPECT_FALSE(isSameFile(first, second));
    EXPECT_FALSE(isSameFile(first, second, NewNames::CompareByPath));
}

TEST_F(SameFileTest, AnExistingFileAndANewNameAreNeverTheSame) {
    const std::string file = dir.write("a.wav", {1});
    EXPECT_FALSE(isSameFile(file, dir.file("new.wav")));
    EXPECT_FALSE(isSameFile(dir.file("new.wav"), file, NewNames::CompareByPath));
}

TEST_F(SameFileTest, TwoNewNamesAreTheSameOnlyWhenComparedByPath) {
    const std::string name = dir.file("new.wav");
    const std::string otherSpelling = dir.file("./new.wav");
    EXPECT_FALSE(isSameFile(name, otherSpelling));
    EXPECT_TRUE(isSameFile(name, otherSpelling, NewNames::CompareByPath));
    EXPECT_FALSE(isSameFile(name, dir.file("other.wav"), NewNames::CompareByPath));
}

}  // namespace
}  // namespace soundfile
