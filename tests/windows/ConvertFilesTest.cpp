// The main window's two conversions end to end: files chosen through the scripted open dialog, the rip window
// running the real MP3 encoder on them, and what a cancelled dialog or a failed encode leaves behind.
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <thread>

#include "WindowsFixture.h"
#include "platform/framework/Synchronize.h"
#include "platform/framework/controls/GroupBox.h"
#include "platform/framework/controls/Label.h"
#include "platform/framework/controls/ProgressBar.h"
#include "platform/framework/forms/Application.h"
#include "platform/framework/forms/OpenDialog.h"
#include "platform/framework/menus/Action.h"
#include "platform/framework/menus/MenuItem.h"
#include "platform/testing/MessagePump.h"
#include "platform/testing/Screen.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Messages.h"
#include "trackmill/app/jobs/Mp3EncodeProcess.h"
#include "trackmill/app/windows/MainForm.h"
#include "trackmill/app/windows/RipForm.h"

namespace {

const std::string WavFilter = "声音(*.wav)|*.wav| 所 有 文 件(*.*)|*.*";
const std::string Mp3Filter = "MP3文件(*.mp3)|*.mp3| 所 有 文 件(*.*)|*.*";
const std::string EncodeFailedBox = "产生MP3文件出错！\r\n请检查MP3编码参数或重新运行程序！";

// What the test sees of the rip window while it runs modally. It looks in each time the loop takes a message: a
// timer would be starved while the encoder's progress floods the queue.
struct RipWatch {
    std::vector<std::string> captions;
    std::vector<std::string> groups;
    int highestPercent = 0;
    std::string percentText;
    std::string picture;  // where to draw the screen once progress shows; emptied when drawn
    std::string pictureError = "no picture taken";
};
RipWatch* watch = nullptr;
const std::thread::id uiThread = std::this_thread::get_id();

TRipForm* RunningRipForm() {
    if (!MainForm) return nullptr;
    for (int i = 0; i < MainForm->ComponentCount(); ++i)
        if (auto* rip = dynamic_cast<TRipForm*>(MainForm->Components(i))) return rip;
    return nullptr;
}

void LookAtRipForm() {
    TRipForm* rip = RunningRipForm();
    if (!watch || !rip || !rip->Visible()) return;
    if (watch->captions.empty() || watch->captions.back() != rip->Caption()) watch->captions.push_back(rip->Caption());
    const std::string group = rip->GroupBox1->Caption();
    if (watch->groups.empty() || watch->groups.back() != group) watch->groups.push_back(group);
    const int percent = rip->ProgressBar1->Position();
    if (percent > watch->highestPercent) {
        watch->highestPercent = percent;
        watch->percentText = rip->Label3->Caption();
    }
    if (!watch->picture.empty() && percent > 0) {
        // Paints still queued would leave the picture a step behind the window.
        rip->Repaint();
        watch->pictureError = testdriver::DumpScreenPng(watch->picture);
        watch->picture.clear();
    }
}

class ConvertFilesTest : public WindowsTest {
  protected:
    void SetUp() override {
        WindowsTest::SetUp();
        std::filesystem::create_directories(folder / "in");
        std::filesystem::create_directories(folder / "out");
        std::ofstream(File("options.ini")) << "[CommonOptions]\nOutputFolder=" << File("out") << "\n";
        previousResponder = framework::SetFileDialogResponder([this](const framework::TOpenDialog& dialog) {
            asked.push_back(
                Asked{dialog.Filter(), dialog.FileName(), dialog.Options(), dialog.Title(), dialog.InitialDir()});
            return answer;
        });
        form = StartMainForm();
        watch = &seen;
        // The application's own hook runs first: it hands calls from workers to this thread.
        user::SetPendingCallsHook([] {
            if (framework::CheckSynchronize() && framework::Application)
                win::PostMessage(framework::Application->Handle(), win::WM_NULL, 0, 0);
            if (std::this_thread::get_id() == uiThread) LookAtRipForm();
        });
    }
    void TearDown() override {
        watch = nullptr;
        framework::SetFileDialogResponder(previousResponder);
        WindowsTest::TearDown();
    }

    bool Exists(const std::string& name) const { return std::filesystem::exists(File(name)); }

    struct Asked {
        std::string filter;
        std::string fileName;
        framework::TOpenOptions options;
        std::string title;
        std::string initialDir;
    };
    std::vector<Asked> asked;
    std::optional<std::vector<std::string>> answer;
    TMainForm* form = nullptr;
    RipWatch seen;

  private:
    framework::TFileDialogResponder previousResponder;
};

std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}
std::uint16_t U16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

// An MP3 frame header: eleven set sync bits.
bool StartsWithFrameOrTag(const std::vector<std::uint8_t>& b) {
    if (b.size() < 4) return false;
    if (b[0] == 'I' && b[1] == 'D' && b[2] == '3') return true;
    return b[0] == 0xFF && (b[1] & 0xE0) == 0xE0;
}

TEST_F(ConvertFilesTest, TheActionEncodesTheChosenWavFilesUnderTheRipWindowsCaptions) {
    WriteToneWav(File("in/a.wav"), 2);
    WriteToneWav(File("in/b.wav"), 1);
    answer = std::vector<std::string>{File("in/a.wav"), File("in/b.wav")};
    seen.picture = std::string(TRACKMILL_BIN_DIR) + "/../windows-convert.png";

    form->ActionWavToMp3->Execute();
    testdriver::PumpUntilIdle();

    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].filter, WavFilter);
    EXPECT_EQ(asked[0].fileName, "");
    EXPECT_NE(asked[0].options & framework::ofAllowMultiSelect, 0u);
    EXPECT_NE(asked[0].options & framework::ofHideReadOnly, 0u);
    EXPECT_EQ(asked[0].title, "");
    EXPECT_EQ(asked[0].initialDir, "");
    EXPECT_EQ(seen.captions, (std::vector<std::string>{"正在编码(01/02): " + File("in/a.wav"),
                                                       "正在编码(02/02): " + File("in/b.wav")}));
    EXPECT_EQ(seen.groups, (std::vector<std::string>{"正在编码 WAV 为 MP3", "正在编码"}));
    EXPECT_GT(seen.highestPercent, 0);
    EXPECT_LE(seen.highestPercent, 100);
    EXPECT_EQ(seen.percentText, std::to_string(seen.highestPercent) + "%");
    EXPECT_EQ(seen.pictureError, "");
    EXPECT_TRUE(StartsWithFrameOrTag(ReadBytes(File("out/a.mp3"))));
    EXPECT_TRUE(StartsWithFrameOrTag(ReadBytes(File("out/b.mp3"))));
    // Converting never removes what the user chose.
    EXPECT_TRUE(Exists("in/a.wav"));
    EXPECT_TRUE(Exists("in/b.wav"));
    EXPECT_EQ(RunningRipForm(), nullptr) << "the rip window outlived its run";
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(ConvertFilesTest, TheMenuDecodesAChosenMp3ToAWavWithAValidHeader) {
    WriteToneWav(File("in/tone.wav"), 3);
    const std::string lame = "lame --quiet -b 128 '" + File("in/tone.wav") + "' '" + File("in/tone.mp3") + "'";
    ASSERT_EQ(std::system(lame.c_str()), 0);
    answer = std::vector<std::string>{File("in/tone.mp3")};
    form->mnuMp3ToWav->Click();
    testdriver::PumpUntilIdle();

    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].filter, Mp3Filter);
    EXPECT_EQ(seen.captions, (std::vector<std::string>{"正在解码(01/01): " + File("in/tone.mp3")}));
    EXPECT_EQ(seen.groups, (std::vector<std::string>{"正在解码 MP3 为 WAV"}));
    const std::vector<std::uint8_t> wav = ReadBytes(File("out/tone.wav"));
    ASSERT_GT(wav.size(), 44u);
    EXPECT_EQ(std::string(wav.begin(), wav.begin() + 4), "RIFF");
    EXPECT_EQ(U32(wav, 4), wav.size() - 8);
    EXPECT_EQ(std::string(wav.begin() + 8, wav.begin() + 16), "WAVEfmt ");
    EXPECT_EQ(U16(wav, 20), 1);  // PCM
    EXPECT_EQ(U16(wav, 22), 2);
    EXPECT_EQ(U32(wav, 24), 44100u);
    EXPECT_EQ(U16(wav, 34), 16);
    EXPECT_EQ(std::string(wav.begin() + 36, wav.begin() + 40), "data");
    EXPECT_EQ(U32(wav, 40), wav.size() - 44);
    // Three seconds in; the decoder adds at most a few frames of padding.
    EXPECT_GE(U32(wav, 40), 3 * 176400u);
    EXPECT_LT(U32(wav, 40), 3 * 176400u + 4 * 1152 * 4);
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(ConvertFilesTest, ACancelledOrEmptyChoiceRunsNothing) {
    WriteToneWav(File("in/a.wav"), 1);
    answer = std::nullopt;
    form->ActionWavToMp3->Execute();
    form->mnuMp3ToWav->Click();
    answer = std::vector<std::string>{};
    form->ActionWavToMp3->Execute();
    testdriver::PumpUntilIdle();
    EXPECT_EQ(asked.size(), 3u);
    EXPECT_TRUE(seen.captions.empty()) << "a rip window ran";
    EXPECT_TRUE(std::filesystem::is_empty(folder / "out"));
    EXPECT_FALSE(Mp3Process->FRunning);
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(ConvertFilesTest, AFailedEncodeShowsOneBoxKeepsItsWavAndTheNextFileIsStillEncoded) {
    WriteToneWav(File("in/bad.wav"), 1);
    WriteToneWav(File("in/good.wav"), 1);
    FakeEncoder("case \"$*\" in *bad.wav*) exit 1;; esac\nexec lame \"$@\"");
    const std::string box = EncodeFailedBox + "\r\nlame.exe以退出码1结束，未完成的文件已删除。";
    boxes.Allow(box);
    answer = std::vector<std::string>{File("in/bad.wav"), File("in/good.wav")};
    form->ActionWavToMp3->Execute();
    testdriver::PumpUntilIdle();
    EXPECT_EQ(boxes.Shown(), (std::vector<std::string>{box + "|错误"}));
    EXPECT_TRUE(Exists("in/bad.wav"));
    EXPECT_TRUE(Exists("in/good.wav"));
    EXPECT_TRUE(StartsWithFrameOrTag(ReadBytes(File("out/good.mp3"))));
    EXPECT_EQ(seen.captions.back(), "正在编码(02/02): " + File("in/good.wav"));
}

}  // namespace
