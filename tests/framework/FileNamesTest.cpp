#include "platform/framework/FileNames.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <string>

using namespace framework;

TEST(FileNames, PathAndNameSplitAtTheLastSeparator) {
    EXPECT_EQ(ExtractFilePath("/music/cd/Track1.wav"), "/music/cd/");
    EXPECT_EQ(ExtractFileName("/music/cd/Track1.wav"), "Track1.wav");
    EXPECT_EQ(ExtractFilePath("Track1.wav"), "");
    EXPECT_EQ(ExtractFileName("Track1.wav"), "Track1.wav");
    EXPECT_EQ(ExtractFilePath("/music/"), "/music/");
    EXPECT_EQ(ExtractFileName("/music/"), "");
    EXPECT_EQ(ExtractFileName("/歌曲/第一首.wav"), "第一首.wav");
}

TEST(FileNames, ChangeFileExtReplacesOnlyTheNamesExtension) {
    EXPECT_EQ(ChangeFileExt("/m/Track1.wav", ".nor"), "/m/Track1.nor");
    EXPECT_EQ(ChangeFileExt("/m/a.b.wav", ".mp3"), "/m/a.b.mp3");
    EXPECT_EQ(ChangeFileExt("/m.d/noext", ".mp3"), "/m.d/noext.mp3");
    EXPECT_EQ(ChangeFileExt("song.WAV", ""), "song");
    EXPECT_EQ(ChangeFileExt("", ".wav"), ".wav");
}

TEST(FileNames, ExpandFileNameMakesAbsoluteNames) {
    char cwd[PATH_MAX];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    const std::string current = cwd;
    EXPECT_EQ(ExpandFileName("/a/b/../c/./d.wav"), "/a/c/d.wav");
    EXPECT_EQ(ExpandFileName("/a//b.wav"), "/a/b.wav");
    EXPECT_EQ(ExpandFileName("x.wav"), current + "/x.wav");
    EXPECT_EQ(ExpandFileName("/a/b/"), "/a/b/");
    EXPECT_EQ(ExpandFileName(""), "");
}
