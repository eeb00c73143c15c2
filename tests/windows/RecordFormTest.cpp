// The sound recorder end to end on the headless screen: new recordings, recording from a file-fed microphone,
// playing, the track bar, saving (also over an existing file and when the move fails), closing, undoing and the
// MP3 made on save with the real encoder. The media device's command log shows what the window asked of it.
#include <sys/resource.h>
#include <sys/stat.h>

#include <chrono>
#include <cmath>
#include <csignal>
#include <fstream>

#include "FileDialogScript.h"
#include "ModalScript.h"
#include "WindowsFixture.h"
#include "platform/framework/controls/Button.h"
#include "platform/framework/controls/ComboBox.h"
#include "platform/framework/controls/Image.h"
#include "platform/framework/controls/Label.h"
#include "platform/framework/controls/Panel.h"
#include "platform/framework/controls/RadioButton.h"
#include "platform/framework/controls/TrackBar.h"
#include "platform/framework/menus/Action.h"
#include "platform/framework/menus/MenuItem.h"
#include "platform/framework/menus/PopupMenu.h"
#include "platform/media/FileFedAudioBackend.h"
#include "platform/testing/InputInjection.h"
#include "platform/testing/MciCommandLog.h"
#include "platform/testing/MessagePump.h"
#include "platform/testing/Screen.h"
#include "platform/user/Menu.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Messages.h"
#include "tests/support/FileBytes.h"
#include "tests/support/LittleEndian.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/WavFixture.h"
#include "trackmill/app/options/OptionsSetting.h"
#include "trackmill/app/windows/MainForm.h"
#include "trackmill/app/windows/NewRecordFileForm.h"
#include "trackmill/app/windows/RecordForm.h"
#include "trackmill/app/windows/RipForm.h"
#include "trackmill/components/AfStartButton.h"

using namespace std::chrono_literals;
using framework::TMPBtnType;

namespace {

const std::string SaveQuestionUnnamed = "文件\"未命名\"已经更改，是否保存所做的更改？";
const std::string MoveFailedBox = "保存WAV声音文件失败，请检查文件是否正在被使用！";

std::string ExistsQuestion(const std::string& name) { return "文件" + name + "已经存在，要改写它吗？"; }

// A WAV file of 8-bit mono samples at 8000 Hz lasting the given milliseconds: a slow ramp, so any part tells
// where it came from.
std::vector<std::uint8_t> RampWav(int milliseconds) {
    std::vector<std::uint8_t> data(static_cast<std::size_t>(milliseconds) * 8);
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<std::uint8_t>(i / 8);
    return testsupport::wavFileBytes(1, 8000, 8, data);
}

std::uint32_t U32At(const std::vector<std::uint8_t>& bytes, std::size_t at) { return testsupport::le32At(bytes, at); }
std::uint16_t U16At(const std::vector<std::uint8_t>& bytes, std::size_t at) { return testsupport::le16At(bytes, at); }

// Once a popup menu is open, notes where its first and last items lie and chooses the first item with the keyboard.
// The note is taken from a message posted when the menu opens, which the menu's loop delivers while the menu is on
// screen.
struct FirstItemChooser {
    static constexpr win::UINT kLook = win::WM_USER + 0x7F0;
    explicit FirstItemChooser(framework::TPopupMenu* watched) : menu(watched) {
        menu->OnPopup = framework::TNotifyEvent::Bind<&FirstItemChooser::Opened>(this);
        framework::Application->HookMainWindow(framework::TWindowHook::Bind<&FirstItemChooser::Look>(this));
    }
    ~FirstItemChooser() {
        framework::Application->UnhookMainWindow(framework::TWindowHook::Bind<&FirstItemChooser::Look>(this));
    }
    void Opened(framework::TObject*) { win::PostMessage(framework::Application->Handle(), kLook, 0, 0); }
    bool Look(framework::TMessage& message) {
        if (message.Msg != kLook) return false;
        win::GetMenuItemRect(nullptr, menu->Handle(), 0, &first);
        win::GetMenuItemRect(nullptr, menu->Handle(), static_cast<win::UINT>(win::GetMenuItemCount(menu->Handle()) - 1),
                             &last);
        testdriver::PressKey(win::VK_DOWN);
        testdriver::PressKey(win::VK_RETURN);
        return true;
    }
    framework::TPopupMenu* menu;
    win::RECT first{};
    win::RECT last{};
};

class RecordFormTest : public WindowsTest {
  protected:
    void SetUp() override {
        WindowsTest::SetUp();
        audio = std::make_shared<platform::media::FileFedAudioBackend>();
        platform::media::WaveContents voice;
        voice.format = {1, 8000, 16};
        voice.samples = testsupport::sampleBytes(std::vector<std::int16_t>(8000 * 10, 1000));
        audio->setCaptureSource(voice);
        platform::media::SetAudioBackend(audio);
        StartMainForm();
    }
    void TearDown() override {
        recorder.reset();
        platform::media::SetAudioBackend(nullptr);
        WindowsTest::TearDown();
    }

    TfrmRecord* Open() {
        recorder = std::make_unique<TfrmRecord>(MainForm);
        recorder->Show();
        testdriver::PumpUntilIdle();
        return recorder.get();
    }
    // Clicks a button of the player as a user would.
    void Press(TMPBtnType button) {
        static const TMPBtnType order[] = {framework::btPlay, framework::btStop, framework::btNext,  framework::btPrev,
                                           framework::btStep, framework::btBack, framework::btRecord};
        framework::TMediaPlayer* player = recorder->MediaPlayer1;
        const int width = player->ClientWidth() / 7;
        const int slot = static_cast<int>(std::find(std::begin(order), std::end(order), button) - std::begin(order));
        testdriver::Click(player->ClientToScreen(win::POINT{slot * width + width / 2, player->ClientHeight() / 2}));
        testdriver::PumpUntilIdle();
    }
    // Runs an action as its menu item would: after the idle pass that enables it.
    void Run(framework::TAction* action) {
        app->Idle();
        ASSERT_TRUE(action->Enabled()) << action->Name();
        action->Execute();
        testdriver::PumpUntilIdle();
    }
    framework::TMPBtnTypes Buttons() const { return recorder->MediaPlayer1->EnabledButtons(); }
    // A new recording through the dialog with the rate item and the two choices given.
    void NewRecording(int rateItem, bool eightBit, bool mono) {
        modals.Next<TfrmNewRecordFile>([=](TfrmNewRecordFile& dialog) {
            dialog.cbBitSamples->SetItemIndex(rateItem);
            if (eightBit) dialog.rbBitNumber->SetChecked(true);
            if (mono) dialog.rbChannelNumber->SetChecked(true);
            dialog.btOk->Click();
        });
        recorder->miNew->Click();
        testdriver::PumpUntilIdle();
    }
    void OpenFile(const std::string& path) {
        files.Choose(path);
        recorder->miOpen->Click();
        testdriver::PumpUntilIdle();
    }
    // Records from the file-fed microphone until the recording clock has run for the given time, then stops.
    void RecordFor(std::chrono::milliseconds duration) {
        Press(framework::btRecord);
        const auto start = std::chrono::steady_clock::now();
        testdriver::PumpUntil([&] { return std::chrono::steady_clock::now() - start >= duration; }, 10s);
        Press(framework::btStop);
    }
    // A ramp WAV (RampWav) of that length in the folder "in"; its full path.
    std::string InputWav(const std::string& name, int milliseconds) {
        std::filesystem::create_directories(folder / "in");
        testsupport::writeFileBytes(folder / "in" / name, RampWav(milliseconds));
        return File("in/" + name);
    }
    // Where the recorder keeps its files: beside the program, as options.ini.
    std::string Program(const std::string& name) const { return File(name); }

    std::shared_ptr<platform::media::FileFedAudioBackend> audio;
    std::unique_ptr<TfrmRecord> recorder;
    ModalScript modals;
    FileDialogScript files;
    testdriver::MciCommandLog commands;
};

TEST_F(RecordFormTest, StartsEmptyWithNoButtonAndTheStoredMp3Choice) {
    Options.SaveMp3 = true;
    TfrmRecord* form = Open();
    EXPECT_EQ(form->Caption(), "录音");
    EXPECT_EQ(form->ClientWidth(), 261);
    EXPECT_EQ(form->ClientHeight(), 213);
    EXPECT_EQ(Buttons(), 0u);
    EXPECT_EQ(form->lbState->Caption(), "-----------");
    EXPECT_EQ(form->panRecordTime->Caption(), "00:00:00.0");
    EXPECT_TRUE(form->miSaveMp3->Checked());
    EXPECT_EQ(form->FTempFileName, Program("MyTemp.wav"));
    EXPECT_EQ(form->FNoNameFileName, Program("MyNoName.wav"));
    app->Idle();
    EXPECT_FALSE(form->actSave->Enabled());
    EXPECT_FALSE(form->actSaveAs->Enabled());
    EXPECT_FALSE(form->actUndo->Enabled());
}

TEST_F(RecordFormTest, ANewRecordingStartsAsAnEmptyWavOfTheChosenFormat) {
    Open();
    NewRecording(0, true, true);  // "  8000", 8 bits, mono
    std::vector<std::uint8_t> wav = ReadBytes(Program("MyNoName.wav"));
    ASSERT_EQ(wav.size(), 44u);
    EXPECT_EQ(U32At(wav, 4), 36u);
    EXPECT_EQ(U16At(wav, 22), 1u);
    EXPECT_EQ(U32At(wav, 24), 8000u);
    EXPECT_EQ(U32At(wav, 28), 8000u) << "byte rate";
    EXPECT_EQ(U16At(wav, 32), 1u) << "block align";
    EXPECT_EQ(U16At(wav, 34), 8u);
    EXPECT_EQ(U32At(wav, 40), 0u);
    EXPECT_EQ(recorder->Caption(), "录音(未命名)");
    EXPECT_EQ(Buttons(), framework::MPButton(framework::btRecord));
    EXPECT_EQ(recorder->FFileName, Program("MyNoName.wav"));
    EXPECT_EQ(commands.LinesStartingWith("open"), std::vector<std::string>{"open " + Program("MyNoName.wav")});

    NewRecording(7, false, false);  // the dialog's own choices: 44100, 16 bits, stereo
    wav = ReadBytes(Program("MyNoName.wav"));
    ASSERT_EQ(wav.size(), 44u);
    EXPECT_EQ(U16At(wav, 22), 2u);
    EXPECT_EQ(U32At(wav, 24), 44100u);
    EXPECT_EQ(U32At(wav, 28), 176400u);
    EXPECT_EQ(U16At(wav, 32), 4u);
    EXPECT_EQ(U16At(wav, 34), 16u);
    EXPECT_EQ(commands.LinesStartingWith("close").size(), 1u) << "the first device was closed";
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(RecordFormTest, WithoutAWritableProgramFolderItsFilesLiveInTheUsersConfigFolder) {
    testsupport::ScratchFolder config;
    setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
    app->SetExeName("/no-such-program-folder/trackmill");
    Open();
    unsetenv("XDG_CONFIG_HOME");
    const std::string kept = config.file("trackmill/");
    EXPECT_EQ(recorder->FNoNameFileName, kept + "MyNoName.wav");
    EXPECT_EQ(recorder->FTempFileName, kept + "MyTemp.wav");
    NewRecording(0, true, true);
    EXPECT_EQ(ReadBytes(kept + "MyNoName.wav").size(), 44u);
    OpenFile(InputWav("one.wav", 1000));
    EXPECT_EQ(ReadBytes(kept + "MyTemp.wav"), RampWav(1000));
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(RecordFormTest, TheNewRecordingDialogRefusesARateNoSoundDeviceServes) {
    const auto refusal = [](const std::string& typed) {
        return "采样率“" + typed + "”无效：请输入4000到768000之间的整数（单位：赫兹）。";
    };
    boxes.Allow(refusal("10"));
    boxes.Allow(refusal("fast"));
    Open();
    std::vector<framework::TModalResult> afterRefusal;
    modals.Next<TfrmNewRecordFile>([&](TfrmNewRecordFile& dialog) {
        for (const char* typed : {"10", "fast"}) {
            dialog.cbBitSamples->SetText(typed);
            dialog.btOk->Click();
            afterRefusal.push_back(dialog.ModalResult());
        }
        dialog.cbBitSamples->SetText(" 4000");
        dialog.btOk->Click();
    });
    recorder->miNew->Click();
    testdriver::PumpUntilIdle();
    EXPECT_EQ(boxes.Shown(), (std::vector<std::string>{refusal("10") + "|错误", refusal("fast") + "|错误"}));
    EXPECT_EQ(afterRefusal, (std::vector<framework::TModalResult>{framework::mrNone, framework::mrNone}))
        << "the dialog stays open for another rate";
    const std::vector<std::uint8_t> wav = ReadBytes(Program("MyNoName.wav"));
    ASSERT_EQ(wav.size(), 44u);
    EXPECT_EQ(U32At(wav, 24), 4000u);
    EXPECT_EQ(Buttons(), framework::MPButton(framework::btRecord));

    // Cancelled, the dialog changes nothing.
    modals.Next<TfrmNewRecordFile>([](TfrmNewRecordFile& dialog) { dialog.btCancel->Click(); });
    recorder->SetCaption("录音");
    recorder->miNew->Click();
    EXPECT_EQ(recorder->Caption(), "录音");
}

TEST_F(RecordFormTest, ANewRecordingThatCannotBeSetUpSaysSoOnceAndLeavesNoRecordingOpen) {
    boxes.Allow("媒体设备初始化失败！");
    InputWav("two.wav", 2000);
    Open();
    OpenFile(File("in/two.wav"));
    // Played and sent to the end: the play timer runs on until it passes the length.
    Press(framework::btPlay);
    Press(framework::btNext);
    // The new recording's file cannot be written.
    std::filesystem::create_directories(Program("MyNoName.wav"));
    NewRecording(0, false, true);
    const auto start = std::chrono::steady_clock::now();
    testdriver::PumpUntil([&] { return std::chrono::steady_clock::now() - start >= 1200ms; }, 5s);
    EXPECT_EQ(boxes.Shown(), std::vector<std::string>{"媒体设备初始化失败！|错误"});
    EXPECT_EQ(Buttons(), 0u);
    EXPECT_FALSE(recorder->MediaPlayer1->IsOpen());
    EXPECT_EQ(recorder->FFileName, "");
    app->Idle();
    EXPECT_FALSE(recorder->actSave->Enabled());
    EXPECT_FALSE(recorder->actUndo->Enabled());
    EXPECT_EQ(recorder->Caption(), "录音(未命名)");
}

TEST_F(RecordFormTest, OpeningAFileAtARateNoSoundDeviceServesSaysSoAndAsksAgain) {
    std::filesystem::create_directories(folder / "in");
    testsupport::writeFileBytes(folder / "in" / "slow.wav", testsupport::wavFileBytes(1, 1, 8, {0x80, 0x80}));
    const std::string box =
        File("in/slow.wav") + "\r\n采样率为1赫兹，声卡无法播放和录制。\r\n采样率须在4000到768000赫兹之间。";
    boxes.Allow(box);
    Open();
    files.Choose(File("in/slow.wav"));
    files.Cancel();
    recorder->miOpen->Click();
    testdriver::PumpUntilIdle();
    EXPECT_EQ(boxes.Shown(), std::vector<std::string>{box + "|错误"});
    EXPECT_EQ(files.Shown().size(), 2u) << "the dialog opens again";
    EXPECT_EQ(recorder->FFileName, "");
    EXPECT_EQ(Buttons(), 0u);
    EXPECT_TRUE(commands.LinesStartingWith("open").empty());
}

TEST_F(RecordFormTest, RecordingStopsCloseToAWholeSecondAndSavesAfterTheCaptureStopped) {
    Open();
    NewRecording(0, false, true);  // 8000 Hz, 16 bits, mono, as the microphone gives it
    commands.Clear();
    Press(framework::btRecord);
    EXPECT_EQ(Buttons(), framework::MPButton(framework::btStop));
    EXPECT_EQ(recorder->lbState->Caption(), "正在进行录音...");
    const auto start = std::chrono::steady_clock::now();
    // The clock moves on with the capture; a loaded machine may show a second late.
    const auto clockShowsASecond = [&] {
        const std::string shown = recorder->panRecordTime->Caption();
        return shown.rfind("00:00:0", 0) == 0 && shown.rfind("00:00:00.", 0) != 0;
    };
    testdriver::PumpUntil([&] { return std::chrono::steady_clock::now() - start >= 1400ms && clockShowsASecond(); },
                          10s);
    EXPECT_TRUE(clockShowsASecond()) << recorder->panRecordTime->Caption();
    Press(framework::btStop);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    const std::vector<std::uint8_t> wav = ReadBytes(Program("MyNoName.wav"));
    ASSERT_GE(wav.size(), 44u);
    const double recorded = U32At(wav, 40) / 16000.0;
    // About 1.4 s when the stop came, and the stop waited for the whole second (a loaded machine may come later,
    // but the recording still ends near a whole second).
    EXPECT_GE(std::round(recorded), 2.0) << recorded;
    EXPECT_NEAR(recorded, std::round(recorded), 0.15) << "the stop waited for the whole second";
    EXPECT_GE(seconds, 1.95);
    EXPECT_EQ(wav.size(), 44u + U32At(wav, 40));
    EXPECT_EQ(recorder->lbState->Caption(), "录音完成!");
    EXPECT_EQ(recorder->TrackBar1->Position(), 400);
    EXPECT_EQ(Buttons(), framework::MPButton(framework::btPlay) | framework::MPButton(framework::btNext) |
                             framework::MPButton(framework::btPrev) | framework::MPButton(framework::btRecord));
    EXPECT_TRUE(recorder->FModified);
    // No start position for a new recording without a working copy; the capture stops before the save.
    const std::vector<std::string> lines = commands.Lines();
    const auto at = [&](const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) - lines.begin();
    };
    EXPECT_LT(at("record"), at("stop"));
    EXPECT_LT(at("stop"), at("save " + Program("MyNoName.wav")));
    EXPECT_LT(at("save " + Program("MyNoName.wav")), static_cast<std::ptrdiff_t>(lines.size()));
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(RecordFormTest, PlayStartsAtTheTrackBarsShareOfTheLengthAndTheBarFollows) {
    InputWav("sixty.wav", 60000);
    Open();
    OpenFile(File("in/sixty.wav"));
    EXPECT_EQ(recorder->lbLength->Caption(), "1分");
    EXPECT_EQ(Buttons(), framework::MPButton(framework::btPlay) | framework::MPButton(framework::btNext) |
                             framework::MPButton(framework::btRecord));
    recorder->TrackBar1->SetPosition(100);
    EXPECT_EQ(recorder->lbPosition->Caption(), "15秒");
    commands.Clear();
    Press(framework::btPlay);
    EXPECT_EQ(commands.LinesStartingWith("play"), std::vector<std::string>{"play from 15000"});
    EXPECT_EQ(recorder->lbState->Caption(), "正在播放...");
    EXPECT_EQ(Buttons(), framework::MPButton(framework::btPause) | framework::MPButton(framework::btStop) |
                             framework::MPButton(framework::btNext) | framework::MPButton(framework::btPrev));
    testdriver::PumpUntil([&] { return recorder->TrackBar1->Position() > 100; }, 5s);
    EXPECT_EQ(recorder->TrackBar1->Position(), 103) << "15,500 ms of 60,000 after the first tick";

    Press(framework::btStop);
    EXPECT_EQ(recorder->TrackBar1->Position(), 0);
    EXPECT_EQ(recorder->lbState->Caption(), "-----------");
    Press(framework::btNext);
    EXPECT_EQ(recorder->TrackBar1->Position(), 400);
    EXPECT_EQ(commands.LinesStartingWith("seek"), std::vector<std::string>{"seek to end"});
    commands.Clear();
    Press(framework::btPlay);
    EXPECT_EQ(commands.LinesStartingWith("play"), std::vector<std::string>{"play from 0"}) << "the end plays from 0";
    Press(framework::btStop);
}

TEST_F(RecordFormTest, PositionsInRecordingsLongerThan89MinutesDoNotOverflow) {
    // 100 minutes at 4000 samples a second: 6,000,000 ms, whose share at 399 of 400 passes 2^31 on the way.
    std::filesystem::create_directories(folder / "in");
    testsupport::writeFileBytes(folder / "in" / "long.wav",
                                testsupport::wavFileBytes(1, 4000, 8, std::vector<std::uint8_t>(24000000, 0x80)));
    Open();
    OpenFile(File("in/long.wav"));
    EXPECT_EQ(recorder->lbLength->Caption(), "1小时40分");
    recorder->TrackBar1->SetPosition(399);
    EXPECT_EQ(recorder->lbPosition->Caption(), "1小时39分45秒");
    commands.Clear();
    Press(framework::btPlay);
    EXPECT_EQ(commands.LinesStartingWith("play"), std::vector<std::string>{"play from 5985000"});
    Press(framework::btStop);
}

TEST_F(RecordFormTest, PlaybackReachingTheEndLeavesTheBarAtTheEnd) {
    InputWav("short.wav", 800);
    Open();
    OpenFile(File("in/short.wav"));
    Press(framework::btPlay);
    testdriver::PumpUntil([&] { return recorder->lbState->Caption() == "-----------"; }, 5s);
    EXPECT_EQ(recorder->TrackBar1->Position(), 400);
    EXPECT_EQ(Buttons(), framework::MPButton(framework::btPlay) | framework::MPButton(framework::btPrev) |
                             framework::MPButton(framework::btRecord));
    ASSERT_FALSE(audio->played().empty());
    EXPECT_EQ(audio->played().back().samples, testsupport::dataAfterHeader(RampWav(800)));
}

TEST_F(RecordFormTest, RecordingIntoAnOpenedFileInsertsAtTheTrackBarsShare) {
    InputWav("two.wav", 2000);
    Open();
    OpenFile(File("in/two.wav"));
    recorder->TrackBar1->SetPosition(200);
    commands.Clear();
    RecordFor(300ms);
    EXPECT_EQ(commands.LinesStartingWith("record"), std::vector<std::string>{"record from 1000"});
    const std::vector<std::uint8_t> working = testsupport::dataAfterHeader(ReadBytes(recorder->FTempFileName));
    const std::vector<std::uint8_t> original = testsupport::dataAfterHeader(RampWav(2000));
    ASSERT_GT(working.size(), original.size());
    EXPECT_TRUE(std::equal(original.begin(), original.begin() + 8000, working.begin())) << "the first second stays";
    EXPECT_TRUE(std::equal(original.begin() + 8000, original.end(), working.end() - 8000)) << "the rest moved on";
    EXPECT_EQ(ReadBytes(File("in/two.wav")), RampWav(2000)) << "the opened file waits for a save";
}

TEST_F(RecordFormTest, OpeningAMissingFileSaysSoAndAsksAgain) {
    const std::string missing = File("nowhere.wav");
    const std::string box = missing + "\r\n找不到文件！\r\n请检查文件名是否正确";
    boxes.Allow(box);
    Open();
    files.Choose(missing);
    files.Cancel();
    recorder->miOpen->Click();
    EXPECT_EQ(boxes.Shown(), std::vector<std::string>{box + "|错误"});
    ASSERT_EQ(files.Shown().size(), 2u);
    EXPECT_EQ(files.Shown()[0].title, "请选择打开一个声音文件");
    EXPECT_EQ(files.Shown()[0].folder, Slashed());
    EXPECT_EQ(recorder->FFileName, "");
}

TEST_F(RecordFormTest, SavingANewRecordingOverAnExistingFileReplacesIt) {
    std::ofstream(File("take.wav")) << "an older take";
    boxes.Allow(ExistsQuestion(File("take.wav")), win::IDYES);
    Open();
    NewRecording(0, false, true);
    RecordFor(300ms);
    const std::vector<std::uint8_t> recording = ReadBytes(Program("MyNoName.wav"));
    files.Choose(File("take.wav"));
    Run(recorder->actSave);
    EXPECT_EQ(boxes.Shown(), std::vector<std::string>{ExistsQuestion(File("take.wav")) + "|录音"});
    EXPECT_EQ(ReadBytes(File("take.wav")), recording);
    EXPECT_FALSE(std::filesystem::exists(Program("MyNoName.wav")));
    EXPECT_EQ(ReadBytes(recorder->FTempFileName), recording) << "the saved file is loaded";
    EXPECT_EQ(recorder->Caption(), "录音(" + File("take.wav") + ")");
    EXPECT_FALSE(recorder->FModified);
    EXPECT_TRUE(files.Shown()[0].save);
}

TEST_F(RecordFormTest, AMoveThatFailsKeepsTheUsersFileAndTheRecording) {
    // The recording is made on one file system and saved onto another, where the copy cannot grow beyond a
    // limit: the move fails half way.
    struct stat shm {};
    struct stat tmp {};
    if (::stat("/dev/shm", &shm) != 0 || ::stat(folder.c_str(), &tmp) != 0 || shm.st_dev == tmp.st_dev)
        GTEST_SKIP() << "needs /dev/shm on a file system of its own";
    testsupport::ScratchFolder program("trackmill-recorder", "/dev/shm");
    app->SetExeName(program.file("trackmill"));
    const std::string target = File("take.wav");
    std::ofstream(target) << "the user's own take";
    boxes.Allow(ExistsQuestion(target), win::IDYES);
    boxes.Allow(MoveFailedBox);
    Open();
    NewRecording(7, false, false);
    RecordFor(300ms);
    const std::vector<std::uint8_t> recording = ReadBytes(program.file("MyNoName.wav"));
    ASSERT_GT(recording.size(), 4096u);

    files.Choose(target);
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    const rlimit small{4096, old.rlim_max};
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &small);
    Run(recorder->actSave);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldSignal);

    EXPECT_EQ(boxes.Count(MoveFailedBox), 1);
    EXPECT_EQ(ReadBytes(target).size(), std::string("the user's own take").size());
    EXPECT_EQ(ReadBytes(program.file("MyNoName.wav")), recording);
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++entries;
    EXPECT_EQ(entries, 1u) << "no temporary copy is left beside the target";
    EXPECT_TRUE(recorder->FModified);
    EXPECT_EQ(recorder->FFileName, program.file("MyNoName.wav"));
    // The device still holds the recording: playing it works.
    commands.Clear();
    Press(framework::btPlay);
    EXPECT_EQ(commands.LinesStartingWith("play").size(), 1u);
    Press(framework::btStop);
    recorder.reset();
}

TEST_F(RecordFormTest, CancelOnClosingKeepsTheWindowAndTheWorkingCopy) {
    InputWav("one.wav", 1000);
    const std::string question = "文件\"" + File("in/one.wav") + "\"已经更改，是否保存所做的更改？";
    boxes.Allow(question, win::IDCANCEL);
    Open();
    OpenFile(File("in/one.wav"));
    RecordFor(200ms);
    const std::vector<std::uint8_t> working = ReadBytes(recorder->FTempFileName);
    recorder->Close();
    testdriver::PumpUntilIdle();
    EXPECT_EQ(boxes.Shown(), std::vector<std::string>{question + "|提示"});
    EXPECT_TRUE(recorder->Visible());
    EXPECT_EQ(ReadBytes(recorder->FTempFileName), working);
    EXPECT_EQ(ReadBytes(File("in/one.wav")), RampWav(1000));

    // No: nothing is saved, the window closes and the working copy goes.
    boxes.Allow(question, win::IDNO);
    recorder->Close();
    EXPECT_FALSE(recorder->Visible());
    EXPECT_FALSE(std::filesystem::exists(recorder->FTempFileName));
    EXPECT_EQ(ReadBytes(File("in/one.wav")), RampWav(1000));
}

TEST_F(RecordFormTest, ClosingAfterYesSavesTheOpenedFile) {
    InputWav("one.wav", 1000);
    boxes.Allow("文件\"" + File("in/one.wav") + "\"已经更改，是否保存所做的更改？", win::IDYES);
    Open();
    OpenFile(File("in/one.wav"));
    RecordFor(200ms);
    const std::vector<std::uint8_t> working = ReadBytes(recorder->FTempFileName);
    recorder->Close();
    EXPECT_FALSE(recorder->Visible());
    EXPECT_EQ(ReadBytes(File("in/one.wav")), working);
    EXPECT_FALSE(std::filesystem::exists(recorder->FTempFileName));
}

TEST_F(RecordFormTest, UndoPutsTheSavedFileBackIntoTheWorkingCopy) {
    InputWav("one.wav", 1000);
    boxes.Allow("是否放弃上次保存文件后所做的更改？", win::IDYES);
    Open();
    OpenFile(File("in/one.wav"));
    RecordFor(300ms);
    app->Idle();
    EXPECT_TRUE(recorder->actUndo->Enabled());
    ASSERT_NE(ReadBytes(recorder->FTempFileName), RampWav(1000));
    Run(recorder->actUndo);
    EXPECT_EQ(ReadBytes(recorder->FTempFileName), RampWav(1000));
    EXPECT_EQ(recorder->lbLength->Caption(), "1秒");
    EXPECT_EQ(Buttons(), framework::MPButton(framework::btPlay) | framework::MPButton(framework::btNext) |
                             framework::MPButton(framework::btRecord));
    app->Idle();
    EXPECT_TRUE(recorder->actUndo->Enabled()) << "the changes flag stays set";
    EXPECT_EQ(boxes.Count("是否放弃上次保存文件后所做的更改？"), 1);
}

TEST_F(RecordFormTest, AfterUndoThePositionIsNoLongerPastTheLength) {
    InputWav("one.wav", 1000);
    boxes.Allow("是否放弃上次保存文件后所做的更改？", win::IDYES);
    Open();
    OpenFile(File("in/one.wav"));
    RecordFor(500ms);
    ASSERT_EQ(recorder->TrackBar1->Position(), 400);
    ASSERT_NE(recorder->lbPosition->Caption(), "1秒");
    Run(recorder->actUndo);
    EXPECT_EQ(recorder->lbLength->Caption(), "1秒");
    EXPECT_EQ(recorder->lbPosition->Caption(), "1秒") << "the bar at its end shows the length";
}

TEST_F(RecordFormTest, SaveAsKeepsTheRecordingUnderTheNewName) {
    InputWav("one.wav", 1000);
    Open();
    OpenFile(File("in/one.wav"));
    RecordFor(200ms);
    const std::vector<std::uint8_t> working = ReadBytes(recorder->FTempFileName);
    files.Choose(File("copy.wav"));
    Run(recorder->actSaveAs);
    EXPECT_EQ(ReadBytes(File("copy.wav")), working);
    EXPECT_EQ(ReadBytes(File("in/one.wav")), RampWav(1000));
    EXPECT_EQ(recorder->Caption(), "录音(" + File("copy.wav") + ")");
    EXPECT_TRUE(recorder->FModified) << "save as leaves the changes flag";
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(RecordFormTest, SavingMakesAnMp3WithoutACdAndLeavesTheRipFormatAlone) {
    Options.OutputFormat = 1;
    Options.SaveMp3 = true;
    ASSERT_EQ(MainForm->FCDHandle, 0u) << "no drive here";
    InputWav("one.wav", 1000);
    std::ofstream(File("in/one.mp3")) << "old";
    boxes.Allow(ExistsQuestion(File("in/one.mp3")), win::IDYES);
    Open();
    OpenFile(File("in/one.wav"));
    RecordFor(200ms);
    Run(recorder->actSave);
    EXPECT_EQ(boxes.Shown(), std::vector<std::string>{ExistsQuestion(File("in/one.mp3")) + "|提示"});
    EXPECT_GT(ReadBytes(File("in/one.mp3")).size(), 1000u) << "the encoder wrote the MP3";
    EXPECT_EQ(Options.OutputFormat, 1);

    // The second save of the same file does not ask again.
    RecordFor(200ms);
    Run(recorder->actSave);
    EXPECT_EQ(boxes.Count(ExistsQuestion(File("in/one.mp3"))), 1);
}

TEST_F(RecordFormTest, TheVolumeControlOpensOnItsRecordingPage) {
    const std::string mixer = ArgumentRecorder("pavucontrol");
    Open();
    recorder->miRecordOptionSet->Click();
    const std::string arguments = "--tab=2\n";
    EXPECT_EQ(AwaitFile(mixer), std::vector<std::uint8_t>(arguments.begin(), arguments.end()));
}

TEST_F(RecordFormTest, TheMainWindowsRecordActionOpensItModally) {
    ModalScript script;
    bool shown = false;
    script.Next<TfrmRecord>([&](TfrmRecord& form) {
        shown = true;
        EXPECT_EQ(form.Owner(), MainForm);
        form.pmExit->Click();
    });
    MainForm->ActionRecord->Execute();
    EXPECT_TRUE(shown);
}

TEST_F(RecordFormTest, TheStartButtonOpensItsMenuRightAboveItselfEveryTimeAndItsItemsWork) {
    Open();
    // The button's top edge at screen row 400: the menu's bottom edge meets it, measured as the restyled menu
    // paints its items, before the menu was ever shown and again after an item was chosen.
    const int shift = 400 - recorder->AfStartButton1->ClientOrigin().y;
    recorder->SetBounds(recorder->Left(), recorder->Top() + shift, recorder->Width(), recorder->Height());
    testdriver::PumpUntilIdle();
    ASSERT_EQ(recorder->AfStartButton1->ClientOrigin().y, 400);
    int asked = 0;
    for (int opening = 0; opening < 2; ++opening) {
        modals.Next<TfrmNewRecordFile>([&](TfrmNewRecordFile& dialog) {
            ++asked;
            dialog.btCancel->Click();
        });
        FirstItemChooser chooser(recorder->PopupMenu1);
        const win::POINT start = recorder->AfStartButton1->ClientToScreen(win::POINT{50, 13});
        testdriver::Click(start);
        testdriver::PumpUntilIdle();
        EXPECT_EQ(asked, opening + 1) << "新建 opened the new-recording dialog";
        EXPECT_EQ(chooser.last.bottom + 3, 400) << "opening " << opening;
        EXPECT_EQ(chooser.first.left - 3, recorder->AfStartButton1->ClientOrigin().x);
        // A changed check mark builds the native menu anew, so the next opening has no layout to go by.
        recorder->miSaveMp3->Click();
    }
    EXPECT_EQ(recorder->AfStartButton1->BevelOuter(), framework::bvRaised);
    EXPECT_EQ(recorder->StartButtonImage->Left(), 0);
    EXPECT_EQ(recorder->StartButtonImage->Top(), 4);
}

TEST_F(RecordFormTest, DrawsItselfAndTheNewRecordingDialogToPictures) {
    InputWav("sixty.wav", 60000);
    Open();
    OpenFile(File("in/sixty.wav"));
    recorder->TrackBar1->SetPosition(120);
    testdriver::PumpUntilIdle();
    const std::string base = std::string(TRACKMILL_BIN_DIR) + "/../windows-";
    EXPECT_EQ(testdriver::DumpWindowPng(recorder->Handle(), base + "recorder.png"), "");
    std::string dialogError = "not drawn";
    modals.Next<TfrmNewRecordFile>([&](TfrmNewRecordFile& dialog) {
        testdriver::PumpUntilIdle();
        dialogError = testdriver::DumpWindowPng(dialog.Handle(), base + "new-recording.png");
        dialog.btCancel->Click();
    });
    recorder->miNew->Click();
    EXPECT_EQ(dialogError, "");
}

}  // namespace
