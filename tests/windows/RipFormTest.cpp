// The rip window's job chain end to end: CD images through the rip thread, the real MP3 encoder, and the boxes
// the chain shows.
#include <algorithm>
#include <chrono>
#include <fstream>
#include <thread>

#include "CdFaults.h"
#include "WindowsFixture.h"
#include "platform/cdrom/CdAudio.h"
#include "platform/framework/TStringList.h"
#include "platform/framework/controls/Button.h"
#include "platform/framework/controls/GroupBox.h"
#include "platform/framework/controls/Label.h"
#include "platform/framework/controls/ProgressBar.h"
#include "platform/testing/MessagePump.h"
#include "platform/testing/Screen.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Messages.h"
#include "tests/support/FileBytes.h"
#include "tests/support/SmallFileSystem.h"
#include "trackmill/app/jobs/Mp3EncodeProcess.h"
#include "trackmill/app/options/OptionsSetting.h"
#include "trackmill/app/windows/RipForm.h"

using namespace std::chrono_literals;

namespace {

const std::string ReadFailedBox = "读取CD信息时出错！";
const std::string EncodeFailedBox = "产生MP3文件出错！\r\n请检查MP3编码参数或重新运行程序！";

framework::TStringList List(std::initializer_list<std::string> items) {
    framework::TStringList list;
    for (const std::string& item : items) list.Add(item);
    return list;
}

class RipFormTest : public WindowsTest {
  protected:
    void SetUp() override {
        WindowsTest::SetUp();
        Options.OutputFolder = Slashed();
        Options.OutputFormat = 1;
        Options.BitRate = 128;
        Options.StereoMode = 1;
        Options.VBRQuality = 4;
        Options.MaxBitRate = 320;
        Mp3Process = new TMp3EncodeProcess;
    }
    void TearDown() override {
        form.reset();
        if (handle) platform::cdrom::CloseCDHandle(handle);
        delete Mp3Process;
        Mp3Process = nullptr;
        WindowsTest::TearDown();
    }

    void OpenDisc(const cdrom_test::ImageLayout& layout) {
        UseDrives({MakeImage("disc", layout)});
        platform::cdrom::TCDList list{};
        list.max = 8;
        platform::cdrom::GetCDList(&list);
        platform::cdrom::TGetCDHandleParams request{};
        request.ha = list.cd[0].ha;
        request.tgt = list.cd[0].tgt;
        request.lun = list.cd[0].lun;
        handle = platform::cdrom::GetCDHandle(&request);
        ASSERT_NE(handle, 0u);
    }

    // Shows the window and runs its messages one at a time until it has closed, noting each new caption of the
    // window and of the group box after every message.
    void RunToEnd(TRipMode mode, const framework::TStringList& items, const std::function<void()>& afterEach = {}) {
        form = std::make_unique<TRipForm>(nullptr, mode, handle, items);
        auto note = [&] {
            if (captions.empty() || captions.back() != form->Caption()) captions.push_back(form->Caption());
            if (groups.empty() || groups.back() != form->GroupBox1->Caption())
                groups.push_back(form->GroupBox1->Caption());
        };
        note();
        form->Show();
        const auto deadline = std::chrono::steady_clock::now() + 60s;
        while (form->Visible()) {
            ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "the rip window never closed";
            win::MSG msg;
            if (!win::PeekMessage(&msg, nullptr, 0, 0, win::PM_REMOVE)) {
                std::this_thread::sleep_for(1ms);
                continue;
            }
            win::DispatchMessage(&msg);
            note();
            if (afterEach && form->Visible()) afterEach();
        }
    }

    bool Exists(const std::string& name) const { return std::filesystem::exists(File(name)); }

    platform::cdrom::HCDROM handle = 0;
    std::unique_ptr<TRipForm> form;
    std::vector<std::string> captions;
    std::vector<std::string> groups;
};

TEST_F(RipFormTest, WavModeRipsEachItemUnderItsCaptionAndCloses) {
    OpenDisc(FourTrackDisc());
    RunToEnd(rmRipTracks, List({"1", "3"}));
    EXPECT_EQ(captions, (std::vector<std::string>{"正在抓取(01/02): 音轨1", "正在抓取(02/02): 音轨3"}));
    EXPECT_EQ(ReadBytes(File("Track1.wav")).size(), 44u + 375 * 2352);
    EXPECT_EQ(ReadBytes(File("Track3.wav")).size(), 44u + 60 * 2352);
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(RipFormTest, Mp3ModeEncodesBetweenRipsAndRemovesTheWavs) {
    OpenDisc(FourTrackDisc());
    Options.OutputFormat = 0;
    RunToEnd(rmRipTracks, List({"1", "2"}));
    EXPECT_EQ(captions, (std::vector<std::string>{"正在抓取(01/02): 音轨1", "正在编码(01/02): 音轨1",
                                                  "正在抓取(02/02): 音轨2", "正在编码(02/02): 音轨2"}));
    EXPECT_GT(std::filesystem::file_size(File("Track1.mp3")), 1000u);
    EXPECT_GT(std::filesystem::file_size(File("Track2.mp3")), 1000u);
    EXPECT_FALSE(Exists("Track1.wav"));
    EXPECT_FALSE(Exists("Track2.wav"));
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(RipFormTest, KeepWavKeepsThem) {
    OpenDisc(FourTrackDisc());
    Options.OutputFormat = 0;
    Options.IsKeepWav = true;
    RunToEnd(rmRipTracks, List({"1"}));
    EXPECT_TRUE(Exists("Track1.mp3"));
    EXPECT_TRUE(Exists("Track1.wav"));
}

TEST_F(RipFormTest, StoppingAfterTheFirstOfThreeTracksKeepsTheWavs) {
    OpenDisc(FourTrackDisc());
    Options.OutputFormat = 0;
    RunToEnd(rmRipTracks, List({"1", "2", "3"}), [&] {
        if (form->Caption() == "正在抓取(02/03): 音轨2") form->btStop->Click();
    });
    EXPECT_TRUE(Exists("Track1.mp3"));
    EXPECT_TRUE(Exists("Track1.wav"));
    EXPECT_FALSE(Exists("Track3.wav"));
}

TEST_F(RipFormTest, StoppingTheEncodeRemovesTheMp3ItBeganButNoOlderOneItHadNotTouched) {
    OpenDisc(FourTrackDisc());
    Options.OutputFormat = 0;
    const std::string progress = "printf '   370/1000   (37%%)|    0:01/    0:03|\\r' >&2\nexec sleep 30";
    auto stopOnItsProgress = [&] {
        if (form->Caption() == "正在编码(01/01): 音轨3" && form->Label3->Caption() == "37%") form->btStop->Click();
    };
    // Writes the start of its MP3, shows progress, and would go on far longer than the test.
    FakeEncoder("for a; do out=$a; done\nprintf 'ID3 cut short' > \"$out\"\n" + progress);
    RunToEnd(rmRipTracks, List({"3"}), stopOnItsProgress);
    EXPECT_FALSE(Exists("Track3.mp3"));
    EXPECT_EQ(ReadBytes(File("Track3.wav")).size(), 44u + 60 * 2352) << "the finished rip stays";

    // A rip replaces an older MP3 without asking; stopped before its encoder opened it, the older one stays.
    std::ofstream(File("Track3.mp3")) << "older";
    FakeEncoder(progress);
    RunToEnd(rmRipTracks, List({"3"}), stopOnItsProgress);
    const std::vector<std::uint8_t> older = ReadBytes(File("Track3.mp3"));
    EXPECT_EQ(std::string(older.begin(), older.end()), "older");
}

TEST_F(RipFormTest, AReadFailureShowsOneBoxAndTheChainGoesOn) {
    OpenDisc(FourTrackDisc());
    Options.OutputFormat = 0;
    boxes.Allow(ReadFailedBox);
    cdrom_test::CdFaults faults;
    // Track 1 takes 38 reads of up to 10 sectors; the 40th is the second read of track 2.
    faults.failReadNumber(40);
    RunToEnd(rmRipTracks, List({"1", "2", "3"}));
    EXPECT_EQ(boxes.Shown(), (std::vector<std::string>{ReadFailedBox + "|音频抓轨"}));
    EXPECT_TRUE(Exists("Track1.mp3"));
    EXPECT_FALSE(Exists("Track2.mp3"));
    EXPECT_TRUE(Exists("Track3.mp3"));
    // The encoded tracks' WAVs go; the failed track never had one.
    EXPECT_FALSE(Exists("Track1.wav"));
    EXPECT_FALSE(Exists("Track2.wav"));
    EXPECT_FALSE(Exists("Track3.wav"));
}

TEST_F(RipFormTest, AFailedEncodeKeepsItsWav) {
    OpenDisc(FourTrackDisc());
    Options.OutputFormat = 0;
    FakeEncoder("exit 1");
    const std::string box = EncodeFailedBox + "\r\nlame.exe以退出码1结束，未完成的文件已删除。";
    boxes.Allow(box);
    RunToEnd(rmRipTracks, List({"3"}));
    EXPECT_EQ(boxes.Count(box), 1);
    EXPECT_TRUE(Exists("Track3.wav"));
}

TEST_F(RipFormTest, AnEncodeThatFailsAfterItsProgressIsReportedAndLeavesNoCutMp3) {
    OpenDisc(FourTrackDisc());
    Options.OutputFormat = 0;
    // As the encoder does on a full disk: progress, a cut-short MP3, then a failing exit status.
    FakeEncoder(
        "printf '    50/1000   ( 5%%)|    0:01/    0:20|\\r' >&2\nfor a; do out=$a; done\n"
        "printf 'ID3' > \"$out\"\nexit 1");
    const std::string box = "产生MP3文件出错！\r\nlame.exe以退出码1结束，未完成的文件已删除。";
    boxes.Allow(box);
    RunToEnd(rmRipTracks, List({"3", "4"}));
    EXPECT_EQ(boxes.Shown(), (std::vector<std::string>{box + "|错误", box + "|错误"}));
    EXPECT_TRUE(Exists("Track3.wav"));
    EXPECT_TRUE(Exists("Track4.wav"));
    EXPECT_FALSE(Exists("Track3.mp3"));
    EXPECT_FALSE(Exists("Track4.mp3"));
}

TEST_F(RipFormTest, AnEncoderKilledAfterItsProgressLeavesTheOlderMp3TheUserAgreedToReplace) {
    WriteToneWav(File("a.wav"), 1);
    Options.OutputFolder = Slashed() + "out/";
    std::filesystem::create_directories(folder / "out");
    std::ofstream(File("out/a.mp3")) << "old";
    const std::string question = "文件" + File("out/a.mp3") + "已经存在，要覆盖它吗？";
    boxes.Allow(question, win::IDYES);
    FakeEncoder(
        "printf '    50/1000   ( 5%%)|    0:01/    0:20|\\r' >&2\nfor a; do out=$a; done\n"
        "printf 'ID3 cut' > \"$out\"\nkill -9 $$");
    const std::string box = "产生MP3文件出错！\r\nlame.exe异常终止，未完成的文件已删除。";
    boxes.Allow(box);
    RunToEnd(rmWavToMp3, List({File("a.wav")}));
    EXPECT_EQ(boxes.Shown(), (std::vector<std::string>{question + "|提示", box + "|错误"}));
    EXPECT_EQ(ReadBytes(File("out/a.mp3")).size(), 3u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder / "out"), {}), 1) << "a temporary stayed";
}

TEST_F(RipFormTest, AnMp3OntoAFullDiskIsReportedAndLeavesNothingThere) {
    testsupport::SmallFileSystem disk(64 * 1024);
    if (!disk.mounted()) GTEST_SKIP() << disk.skipReason();
    // Ten seconds make an MP3 of about 160 KB at 128 kbit/s: it cannot fit.
    WriteToneWav(File("long.wav"), 10);
    Options.OutputFolder = disk.path().string();
    boxes.AllowStartingWith("产生MP3文件出错！\r\n");
    RunToEnd(rmWavToMp3, List({File("long.wav")}));
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].rfind("产生MP3文件出错！\r\n", 0), 0u) << boxes.Shown()[0];
    EXPECT_TRUE(std::filesystem::is_empty(disk.path())) << "a cut MP3 stayed";
}

TEST_F(RipFormTest, ADriveThatWillNotSetUpShowsOneMessageAndTheWindowCloses) {
    OpenDisc(FourTrackDisc());
    const std::string box = "抓取CD音轨失败！请重新尝试！";
    boxes.Allow(box);
    cdrom_test::CdFaults faults;
    faults.fail(platform::cdrom::CdOperation::ModifyParms);
    RunToEnd(rmRipTracks, List({"1", "2"}));
    EXPECT_EQ(boxes.Count(box), 1);
    EXPECT_EQ(boxes.Shown().size(), 1u);
    EXPECT_FALSE(Exists("Track1.wav"));
}

TEST_F(RipFormTest, AnUnreadableTableOfContentsShowsOneMessageAndTheWindowCloses) {
    OpenDisc(FourTrackDisc());
    const std::string box = "读取CD信息出错！";
    boxes.Allow(box);
    cdrom_test::CdFaults faults;
    faults.fail(platform::cdrom::CdOperation::ReadToc);
    RunToEnd(rmRipTracks, List({"1"}));
    EXPECT_EQ(boxes.Shown(), (std::vector<std::string>{box + "|" + framework::Application->Title()}));
}

TEST_F(RipFormTest, AFullDiskKeepsTheOlderTrackLeavesNoOtherAndSaysTheDiskIsFull) {
    const testsupport::SmallFileSystem disk(4 * 1024 * 1024);
    if (!disk.mounted()) GTEST_SKIP() << disk.skipReason();
    OpenDisc(FourTrackDisc());
    Options.OutputFolder = disk.path().string();
    const std::vector<std::uint8_t> older(5000, 0x5A);
    testsupport::writeFileBytes(disk.file("Track1.wav"), older);
    // Room for a little of a track, not for a whole one.
    disk.fill(64 * 1024);
    const std::string full1 = "磁盘已满，音轨1的WAV文件无法写入，抓轨失败！\r\nNo space left on device";
    const std::string full2 = "磁盘已满，音轨2的WAV文件无法写入，抓轨失败！\r\nNo space left on device";
    boxes.Allow(full1);
    boxes.Allow(full2);
    RunToEnd(rmRipTracks, List({"1", "2"}));
    EXPECT_EQ(boxes.Shown(), (std::vector<std::string>{full1 + "|音频抓轨", full2 + "|音频抓轨"}));
    EXPECT_EQ(ReadBytes(disk.file("Track1.wav")), older);
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(disk.path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Track1.wav", "filler"}));
}

TEST_F(RipFormTest, AFolderThatCannotBeWrittenSaysSoWithTheReason) {
    OpenDisc(FourTrackDisc());
    Options.OutputFolder = File("missing");
    const std::string box = "输出文件夹无法写入，音轨3的WAV文件无法写入，抓轨失败！\r\nNo such file or directory";
    boxes.Allow(box);
    RunToEnd(rmRipTracks, List({"3"}));
    EXPECT_EQ(boxes.Shown(), (std::vector<std::string>{box + "|音频抓轨"}));
}

TEST_F(RipFormTest, TheGainPassHasItsOwnCaption) {
    OpenDisc(FourTrackDisc());
    Options.IsNormalize = true;
    Options.NormalizePercent = 50;
    RunToEnd(rmRipTracks, List({"4"}));
    EXPECT_EQ(captions, (std::vector<std::string>{"正在抓取(01/01): 音轨4", "正在规格化(01/01): 音轨4"}));
    EXPECT_EQ(ReadBytes(File("Track4.wav")).size(), 44u + 100 * 2352);
    EXPECT_FALSE(Exists("Track4.nor"));
}

TEST_F(RipFormTest, AFailedGainPassSaysWhyAndTheWholeTrackIsStillEncoded) {
    OpenDisc(FourTrackDisc());
    Options.OutputFormat = 0;
    Options.IsKeepWav = true;
    Options.IsNormalize = true;
    Options.NormalizePercent = 50;
    // Room for the track and its MP3, not for the track's scaled copy beside it.
    const testsupport::SmallFileSystem disk(2 * 1024 * 1024);
    if (!disk.mounted()) GTEST_SKIP() << disk.skipReason();
    Options.OutputFolder = disk.path().string();
    ASSERT_GE(disk.fill(360 * 1024), 300u * 1024);
    const std::string box = "规格化音轨4失败：No space left on device\r\n保留未规格化的WAV文件。";
    boxes.Allow(box);
    RunToEnd(rmRipTracks, List({"4"}));
    EXPECT_EQ(boxes.Shown(), (std::vector<std::string>{box + "|音频抓轨"}));
    EXPECT_EQ(captions.back(), "正在编码(01/01): 音轨4");
    EXPECT_GT(std::filesystem::file_size(disk.file("Track4.mp3")), 1000u);
    const cdrom_test::CueImage image = MakeImage("unscaled", FourTrackDisc());
    const std::vector<std::uint8_t> audio = image.sectors(image.trackStart(4), 100);
    const std::vector<std::uint8_t> wav = ReadBytes(disk.file("Track4.wav"));
    ASSERT_EQ(wav.size(), 44 + audio.size());
    EXPECT_TRUE(std::equal(audio.begin(), audio.end(), wav.begin() + 44)) << "the ripped sound, not scaled";
}

TEST_F(RipFormTest, WavToMp3AndBackWithTheRealEncoder) {
    std::filesystem::create_directories(folder / "in");
    WriteToneWav(File("in/a.wav"), 2);
    WriteToneWav(File("in/b.wav"), 1);
    RunToEnd(rmWavToMp3, List({File("in/a.wav"), File("in/b.wav")}));
    EXPECT_EQ(captions.front(), "正在编码(01/02): " + File("in/a.wav"));
    EXPECT_EQ(captions.back(), "正在编码(02/02): " + File("in/b.wav"));
    EXPECT_EQ(groups, (std::vector<std::string>{"正在编码 WAV 为 MP3", "正在编码"}));
    ASSERT_TRUE(Exists("a.mp3"));
    ASSERT_TRUE(Exists("b.mp3"));

    std::filesystem::create_directories(folder / "back");
    std::filesystem::rename(File("a.mp3"), File("back/a.mp3"));
    captions.clear();
    groups.clear();
    RunToEnd(rmMp3ToWav, List({File("back/a.mp3")}));
    EXPECT_EQ(captions.front(), "正在解码(01/01): " + File("back/a.mp3"));
    EXPECT_EQ(groups.front(), "正在解码 MP3 为 WAV");
    const std::vector<std::uint8_t> wav = ReadBytes(File("a.wav"));
    ASSERT_GT(wav.size(), 44u + 176400);
    EXPECT_EQ(std::string(wav.begin(), wav.begin() + 4), "RIFF");
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(RipFormTest, ARecordingBecomesAnMp3BesideIt) {
    std::filesystem::create_directories(folder / "rec");
    WriteToneWav(File("rec/take.wav"), 1);
    RunToEnd(rmRecordingToMp3, List({File("rec/take.wav")}));
    EXPECT_EQ(captions.front(), "正在编码(01/01): " + File("rec/take.wav"));
    EXPECT_TRUE(Exists("rec/take.mp3"));
}

TEST_F(RipFormTest, DecliningAnOverwriteShowsNothingAndTheChainGoesOn) {
    WriteToneWav(File("a.wav"), 1);
    WriteToneWav(File("b.wav"), 1);
    Options.OutputFolder = Slashed() + "out/";
    std::filesystem::create_directories(folder / "out");
    std::ofstream(File("out/a.mp3")) << "old";
    const std::string question = "文件" + File("out/a.mp3") + "已经存在，要覆盖它吗？";
    boxes.Allow(question, win::IDNO);
    RunToEnd(rmWavToMp3, List({File("a.wav"), File("b.wav")}));
    EXPECT_EQ(boxes.Shown(), (std::vector<std::string>{question + "|提示"}));
    EXPECT_EQ(ReadBytes(File("out/a.mp3")).size(), 3u);
    EXPECT_TRUE(Exists("out/b.mp3"));
}

TEST_F(RipFormTest, AStoppedDecodeLeavesTheOlderWavAsItWas) {
    std::filesystem::create_directories(folder / "in");
    std::ofstream(File("in/a.mp3")) << "an mp3";
    WriteToneWav(File("a.wav"), 1);
    const auto olderWav = ReadBytes(File("a.wav"));
    const std::string question = "文件" + File("a.wav") + "已经存在，要覆盖它吗？";
    boxes.Allow(question, win::IDYES);
    // Replaces the older WAV with the start of a new one, shows a frame, and would go on far longer.
    FakeEncoder(
        "for a; do out=$a; done\nprintf 'RIFF cut short' > \"$out\"\n"
        "printf 'Frame#    37/100    128 kbps\\r' >&2\nexec sleep 30");
    RunToEnd(rmMp3ToWav, List({File("in/a.mp3")}), [&] {
        if (form->Label3->Caption() == "37%") form->btStop->Click();
    });
    EXPECT_EQ(boxes.Shown(), (std::vector<std::string>{question + "|提示"}));
    EXPECT_EQ(ReadBytes(File("a.wav")), olderWav) << "the cut-short WAV replaced the older one";
    EXPECT_TRUE(Exists("in/a.mp3"));
}

TEST_F(RipFormTest, DrawsItselfToAPictureWhileRipping) {
    OpenDisc(FourTrackDisc());
    std::string error = "no picture taken";
    RunToEnd(rmRipTracks, List({"2"}), [&] {
        if (error == "no picture taken" && form->ProgressBar1->Position() > 0)
            error = testdriver::DumpScreenPng(std::string(TRACKMILL_BIN_DIR) + "/../windows-rip.png");
    });
    EXPECT_EQ(error, "");
}

TEST_F(RipFormTest, StartsAtZeroPercentWithEmptyTimes) {
    std::filesystem::create_directories(folder / "in");
    WriteToneWav(File("in/a.wav"), 1);
    form = std::make_unique<TRipForm>(nullptr, rmWavToMp3, 0, List({File("in/a.wav")}));
    EXPECT_EQ(form->Label3->Caption(), "0%");
    EXPECT_EQ(form->Label1->Caption(), "");
    EXPECT_EQ(form->Label2->Caption(), "");
    form->StopAll();
}

}  // namespace
