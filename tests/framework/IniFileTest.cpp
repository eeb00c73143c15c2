#include "platform/framework/TIniFile.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/framework/EConvertError.h"
#include "platform/framework/EInOutError.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ScratchFolder.h"

using namespace testsupport;

using framework::TIniFile;

namespace {

constexpr const char* kNoFile = nullptr;

struct ReadCase {
    const char* name;
    const char* content;  // kNoFile: the file does not exist
    const char* section;
    const char* key;
    std::string expectedString;  // ReadString with the default "dflt"
    int expectedInteger;         // ReadInteger with the default 128
    bool expectedBool;           // ReadBool with the default true
};

const std::vector<ReadCase> kReadCases = {
    {"MissingFile", kNoFile, "Mp3Options", "BitRate", "dflt", 128, true},
    {"MissingSection", "[Other]\nBitRate=64\n", "Mp3Options", "BitRate", "dflt", 128, true},
    {"MissingKey", "[Mp3Options]\nMaxBitRate=64\n", "Mp3Options", "BitRate", "dflt", 128, true},
    {"Plain", "[Mp3Options]\nBitRate=192\n", "Mp3Options", "BitRate", "192", 192, true},
    {"SectionIgnoresCase", "[MP3OPTIONS]\nBitRate=64\n", "mp3options", "BitRate", "64", 64, true},
    {"KeyIgnoresCase", "[Mp3Options]\nbitrate=64\n", "Mp3Options", "BITRATE", "64", 64, true},
    {"ValueTrimmed", "[Mp3Options]\n  BitRate \t=  \t96 \t\n", "Mp3Options", "BitRate", "96", 96, true},
    {"HeaderTrimmed", "  [ Mp3Options ]  \nBitRate=96\n", "Mp3Options", "BitRate", "96", 96, true},
    {"TextIsNoInteger", "[Mp3Options]\nBitRate=abc\n", "Mp3Options", "BitRate", "abc", 128, true},
    {"TrailingTextIsNoInteger", "[Mp3Options]\nBitRate=12abc\n", "Mp3Options", "BitRate", "12abc", 128, true},
    {"EmptyValue", "[Mp3Options]\nBitRate=\n", "Mp3Options", "BitRate", "", 128, true},
    {"Negative", "[CDOptions]\nIndex=-1\n", "CDOptions", "Index", "-1", -1, true},
    {"HexDollar", "[A]\nK=$1F\n", "A", "K", "$1F", 31, true},
    {"HexZeroX", "[A]\nK=0x1f\n", "A", "K", "0x1f", 31, true},
    {"TooLargeForInteger", "[A]\nK=99999999999\n", "A", "K", "99999999999", 128, true},
    {"BoolZero", "[A]\nK=0\n", "A", "K", "0", 0, false},
    {"BoolAnyNonZero", "[A]\nK=2\n", "A", "K", "2", 2, true},
    {"BoolWordIsNoNumber", "[A]\nK=false\n", "A", "K", "false", 128, true},
    {"FirstSectionWins", "[A]\nK=1\n[A]\nK=2\n", "A", "K", "1", 1, true},
    {"FirstKeyWins", "[A]\nK=1\nK=2\n", "A", "K", "1", 1, true},
    {"KeyOfAnotherSection", "[A]\n[B]\nK=5\n", "A", "K", "dflt", 128, true},
    {"KeyBeforeAnySection", "K=5\n[A]\n", "A", "K", "dflt", 128, true},
    {"ValueKeepsInnerEquals", "[A]\nK=a=b\n", "A", "K", "a=b", 128, true},
    {"CarriageReturnLineEnds", "[A]\r\nK=7\r\n", "A", "K", "7", 7, true},
    {"ByteOrderMark", "\xEF\xBB\xBF[A]\nK=7\n", "A", "K", "7", 7, true},
    {"Utf8Value", "[KelmOptions]\nOutputFolder=/home/用户/输出/\n", "KelmOptions", "OutputFolder", "/home/用户/输出/",
     128, true},
    {"NoFinalLineEnd", "[A]\nK=3", "A", "K", "3", 3, true},
};

class IniRead : public testing::TestWithParam<ReadCase> {};

}  // namespace

TEST_P(IniRead, FollowsTheProfileRules) {
    const ReadCase& c = GetParam();
    ScratchFolder folder;
    const std::string path = folder.file("options.ini");
    if (c.content) writeFileText(path, c.content);
    const TIniFile ini(path);
    EXPECT_EQ(ini.ReadString(c.section, c.key, "dflt"), c.expectedString);
    EXPECT_EQ(ini.ReadInteger(c.section, c.key, 128), c.expectedInteger);
    EXPECT_EQ(ini.ReadBool(c.section, c.key, true), c.expectedBool);
}

INSTANTIATE_TEST_SUITE_P(Cases, IniRead, testing::ValuesIn(kReadCases),
                         [](const testing::TestParamInfo<ReadCase>& testCase) {
                             return std::string(testCase.param.name);
                         });

TEST(IniRead, ABooleanDefaultsBothWays) {
    ScratchFolder folder;
    const TIniFile ini(folder.file("none.ini"));
    EXPECT_FALSE(ini.ReadBool("A", "K", false));
    EXPECT_TRUE(ini.ReadBool("A", "K", true));
}

namespace {

struct WriteCase {
    const char* name;
    const char* before;  // kNoFile: the file does not exist
    const char* section;
    const char* key;
    const char* value;
    const char* after;
};

const std::vector<WriteCase> kWriteCases = {
    {"CreatesTheFile", kNoFile, "CommonOptions", "OutputFormat", "1", "[CommonOptions]\nOutputFormat=1\n"},
    {"ReplacesInPlaceKeepingEverythingElse", "; settings\n[A]\nX=1\nUnknown=keep\n\n[B]\nY=2\n", "a", "x", "9",
     "; settings\n[A]\nX=9\nUnknown=keep\n\n[B]\nY=2\n"},
    {"NewKeyEndsItsSectionBeforeTheBlankLine", "[A]\nX=1\n\n[B]\nY=2\n", "A", "New", "v",
     "[A]\nX=1\nNew=v\n\n[B]\nY=2\n"},
    {"NewKeyInTheLastSection", "[A]\nX=1\n[B]\nY=2", "B", "Z", "3", "[A]\nX=1\n[B]\nY=2\nZ=3\n"},
    {"NewSectionAfterABlankLine", "[A]\nX=1\n", "B", "Y", "2", "[A]\nX=1\n\n[B]\nY=2\n"},
    {"EmptyValue", "[A]\nX=1\n", "A", "X", "", "[A]\nX=\n"},
    {"KeepsCarriageReturnLineEnds", "[A]\r\nX=1\r\n", "A", "Y", "2", "[A]\r\nX=1\r\nY=2\r\n"},
    {"OnlyTheFirstOfTwoKeys", "[A]\nK=1\nK=2\n", "A", "K", "3", "[A]\nK=3\nK=2\n"},
};

class IniWrite : public testing::TestWithParam<WriteCase> {};

}  // namespace

TEST_P(IniWrite, UpdatesTheFileAtOnce) {
    const WriteCase& c = GetParam();
    ScratchFolder folder;
    const std::string path = folder.file("options.ini");
    if (c.before) writeFileText(path, c.before);
    TIniFile ini(path);
    ini.WriteString(c.section, c.key, c.value);
    EXPECT_EQ(readFileText(path), c.after);
    EXPECT_EQ(ini.ReadString(c.section, c.key, "dflt"), c.value);
}

INSTANTIATE_TEST_SUITE_P(Cases, IniWrite, testing::ValuesIn(kWriteCases),
                         [](const testing::TestParamInfo<WriteCase>& testCase) {
                             return std::string(testCase.param.name);
                         });

TEST(IniWrite, IntegersAndBooleansAsDecimalText) {
    ScratchFolder folder;
    const std::string path = folder.file("options.ini");
    TIniFile ini(path);
    ini.WriteInteger("CDOptions", "Index", -1);
    ini.WriteBool("CDOptions", "CDDb", true);
    ini.WriteBool("Mp3Options", "IsSelectVBR", false);
    EXPECT_EQ(readFileText(path), "[CDOptions]\nIndex=-1\nCDDb=1\n\n[Mp3Options]\nIsSelectVBR=0\n");
}

TEST(IniWrite, LoadSaveLoadIsStable) {
    ScratchFolder folder;
    const std::string path = folder.file("options.ini");
    const std::string original =
        "[CommonOptions]\nOutputFolder=/music/\nNormalizePercent=95\n; hand-written note\nExtra=stay\n\n"
        "[KelmOptions]\nLark_Rate0=12\nLark_Count0=3\n";
    writeFileText(path, original);
    {
        TIniFile ini(path);
        // Saving what was loaded changes no byte.
        ini.WriteString("CommonOptions", "OutputFolder", ini.ReadString("CommonOptions", "OutputFolder", ""));
        ini.WriteInteger("CommonOptions", "NormalizePercent", ini.ReadInteger("CommonOptions", "NormalizePercent", 0));
        ini.WriteInteger("KelmOptions", "Lark_Rate0", ini.ReadInteger("KelmOptions", "Lark_Rate0", 0));
        ini.WriteInteger("KelmOptions", "Lark_Count0", ini.ReadInteger("KelmOptions", "Lark_Count0", 0));
    }
    EXPECT_EQ(readFileText(path), original);
    const TIniFile reloaded(path);
    EXPECT_EQ(reloaded.ReadString("KelmOptions", "Lark_Count0", ""), "3");
    EXPECT_EQ(reloaded.ReadString("CommonOptions", "Extra", ""), "stay");
}

TEST(IniWrite, AnUnwritableFileRaisesWithItsCause) {
    ScratchFolder folder;
    TIniFile ini(folder.file("no-such-folder/options.ini"));
    try {
        ini.WriteString("A", "K", "v");
        FAIL() << "no exception";
    } catch (const framework::EInOutError& error) {
        EXPECT_NE(error.Message().find("No such file or directory"), std::string::npos) << error.Message();
    }
}

TEST(IniWrite, AFailedWriteLeavesTheOldFileWholeAndNoCopyBehind) {
    ScratchFolder folder;
    const std::string path = folder.file("options.ini");
    writeFileText(path, "[A]\nK=old\n");
    TIniFile ini(path);
    // A folder cannot be replaced by a file: the finished copy cannot take the old file's place.
    const std::string blocked = folder.file("blocked.ini");
    std::filesystem::create_directory(blocked);
    TIniFile intoFolder(blocked);
    EXPECT_EQ(intoFolder.ReadString("A", "K", "none"), "none") << "a folder reads as an empty file";
    EXPECT_THROW(intoFolder.WriteString("A", "K", "new"), framework::EInOutError);
    EXPECT_TRUE(std::filesystem::is_directory(blocked));
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"blocked.ini", "options.ini"}));
    EXPECT_EQ(readFileText(path), "[A]\nK=old\n");
}

TEST(IniWrite, ABatchOfWritesReachesTheFileOnlyAtItsEnd) {
    ScratchFolder folder;
    const std::string path = folder.file("options.ini");
    writeFileText(path, "[A]\nK=old\n");
    TIniFile ini(path);
    ini.BeginUpdate();
    ini.WriteString("A", "K", "new");
    ini.WriteInteger("B", "N", 7);
    EXPECT_EQ(readFileText(path), "[A]\nK=old\n");
    ini.EndUpdate();
    EXPECT_EQ(readFileText(path), "[A]\nK=new\n\n[B]\nN=7\n");
}

TEST(IniWrite, ALinkedFileStaysALinkAndItsTargetIsReplaced) {
    ScratchFolder folder;
    const std::string target = folder.file("real.ini");
    writeFileText(target, "[A]\nK=old\n");
    std::filesystem::create_symlink(target, folder.file("options.ini"));
    TIniFile ini(folder.file("options.ini"));
    ini.WriteString("A", "K", "new");
    EXPECT_TRUE(std::filesystem::is_symlink(folder.file("options.ini")));
    EXPECT_EQ(readFileText(target), "[A]\nK=new\n");
}

TEST(IniWrite, AValueThatWouldNotReadBackIsRefusedAndTheFileStays) {
    ScratchFolder folder;
    const std::string path = folder.file("options.ini");
    const std::string original = "[CommonOptions]\nOutputFolder=/x/music/\n";
    writeFileText(path, original);
    TIniFile ini(path);
    for (const std::string& value :
         std::vector<std::string>{"/x/music ", " /x/music", "/x/music\t", "/x\n[KelmOptions]\nOutputIndex=0", "/x\r",
                                  std::string("/x\0y", 4), "/x\x7F"}) {
        EXPECT_FALSE(TIniFile::Storable(value)) << value;
        EXPECT_THROW(ini.WriteString("CommonOptions", "OutputFolder", value), framework::EConvertError) << value;
        EXPECT_EQ(ini.ReadString("CommonOptions", "OutputFolder", ""), "/x/music/");
    }
    EXPECT_EQ(readFileText(path), original);
    // Everything else reads back byte for byte.
    for (const std::string value : {"", "/x/my music/", "/音乐/第 1 张", "a=b;c", "[x]", "\"/x \""}) {
        EXPECT_TRUE(TIniFile::Storable(value)) << value;
        ini.WriteString("CommonOptions", "OutputFolder", value);
        EXPECT_EQ(TIniFile(path).ReadString("CommonOptions", "OutputFolder", "none"), value);
    }
}

TEST(IniWrite, ALeftoverOfAnEarlierKilledSaveGoesUnlessItsProcessLives) {
    ScratchFolder folder;
    const std::string path = folder.file("options.ini");
    writeFileText(path, "[A]\nK=old\n");
    const pid_t gone = ::fork();
    if (gone == 0) ::_exit(0);
    ::waitpid(gone, nullptr, 0);
    const std::string dead = path + "." + std::to_string(gone) + "-0";
    const std::string alive = path + "." + std::to_string(::getpid()) + "-3";
    const std::string other = folder.file("notes.txt." + std::to_string(gone) + "-0");
    for (const std::string& leftover : {dead, alive, other}) writeFileText(leftover, "[A]\nK=half");
    TIniFile ini(path);
    ini.WriteString("A", "K", "new");
    EXPECT_FALSE(std::filesystem::exists(dead));
    EXPECT_TRUE(std::filesystem::exists(alive)) << "its save may still be running";
    EXPECT_TRUE(std::filesystem::exists(other));
    EXPECT_EQ(readFileText(path), "[A]\nK=new\n");
}
