// The compression road end to end: WAV files through the resampler and the two speech encoders under the progress
// window, with its captions, estimates and learned speeds, and what it does when a step fails or is stopped.
#include <dirent.h>
#include <limits.h>
#include <signal.h>
#include <sys/stat.h>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "KelmFixture.h"
#include "platform/framework/controls/BitBtn.h"
#include "platform/framework/controls/Button.h"
#include "platform/framework/controls/ComboBox.h"
#include "platform/framework/controls/GroupBox.h"
#include "platform/framework/controls/Label.h"
#include "platform/framework/controls/ProgressBar.h"
#include "platform/testing/InputInjection.h"
#include "platform/testing/Screen.h"
#include "platform/user/Messages.h"
#include "teskenc/stream/StreamDecoder.h"
#include "tests/support/FileBytes.h"
#include "tests/support/LittleEndian.h"
#include "tests/support/ProcessTable.h"
#include "tests/support/RunProgram.h"
#include "tests/support/SmallFileSystem.h"
#include "tests/support/Snr.h"
#include "tests/support/WavFixture.h"
#include "trackmill/app/options/OptionsSetting.h"
#include "trackmill/app/windows/KelmCompress.h"
#include "trackmill/app/windows/KelmProcess.h"
#include "trackmill/app/windows/MainForm.h"

namespace {

const std::string EncodeFailedBox = "产生Kelm文件出错！\r\n请检查Kelm编码参数或重新运行程序！";

// The samples the resampler makes of a file, by running it by hand as the window would.
std::vector<std::int16_t> ResampledByHand(const std::string& input, const std::string& scratch) {
    const testsupport::ProgramRun run =
        testsupport::runProgram({testsupport::builtProgram("rs"), "-r", "8000", "-c", "1", "-b", "16", input, scratch});
    EXPECT_EQ(run.exitStatus, 0) << run.standardError;
    return testsupport::readCanonicalWav(scratch).samples;
}

// The processes whose command line names something in the folder: the children of a run.
std::vector<pid_t> ChildrenWorkingIn(const std::string& folder) {
    std::vector<pid_t> found;
    DIR* proc = opendir("/proc");
    while (const dirent* entry = proc ? readdir(proc) : nullptr) {
        const pid_t pid = static_cast<pid_t>(std::atoi(entry->d_name));
        if (pid <= 0 || pid == getpid()) continue;
        std::ifstream cmdline("/proc/" + std::string(entry->d_name) + "/cmdline");
        const std::string text((std::istreambuf_iterator<char>(cmdline)), std::istreambuf_iterator<char>());
        if (text.find(folder) != std::string::npos && testsupport::processState(pid) != 'Z') found.push_back(pid);
    }
    if (proc) closedir(proc);
    return found;
}

// A child writes its output under a temporary name of its own beside it, renamed over it when it has succeeded.
void ExpectWrittenBeside(const std::string& written, const std::string& output) {
    EXPECT_EQ(std::filesystem::path(written).parent_path(), std::filesystem::path(output).parent_path());
    EXPECT_NE(written, output);
    EXPECT_FALSE(std::filesystem::exists(written)) << "the temporary stayed";
}

std::vector<std::string> FilesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

class KelmProcessTest : public KelmWindowsTest {
  protected:
    void PickRate(int upPresses) {
        script.Then([this] { return Compress() != nullptr && Process() == nullptr; },
                    [this] { ClickOn(Compress()->cbRate); }, "rate");
        for (int i = 0; i < upPresses; ++i)
            script.Then([this] { return Compress() != nullptr; },
                        [] {
                            testdriver::PressKey(win::VK_UP);
                            testdriver::ReleaseKey(win::VK_UP);
                        },
                        "up");
    }
    // Compresses the files in one opening of the window.
    void Run(const std::vector<std::string>& files) {
        for (const std::string& file : files) AddFile(file);
        CompressAndWait();
        CloseWindow();
        RunCompressionWindow();
    }
};

TEST_F(KelmProcessTest, StereoSpeechIsResampledThenEncodedToFinchAndTheCopyGoes) {
    Start("[KelmOptions]\nOutputIndex=1\nOutputFolder=" + File("out") + "\nEncodeName=1\nEncodeRate=2\n");
    WriteStereoSpeech(In("my talk.wav"), 3.0);
    const std::vector<std::int16_t> resampled = ResampledByHand(In("my talk.wav"), File("by hand.wav"));
    stepSeconds = [](const std::string& program) { return program == "rs" ? 5 : 0; };
    const std::string png = std::string(TRACKMILL_BIN_DIR) + "/../kelm-process.png";
    std::string pictureError = "not taken";
    std::vector<std::string> inFolderDuringEncode;
    whileRunning = [&](TfrmKelmProcess& w) {
        if (w.GroupBox1->Caption() == "正在进行编码" && inFolderDuringEncode.empty())
            inFolderDuringEncode = FilesIn(folder / "in");
        if (pictureError == "not taken" && !w.Label3->Caption().empty()) {
            w.Repaint();
            pictureError = testdriver::DumpScreenPng(png);
        }
    };
    Run({In("my talk.wav")});

    const std::vector<std::vector<std::string>> runs = ResampleRuns();
    ASSERT_EQ(runs.size(), 1u);
    ASSERT_EQ(runs[0].size(), 8u);
    EXPECT_EQ(std::vector<std::string>(runs[0].begin(), runs[0].end() - 1),
              (std::vector<std::string>{"-r", "8000", "-c", "1", "-b", "16", In("my talk.wav")}));
    ExpectWrittenBeside(runs[0].back(), In("r_my talk.wav"));
    EXPECT_EQ(watch.commandLines.front(),
              "rs -r 8000  -c 1 -b 16  \"" + In("my talk.wav") + "\" \"" + In("r_my talk.wav") + "\"");
    EXPECT_EQ(watch.commandLines.back(),
              "finchenc.exe 24 \"" + In("r_my talk.wav") + "\" \"" + Out("my talk.FNC") + "\"");
    EXPECT_EQ(watch.captions, (std::vector<std::string>{"正在重新采样(01/01): " + In("my talk.wav"),
                                                        "正在编码(01/01): " + In("my talk.wav")}));
    EXPECT_EQ(watch.groups, (std::vector<std::string>{"正在重新采样", "正在进行编码"}));
    EXPECT_EQ(inFolderDuringEncode, (std::vector<std::string>{"my talk.wav", "r_my talk.wav"}));
    EXPECT_EQ(FilesIn(folder / "in"), (std::vector<std::string>{"my talk.wav"})) << "the copy stayed";
    // A rate word, a frame of 144 bytes per 384 samples and one more, three closing bytes.
    const std::uint64_t n = resampled.size();
    EXPECT_EQ(std::filesystem::file_size(Out("my talk.FNC")), 2 + ((n + 383) / 384 + 1) * 144 + 3);
    EXPECT_GT(watch.highestPercent, 0);
    EXPECT_EQ(pictureError, "");
    // Five seconds for the whole input: its bytes per millisecond.
    EXPECT_EQ(Options.Resample_Rate, static_cast<std::int32_t>(std::filesystem::file_size(In("my talk.wav")) / 5000));
    EXPECT_EQ(Options.Resample_Count, 1);
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(KelmProcessTest, StereoSpeechToLarkDecodesAboveTheEncodersFloorsAtEveryRate) {
    Start("[KelmOptions]\nOutputIndex=0\nEncodeName=0\nEncodeRate=2\n");
    stepSeconds = [](const std::string& program) { return program == "teskenc.exe" ? 4 : 0; };
    // Rate items 2, 1, 0 are rate ids 0, 1, 2; floors as the encoder's own quality test pins them.
    const double floorDb[] = {14.5, 11.0, 8.0};
    for (int id = 0; id < 3; ++id) {
        const std::string name = "talk" + std::to_string(id);
        WriteStereoSpeech(In(name + ".wav"), 4.0);
        if (id > 0) PickRate(1);
        AddFile(In(name + ".wav"));
        CompressAndWait();
        script.Then([this] { return Compress() != nullptr && Process() == nullptr; },
                    [this] { ClickOn(Compress()->bClear); }, "clear");
    }
    CloseWindow();
    RunCompressionWindow();

    EXPECT_EQ(watch.prefixes,
              (std::vector<std::string>{"teskenc.exe rc.txt 0", "teskenc.exe rc.txt 1", "teskenc.exe rc.txt 2"}));
    for (int id = 0; id < 3; ++id) {
        const std::string name = "talk" + std::to_string(id);
        const std::vector<std::int16_t> reference = ResampledByHand(In(name + ".wav"), File("ref.wav"));
        EXPECT_FALSE(std::filesystem::exists(In("r_" + name + ".wav")));
        {
            tesk::StreamDecoder decoder(In(name + ".LRK"), File("decoded.wav"));
            decoder.run();
            decoder.finish();
        }
        const std::vector<std::int16_t> decoded = testsupport::readCanonicalWav(File("decoded.wav")).samples;
        EXPECT_EQ(decoded.size(), reference.size()) << "rate id " << id;
        const double snr = testsupport::snrDb(reference, decoded, 0, reference.size());
        RecordProperty("lark_snr_rate_" + std::to_string(id), std::to_string(snr));
        EXPECT_GT(snr, floorDb[id]) << "rate id " << id;
        // Four seconds per Lark step: each rate index learned its own speed from the resampled copy.
        const int rateIndex = 2 - id;
        EXPECT_EQ(Options.Lark_Count[rateIndex], 1) << rateIndex;
        EXPECT_EQ(Options.Lark_Rate[rateIndex], static_cast<std::int32_t>((reference.size() * 2 + 44) / 4000))
            << rateIndex;
    }
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(KelmProcessTest, EightKilohertzMonoIsEncodedAsItIsBesideItOrIntoAFolder) {
    Start("[KelmOptions]\nOutputIndex=0\nEncodeName=1\nEncodeRate=0\n");
    for (const char* name : {"a.wav", "b.wav", "c.wav"})
        std::filesystem::copy_file(testsupport::speechFixturePath(), In(name));
    Run({In("a.wav"), In("b.wav"), In("c.wav")});
    EXPECT_TRUE(ResampleRuns().empty());
    EXPECT_EQ(watch.captions,
              (std::vector<std::string>{"正在编码(01/03): " + In("a.wav"), "正在编码(02/03): " + In("b.wav"),
                                        "正在编码(03/03): " + In("c.wav")}));
    EXPECT_EQ(watch.commandLines.front(), "finchenc.exe 16 \"" + In("a.wav") + "\" \"" + In("a.FNC") + "\"");
    const std::uint64_t samples = testsupport::speechFixtureSamples().size();
    for (const char* name : {"a.FNC", "b.FNC", "c.FNC"})
        EXPECT_EQ(std::filesystem::file_size(In(name)), 2 + ((samples + 383) / 384 + 1) * 96 + 3) << name;

    // Into a folder stored without its separator, then one chosen with it.
    Options.OutputIndex = 1;
    Options.KelmOutputFolder = File("out");
    Run({In("a.wav"), In("b.wav"), In("c.wav")});
    EXPECT_EQ(FilesIn(folder / "out"), (std::vector<std::string>{"a.FNC", "b.FNC", "c.FNC"}));
    std::filesystem::create_directories(folder / "out2");
    Options.KelmOutputFolder = File("out2") + "/";
    Run({In("a.wav")});
    EXPECT_EQ(FilesIn(folder / "out2"), (std::vector<std::string>{"a.FNC"}));
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(KelmProcessTest, EstimatesComeFromDefaultSpeedsOrLearnedOnesAndBadStoredSpeedsCountAsNone) {
    Start("[KelmOptions]\nOutputIndex=0\nEncodeName=0\nEncodeRate=1\nResample_Rate=100\nLark_Rate1=fast\n");
    // 1,638,400 bytes of 8 kHz mono: no resampling, a Lark step at rate item 1.
    std::vector<std::int16_t> samples;
    const std::vector<std::int16_t> speech = testsupport::speechFixtureSamples();
    while (samples.size() < (1638400 - 44) / 2) samples.insert(samples.end(), speech.begin(), speech.end());
    samples.resize((1638400 - 44) / 2);
    testsupport::writeWav(In("long.wav"), samples);
    ASSERT_EQ(std::filesystem::file_size(In("long.wav")), 1638400u);
    // 3,000,000 bytes of 44.1 kHz stereo: resampled at the learned 100 bytes per millisecond.
    std::vector<std::int16_t> stereo((3000000 - 44) / 2, 0);
    for (std::size_t i = 0; i < stereo.size(); ++i) stereo[i] = speech[(i / 11) % speech.size()];
    testsupport::writeWav(In("wide.wav"), stereo, 44100, 2);
    ASSERT_EQ(std::filesystem::file_size(In("wide.wav")), 3000000u);
    Run({In("long.wav"), In("wide.wav")});
    ASSERT_GE(watch.estimates.size(), 3u);
    EXPECT_EQ(watch.estimates[0], "00:12");
    EXPECT_EQ(watch.barMaxima[0], 24);
    EXPECT_EQ(watch.estimates[1], "00:30");
    EXPECT_EQ(watch.barMaxima[1], 60);

    // A stored speed that is no speed: the default one, and the next timing replaces it.
    boxes.Allow("文件" + In("wide.LRK") + "已经存在，要覆盖它吗？", win::IDYES);
    Options.Resample_Rate = -5;
    Options.Resample_Count = 0;
    stepSeconds = [](const std::string& program) { return program == "rs" ? 6 : 0; };
    Run({In("wide.wav")});
    ASSERT_GE(watch.estimates.size(), 5u);
    EXPECT_EQ(watch.estimates[3], "00:02");  // 3,000,000 bytes at 3 MiB/s, and two seconds
    EXPECT_EQ(watch.barMaxima[3], 4);
    EXPECT_EQ(Options.Resample_Rate, 500);
    EXPECT_EQ(Options.Resample_Count, 1);
    // Steps of two seconds or less count without moving the speed.
    stepSeconds = [](const std::string& program) { return program == "rs" ? 2 : 0; };
    Run({In("wide.wav")});
    EXPECT_EQ(Options.Resample_Rate, 500);
    EXPECT_EQ(Options.Resample_Count, 2);
    EXPECT_EQ(boxes.Shown().size(), 2u) << "only the two questions about the earlier output";
}

TEST_F(KelmProcessTest, AnUnreadableInputShowsOneBoxAndTheChainGoesOn) {
    Start("[KelmOptions]\nOutputIndex=0\nEncodeName=1\nEncodeRate=2\n");
    std::filesystem::copy_file(testsupport::speechFixturePath(), In("good.wav"));
    const std::string box = "无法打开文件" + In("gone.wav") + "：" + std::strerror(ENOENT);
    boxes.Allow(box);
    Run({In("gone.wav"), In("good.wav")});
    EXPECT_EQ(boxes.Shown(), (std::vector<std::string>{box + "|错误"}));
    EXPECT_TRUE(std::filesystem::exists(In("good.FNC")));
    EXPECT_EQ(Process(), nullptr);

    // Found missing only when its turn comes, after a file that was encoded: the chain still goes on to the last.
    boxes.Clear();
    std::filesystem::remove(In("good.FNC"));
    std::filesystem::copy_file(testsupport::speechFixturePath(), In("last.wav"));
    const std::string later = "无法打开文件" + In("later.wav") + "：" + std::strerror(ENOENT);
    boxes.Allow(later);
    Run({In("good.wav"), In("later.wav"), In("last.wav")});
    EXPECT_EQ(boxes.Shown(), (std::vector<std::string>{later + "|错误"}));
    EXPECT_TRUE(std::filesystem::exists(In("good.FNC")));
    EXPECT_TRUE(std::filesystem::exists(In("last.FNC")));
    EXPECT_EQ(watch.captions.back(), "正在编码(03/03): " + In("last.wav"));
    EXPECT_EQ(Process(), nullptr);
}

TEST_F(KelmProcessTest, StoppingDuringAStepKillsItsChildLeavesNoCopyAndShowsNoBox) {
    Start("[KelmOptions]\nOutputIndex=0\nEncodeName=0\nEncodeRate=2\n");
    WriteStereoSpeech(In("long.wav"), 240.0);
    for (const std::string stopIn : {"正在重新采样", "正在进行编码"}) {
        std::vector<pid_t> children;
        bool stopped = false;
        whileRunning = [&](TfrmKelmProcess& w) {
            if (stopped || w.GroupBox1->Caption() != stopIn) return;
            children = ChildrenWorkingIn(folder.string());
            if (children.empty()) return;
            stopped = true;
            ClickOn(w.btStop);
        };
        Run({In("long.wav")});
        EXPECT_TRUE(stopped) << stopIn;
        for (pid_t child : children) EXPECT_TRUE(testsupport::waitUntilGone(child, true)) << stopIn;
        EXPECT_TRUE(ChildrenWorkingIn(folder.string()).empty()) << stopIn;
        // The copy is ours and goes; the stopped encoder's own output stays as far as it got, if it got anywhere.
        std::vector<std::string> left = FilesIn(folder / "in");
        std::erase(left, "long.LRK");
        EXPECT_EQ(left, (std::vector<std::string>{"long.wav"})) << stopIn;
        EXPECT_EQ(watch.captions.back(),
                  (stopIn == "正在重新采样" ? "正在重新采样(01/01): " : "正在编码(01/01): ") + In("long.wav"));
    }
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(KelmProcessTest, AUsersFileWithTheCopysNameIsNeverTouched) {
    Start("[KelmOptions]\nOutputIndex=0\nEncodeName=1\nEncodeRate=2\n");
    WriteStereoSpeech(In("talk.wav"), 1.0);
    testsupport::writeFileBytes(In("r_talk.wav"), {'m', 'i', 'n', 'e'});
    Run({In("talk.wav")});
    const auto runs = ResampleRuns();
    ASSERT_EQ(runs.size(), 1u);
    ExpectWrittenBeside(runs[0].back(), In("r_2_talk.wav"));
    EXPECT_EQ(testsupport::readFileBytes(In("r_talk.wav")), (testsupport::Bytes{'m', 'i', 'n', 'e'}));
    EXPECT_EQ(FilesIn(folder / "in"), (std::vector<std::string>{"r_talk.wav", "talk.FNC", "talk.wav"}));
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(KelmProcessTest, StepsThatProduceNothingAreFailuresWithOneBoxEachAndTheNextFileStillRuns) {
    Start("[KelmOptions]\nOutputIndex=0\nEncodeName=1\nEncodeRate=2\n");
    // A RIFF WAVE head that needs resampling but holds no sound the resampler can read.
    testsupport::Bytes broken = testsupport::wavFileBytes(2, 44100, 16, {});
    broken.resize(36);
    testsupport::writeFileBytes(In("broken.wav"), broken);
    std::filesystem::copy_file(testsupport::speechFixturePath(), In("good.wav"));
    // Told as the resampler's failure, not as bad encoding settings.
    const std::string resampleFailed = "重新采样" + In("broken.wav") + "时出错！\r\nrs以退出码";
    boxes.AllowStartingWith(resampleFailed);
    Run({In("broken.wav"), In("good.wav")});
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].rfind(resampleFailed, 0), 0u) << boxes.Shown()[0];
    EXPECT_EQ(ResampleRuns().size(), 1u);
    EXPECT_EQ(watch.captions.back(), "正在编码(02/02): " + In("good.wav"));
    EXPECT_FALSE(std::filesystem::exists(In("broken.FNC"))) << "the failed file went on to its encoding";
    EXPECT_TRUE(std::filesystem::exists(In("good.FNC")));
    EXPECT_EQ(FilesIn(folder / "in"), (std::vector<std::string>{"broken.wav", "good.FNC", "good.wav"}));

    // Lark and Finch into a folder that does not exist: neither encoder can write, one box per file, saying so.
    boxes.Clear();
    Options.OutputIndex = 1;
    Options.KelmOutputFolder = File("no such folder");
    const std::string noFolder = std::string("：") + std::strerror(ENOENT);
    const std::string larkBox = "无法创建文件" + File("no such folder") + "/good.LRK" + noFolder;
    const std::string finchBox = "无法创建文件" + File("no such folder") + "/good.FNC" + noFolder;
    boxes.Allow(larkBox);
    boxes.Allow(finchBox);
    Options.EncodeName = 0;
    Run({In("good.wav")});
    Options.EncodeName = 1;
    Run({In("good.wav")});
    EXPECT_EQ(boxes.Shown(), (std::vector<std::string>{larkBox + "|错误", finchBox + "|错误"}));
    EXPECT_EQ(Options.Lark_Count[2], 0) << "a failed step is no timing";
}

TEST_F(KelmProcessTest, AnOutputThatIsTheInputItselfIsReportedInUseAndLeftAlone) {
    Start("[KelmOptions]\nOutputIndex=0\nEncodeName=1\nEncodeRate=2\n");
    std::filesystem::copy_file(testsupport::speechFixturePath(), In("talk.FNC"));
    const testsupport::Bytes before = testsupport::readFileBytes(In("talk.FNC"));
    const std::string box = In("talk.FNC") + "可能正在被使用，操作失败！";
    boxes.Allow(box);
    Run({In("talk.FNC")});
    EXPECT_EQ(boxes.Shown(), (std::vector<std::string>{box + "|错误"}));
    EXPECT_EQ(testsupport::readFileBytes(In("talk.FNC")), before);
}

TEST_F(KelmProcessTest, ADeclinedOverwriteSkipsTheFileWithoutABox) {
    Start("[KelmOptions]\nOutputIndex=0\nEncodeName=0\nEncodeRate=2\n");
    std::filesystem::copy_file(testsupport::speechFixturePath(), In("talk.wav"));
    testsupport::writeFileBytes(In("talk.LRK"), {7, 7});
    boxes.Allow("文件" + In("talk.LRK") + "已经存在，要覆盖它吗？", win::IDNO);
    Run({In("talk.wav")});
    EXPECT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(testsupport::readFileBytes(In("talk.LRK")), (testsupport::Bytes{7, 7}));
    EXPECT_EQ(Options.Lark_Count[2], 1) << "a declined step still counts as a timing";
}

TEST_F(KelmProcessTest, AnEncoderThatCannotStartIsReportedForEachFileAndTheWindowCloses) {
    Start("[KelmOptions]\nOutputIndex=0\nEncodeName=1\nEncodeRate=2\n");
    std::filesystem::copy_file(testsupport::speechFixturePath(), In("a.wav"));
    std::filesystem::copy_file(testsupport::speechFixturePath(), In("b.wav"));
    setenv("PATH", File("fakebin").c_str(), 1);  // the rs wrapper only
    const std::string box = "产生Kelm编码进程时出错！2";
    boxes.Allow(box);
    Run({In("a.wav"), In("b.wav")});
    EXPECT_EQ(boxes.Shown(), (std::vector<std::string>{box + "|错误", box + "|错误"}));
    EXPECT_EQ(watch.captions.back(), "正在编码(02/02): " + In("b.wav"));
    EXPECT_EQ(Process(), nullptr);
}

TEST_F(KelmProcessTest, AFinchStepOntoAFullDiskIsReportedAndTheOlderFileItWasToReplaceSurvives) {
    testsupport::SmallFileSystem disk(64 * 1024);
    if (!disk.mounted()) GTEST_SKIP() << disk.skipReason();
    Start("[KelmOptions]\nOutputIndex=1\nOutputFolder=" + disk.path().string() + "\nEncodeName=1\nEncodeRate=2\n");
    // Forty seconds make some 120 KB at 24 kbit/s: more than the disk holds.
    WriteStereoSpeech(In("long.wav"), 40.0);
    testsupport::writeFileBytes(disk.file("long.FNC"), {'o', 'l', 'd'});
    boxes.Allow("文件" + disk.file("long.FNC") + "已经存在，要覆盖它吗？", win::IDYES);
    const std::string box = EncodeFailedBox + "\r\nfinchenc.exe以退出码1结束，未完成的文件已删除。";
    boxes.Allow(box);
    Run({In("long.wav")});
    EXPECT_GT(watch.highestPercent, 0) << "the encoder got going before the disk was full";
    EXPECT_EQ(boxes.Count(box), 1);
    EXPECT_EQ(testsupport::readFileBytes(disk.file("long.FNC")), (testsupport::Bytes{'o', 'l', 'd'}));
    EXPECT_EQ(FilesIn(disk.path()), (std::vector<std::string>{"long.FNC"})) << "the cut output stayed";
    EXPECT_EQ(FilesIn(folder / "in"), (std::vector<std::string>{"long.wav"}));
}

TEST_F(KelmProcessTest, ALarkEncoderThatDiesAfterWritingLeavesTheOlderFileAndSaysSo) {
    Start("[KelmOptions]\nOutputIndex=0\nEncodeName=0\nEncodeRate=2\n");
    std::filesystem::copy_file(testsupport::speechFixturePath(), In("talk.wav"));
    testsupport::writeFileBytes(In("talk.LRK"), {7, 7});
    boxes.Allow("文件" + In("talk.LRK") + "已经存在，要覆盖它吗？", win::IDYES);
    // Its output is more than a header: only the way it ended tells that it is cut.
    FakeProgram("teskenc.exe", "head -c 5000 /dev/zero > \"$4\"\nkill -9 $$");
    const std::string box = EncodeFailedBox + "\r\nteskenc.exe异常终止，未完成的文件已删除。";
    boxes.Allow(box);
    Run({In("talk.wav")});
    EXPECT_EQ(boxes.Count(box), 1);
    EXPECT_EQ(testsupport::readFileBytes(In("talk.LRK")), (testsupport::Bytes{7, 7}));
    EXPECT_EQ(FilesIn(folder / "in"), (std::vector<std::string>{"talk.LRK", "talk.wav"}));
    EXPECT_EQ(Options.Lark_Count[2], 0) << "a failed step is no timing";
}

TEST_F(KelmProcessTest, AnInputWhoseCopysNameIsTooLongIsToldSoAndNotBlamedOnTheSettings) {
    Start("[KelmOptions]\nOutputIndex=0\nEncodeName=1\nEncodeRate=2\n");
    const std::string name = std::string(NAME_MAX - 4, 'a') + ".wav";
    WriteStereoSpeech(File("speech.wav"), 1.0);
    std::filesystem::rename(File("speech.wav"), In(name));
    const std::string box = "无法创建文件" + In("r_" + name) + "：" + std::strerror(ENAMETOOLONG);
    boxes.Allow(box);
    Run({In(name)});
    EXPECT_EQ(boxes.Shown(), (std::vector<std::string>{box + "|错误"}));
    EXPECT_TRUE(ResampleRuns().empty());
    EXPECT_EQ(FilesIn(folder / "in"), (std::vector<std::string>{name}));
}

TEST_F(KelmProcessTest, ALarkInputWhoseNameEndsInABlankIsEncodedFromThatFile) {
    Start("[KelmOptions]\nOutputIndex=1\nOutputFolder=" + File("out") + "\nEncodeName=0\nEncodeRate=2\n");
    std::filesystem::copy_file(testsupport::speechFixturePath(), In("talk.wav "));
    Run({In("talk.wav ")});
    EXPECT_TRUE(boxes.Shown().empty());
    ASSERT_TRUE(std::filesystem::exists(Out("talk.LRK")));
    const testsupport::ProgramRun byHand = testsupport::runProgram(
        {testsupport::builtProgram("teskenc"), "rc.txt", "0", testsupport::speechFixturePath(), File("byhand.LRK")},
        {std::nullopt, TRACKMILL_BIN_DIR});
    ASSERT_EQ(byHand.exitStatus, 0) << byHand.standardError;
    EXPECT_TRUE(testsupport::readFileBytes(Out("talk.LRK")) == testsupport::readFileBytes(File("byhand.LRK")));
}

}  // namespace
