// "options.ini": defaults, the file's layout, the reading rules and what a save keeps.
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <sstream>
#include <vector>

#include "platform/framework/forms/Application.h"
#include "platform/present/HeadlessPresenter.h"
#include "platform/user/Presenter.h"
#include "tests/support/ScratchFolder.h"
#include "trackmill/app/options/OptionsFile.h"
#include "trackmill/app/options/OptionsSetting.h"

namespace {

std::string ReadText(const std::string& file) {
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteText(const std::string& file, const std::string& text) { std::ofstream(file) << text; }

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (!line.empty()) lines.push_back(line);
    return lines;
}

// Runs body as process 2 of a new process-id namespace, as a later run of the program may get the id of an
// earlier one. Answers how it ended: its exit status, or 128 + the signal that killed it; nothing where no
// namespace can be made (it takes root).
std::optional<int> RunAsProcessTwo(const std::function<int()>& body) {
    const pid_t outer = ::fork();
    if (outer == 0) {
        if (::unshare(CLONE_NEWPID) != 0) ::_exit(100);
        const pid_t init = ::fork();  // process 1 of the namespace, which the kernel spares some signals
        if (init == 0) {
            const pid_t worker = ::fork();
            if (worker == 0) ::_exit(::getpid() == 2 ? body() : 101);
            int status = 0;
            ::waitpid(worker, &status, 0);
            ::_exit(WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status));
        }
        int status = 0;
        ::waitpid(init, &status, 0);
        ::_exit(WIFEXITED(status) ? WEXITSTATUS(status) : 102);
    }
    int status = 0;
    ::waitpid(outer, &status, 0);
    // 101: a thread of the namespace's first process (a sanitizer's) took process id 2.
    if (!WIFEXITED(status) || WEXITSTATUS(status) == 100 || WEXITSTATUS(status) == 101) return std::nullopt;
    return WEXITSTATUS(status);
}

class OptionsFileTest : public ::testing::Test {
  protected:
    testsupport::ScratchFolder folder;
    std::string ini = folder.file("options.ini");

    void SetUp() override { Options = TOptionsSetting{}; }
};

TEST_F(OptionsFileTest, NoFileGivesEveryDefault) {
    ReadWriteOptions(true, (folder.path().string() + "/"));
    EXPECT_EQ(Options.OutputFolder, (folder.path().string() + "/"));
    EXPECT_EQ(Options.OutputFormat, 0);
    EXPECT_FALSE(Options.IsKeepWav);
    EXPECT_FALSE(Options.IsNormalize);
    EXPECT_EQ(Options.NormalizePercent, 95);
    EXPECT_FALSE(Options.IsSelectVBR);
    EXPECT_TRUE(Options.IsVBRHead);
    EXPECT_EQ(Options.BitRate, 128);
    EXPECT_EQ(Options.MaxBitRate, 320);
    EXPECT_EQ(Options.MpegQuality, 0);
    EXPECT_EQ(Options.VBRQuality, 4);
    EXPECT_EQ(Options.StereoMode, 1);
    EXPECT_EQ(Options.Index, -1);
    EXPECT_FALSE(Options.CDDb);
    EXPECT_FALSE(Options.SaveMp3);
    EXPECT_EQ(Options.OutputIndex, 1);
    EXPECT_EQ(Options.KelmOutputFolder, (folder.path().string() + "/"));
    EXPECT_EQ(Options.EncodeName, 1);
    EXPECT_EQ(Options.EncodeRate, 2);
    EXPECT_EQ(Options.Resample_Rate, 0);
    EXPECT_EQ(Options.Resample_Count, 0);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Options.Lark_Rate[i], 0);
        EXPECT_EQ(Options.Lark_Count[i], 0);
    }
}

TEST_F(OptionsFileTest, SavedDefaultsHoldTwentySevenKeysInFiveSectionsWithLarkKeysInterleaved) {
    ReadWriteOptions(true, (folder.path().string() + "/"));
    ReadWriteOptions(false, (folder.path().string() + "/"));
    const std::string f = (folder.path().string() + "/");
    const std::vector<std::string> expected = {
        "[CommonOptions]", "OutputFolder=" + f,   "OutputFormat=0", "IsKeepWav=0",
        "IsNormalize=0",   "NormalizePercent=95", "[Mp3Options]",   "IsSelectVBR=0",
        "IsVBRHead=1",     "BitRate=128",         "MaxBitRate=320", "MpegQuality=0",
        "VBRQuality=4",    "StereoMode=1",        "[CDOptions]",    "Index=-1",
        "CDDb=0",          "[RecordOptions]",     "SaveMp3=0",      "[KelmOptions]",
        "OutputIndex=1",   "OutputFolder=" + f,   "EncodeName=1",   "EncodeRate=2",
        "Resample_Rate=0", "Resample_Count=0",    "Lark_Rate0=0",   "Lark_Count0=0",
        "Lark_Rate1=0",    "Lark_Count1=0",       "Lark_Rate2=0",   "Lark_Count2=0"};
    EXPECT_EQ(Lines(ReadText(ini)), expected);
}

TEST_F(OptionsFileTest, ReadingRules) {
    WriteText(ini, "[Mp3Options]\nBitRate=abc\nIsSelectVBR=7\nIsVBRHead=0\n[CommonOptions]\nNormalizePercent= 80 \n");
    ReadWriteOptions(true, (folder.path().string() + "/"));
    EXPECT_EQ(Options.BitRate, 128);
    EXPECT_TRUE(Options.IsSelectVBR);
    EXPECT_FALSE(Options.IsVBRHead);
    EXPECT_EQ(Options.NormalizePercent, 80);
}

TEST_F(OptionsFileTest, AGainOutsideNoughtToAHundredIsTakenAtTheNearestEnd) {
    const std::string folderName = folder.path().string() + "/";
    for (const auto& [text, percent] : {std::pair{"150", 100}, std::pair{"-20", 0}, std::pair{"100", 100}}) {
        WriteText(ini, std::string("[CommonOptions]\nNormalizePercent=") + text + "\n");
        ReadWriteOptions(true, folderName);
        EXPECT_EQ(Options.NormalizePercent, percent) << text;
    }
}

TEST_F(OptionsFileTest, AnEmptyOutputFolderIsTheDefaultFolder) {
    const std::string folderName = folder.path().string() + "/";
    WriteText(ini, "[CommonOptions]\nOutputFolder=\n[KelmOptions]\nOutputFolder=  \n");
    ReadWriteOptions(true, folderName);
    EXPECT_EQ(Options.OutputFolder, folderName);
    EXPECT_EQ(Options.KelmOutputFolder, folderName);
}

TEST_F(OptionsFileTest, LoadSaveLoadIsStableAndKeepsUnknownKeys) {
    WriteText(ini,
              "[CommonOptions]\nOutputFolder=/music/\nMyOwnKey=kept\n[Extra]\nA=1\n[KelmOptions]\n"
              "OutputIndex=0\nLark_Count1=7\n");
    ReadWriteOptions(true, (folder.path().string() + "/"));
    EXPECT_EQ(Options.OutputFolder, "/music/");
    EXPECT_EQ(Options.OutputIndex, 0);
    EXPECT_EQ(Options.Lark_Count[1], 7);
    ReadWriteOptions(false, (folder.path().string() + "/"));
    const std::string first = ReadText(ini);
    EXPECT_NE(first.find("MyOwnKey=kept"), std::string::npos);
    EXPECT_NE(first.find("[Extra]\nA=1"), std::string::npos);
    EXPECT_NE(first.find("OutputIndex=0"), std::string::npos);

    Options = TOptionsSetting{};
    ReadWriteOptions(true, (folder.path().string() + "/"));
    ReadWriteOptions(false, (folder.path().string() + "/"));
    EXPECT_EQ(ReadText(ini), first);
}

TEST_F(OptionsFileTest, ChangedFieldsReachTheNextLoad) {
    ReadWriteOptions(true, (folder.path().string() + "/"));
    Options.IsKeepWav = true;
    Options.BitRate = 192;
    Options.Lark_Rate[2] = 41;
    Options.KelmOutputFolder = "/speech/";
    ReadWriteOptions(false, (folder.path().string() + "/"));
    Options = TOptionsSetting{};
    ReadWriteOptions(true, (folder.path().string() + "/"));
    EXPECT_TRUE(Options.IsKeepWav);
    EXPECT_EQ(Options.BitRate, 192);
    EXPECT_EQ(Options.Lark_Rate[2], 41);
    EXPECT_EQ(Options.KelmOutputFolder, "/speech/");
    EXPECT_EQ(Options.OutputFolder, (folder.path().string() + "/"));
}

TEST_F(OptionsFileTest, ASaveKilledHalfWayLeavesTheFileAndNeitherBlocksNorLittersTheNextRun) {
    const std::string programFolder = folder.path().string() + "/";
    ReadWriteOptions(true, programFolder);
    ReadWriteOptions(false, programFolder);
    const std::string before = ReadText(ini);
    // The kernel kills the save (SIGXFSZ) once it has written 64 bytes of the new file.
    const auto killed = RunAsProcessTwo([&] {
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit small{64, 64};
        ::setrlimit(RLIMIT_FSIZE, &small);
        Options.BitRate = 192;
        ReadWriteOptions(false, programFolder);
        return 0;
    });
    if (!killed) GTEST_SKIP() << "no process-id namespace with a free process id 2 can be made here";
    ASSERT_EQ(*killed, 128 + SIGXFSZ);
    EXPECT_EQ(ReadText(ini), before);
    ASSERT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2)
        << "the killed save leaves its temporary";

    // The next run has the same process id.
    const auto next = RunAsProcessTwo([&] {
        Options.BitRate = 224;
        try {
            ReadWriteOptions(false, programFolder);
        } catch (const std::exception& error) {
            std::fprintf(stderr, "%s\n", error.what());
            return 1;
        }
        return 0;
    });
    ASSERT_EQ(next, 0);
    ReadWriteOptions(true, programFolder);
    EXPECT_EQ(Options.BitRate, 224);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1) << "the leftover is gone";
}

TEST_F(OptionsFileTest, AFolderThatWouldNotReadBackIsNotWrittenAndTheRestIsSaved) {
    const std::string programFolder = folder.path().string() + "/";
    WriteText(ini, "[CommonOptions]\nOutputFolder=/x/music/\n");
    ReadWriteOptions(true, programFolder);
    Options.OutputFolder = "/x/music ";
    Options.KelmOutputFolder = "/x\n[Mp3Options]\nBitRate=8";
    Options.BitRate = 160;
    ReadWriteOptions(false, programFolder);
    Options = TOptionsSetting{};
    ReadWriteOptions(true, programFolder);
    EXPECT_EQ(Options.OutputFolder, "/x/music/");
    EXPECT_EQ(Options.KelmOutputFolder, programFolder);
    EXPECT_EQ(Options.BitRate, 160);
}

TEST_F(OptionsFileTest, UnwritableProgramFolderKeepsOptionsInTheConfigFolder) {
    testsupport::ScratchFolder config;
    setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
    EXPECT_EQ(OptionsFileName("/no-such-program-folder/"), config.path().string() + "/trackmill/options.ini");
    EXPECT_EQ(OptionsFileName((folder.path().string() + "/")), ini);
    unsetenv("XDG_CONFIG_HOME");
}

TEST_F(OptionsFileTest, TheApplicationsProgramFolderHoldsTheFile) {
    user::SetPresenter(std::make_unique<present::HeadlessPresenter>());
    framework::TApplication application(nullptr);
    application.SetExeName(folder.file("trackmill"));
    ReadWriteOptions(true);
    EXPECT_EQ(Options.OutputFolder, (folder.path().string() + "/"));
    ReadWriteOptions(false);
    EXPECT_NE(ReadText(ini).find("[KelmOptions]"), std::string::npos);
}

}  // namespace
