// The main window end to end on the headless screen: drives from CD images, the track list, its check marks,
// ripping checked rows, media changes, closing, painting and the CD-database titles.
#include <sys/stat.h>
#include <array>
#include <chrono>
#include <csignal>
#include <fstream>

#include "CdFaults.h"
#include "CddbServer.h"
#include "DiscLayouts.h"
#include "WindowsFixture.h"
#include "platform/cdrom/CdAudio.h"
#include "platform/cdrom/DeviceChange.h"
#include "platform/cdrom/TestHooks.h"
#include "platform/cdrom/detail/CddbSettings.h"
#include "platform/framework/TIniFile.h"
#include "platform/framework/TStringList.h"
#include "platform/framework/controls/ListView.h"
#include "platform/framework/controls/StatusBar.h"
#include "platform/framework/controls/ToolBar.h"
#include "platform/framework/menus/Action.h"
#include "platform/testing/InputInjection.h"
#include "platform/testing/MessagePump.h"
#include "platform/testing/Screen.h"
#include "platform/user/MessagePayload.h"
#include "platform/user/Messages.h"
#include "trackmill/app/jobs/Mp3EncodeProcess.h"
#include "trackmill/app/options/OptionsSetting.h"
#include "trackmill/app/windows/MainForm.h"
#include "trackmill/app/windows/VolumeChangeNotice.h"

using namespace std::chrono_literals;
using framework::TListView;

namespace {

const std::string NoAudioCdBox = "请检查光驱中是否插入了音乐CD！";

std::vector<std::string> Row(TListView* list, int index) {
    framework::TListItem* item = list->Items(index);
    std::vector<std::string> cells{item->Caption()};
    for (int i = 0; i < item->SubItems().Count(); ++i) cells.push_back(item->SubItems().Strings(i));
    return cells;
}

void WriteOptions(const std::string& path, const std::string& text) { std::ofstream(path) << text; }

class MainFormTest : public WindowsTest {};

// A modal window that closes as soon as it is active.
class ClosingDialog : public framework::TForm {
  public:
    explicit ClosingDialog(framework::TComponent* owner) : TForm(owner) {
        OnActivate = framework::TNotifyEvent::Bind<&ClosingDialog::CloseNow>(this);
    }

  private:
    void CloseNow(framework::TObject*) { Close(); }
};

TEST_F(MainFormTest, WithoutADriveTheStatusBarSaysSoAndNoBoxComes) {
    TMainForm* form = StartMainForm();
    EXPECT_EQ(form->StatusBar1->SimpleText(), "没有找到光驱!");
    EXPECT_EQ(form->ListView1->ItemCount(), 0);
    EXPECT_EQ(form->FCDHandle, 0u);
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(MainFormTest, AudioDiscListsEveryTrackCheckedWithLengthAndSize) {
    UseDrives({MakeImage("disc", FourTrackDisc())});
    TMainForm* form = StartMainForm();
    EXPECT_TRUE(boxes.Shown().empty());
    EXPECT_EQ(form->StatusBar1->SimpleText(), "Imagedisc");
    ASSERT_EQ(form->ListView1->ItemCount(), 4);
    // Starts 00:02:00, 00:07:00, 00:17:00, 00:17:60 and lead-out 00:19:10 (sector + 150 frames).
    EXPECT_EQ(Row(form->ListView1, 0), (std::vector<std::string>{"1", "音轨  1", "00:05", "00.84"}));
    EXPECT_EQ(Row(form->ListView1, 1), (std::vector<std::string>{"2", "音轨  2", "00:10", "01.68"}));
    EXPECT_EQ(Row(form->ListView1, 2), (std::vector<std::string>{"3", "音轨  3", "00:00", "00.00"}));
    EXPECT_EQ(Row(form->ListView1, 3), (std::vector<std::string>{"4", "音轨  4", "00:02", "00.34"}));
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(form->ListView1->Items(i)->Checked()) << i;
    EXPECT_EQ(form->ListView1->Columns(1)->Alignment(), framework::taCenter);
}

TEST_F(MainFormTest, StartUpOpensTheFirstDriveWhateverIndexSays) {
    UseDrives({MakeImage("first", FourTrackDisc()), MakeImage("second", cdrom_test::PlainDisc())});
    WriteOptions(File("options.ini"), "[CDOptions]\nIndex=1\n");
    TMainForm* form = StartMainForm();
    EXPECT_EQ(form->StatusBar1->SimpleText(), "Imagefirst");
    EXPECT_EQ(form->ListView1->ItemCount(), 4);
}

TEST_F(MainFormTest, TheSecondDriveNamesItselfInTheStatusBar) {
    UseDrives({MakeImage("first", FourTrackDisc()), MakeImage("second", cdrom_test::PlainDisc())});
    TMainForm* form = StartMainForm();
    const std::uint32_t first = form->FCDHandle;
    form->ReopenCDDrive(1);
    EXPECT_EQ(platform::cdrom::CloseCDHandle(first), 0) << "the first drive's handle was left open";
    EXPECT_EQ(form->StatusBar1->SimpleText(), "Imagesecond");
    EXPECT_EQ(form->ListView1->ItemCount(), 2);
    form->ReopenCDDrive(2);
    EXPECT_EQ(form->StatusBar1->SimpleText(), "您的配置文件中光驱信息有误!");
    EXPECT_EQ(form->ListView1->ItemCount(), 0);
}

TEST_F(MainFormTest, ADriveThatGivesNoHandleOrNoContentsSaysSo) {
    UseDrives({MakeImage("disc", FourTrackDisc())});
    cdrom_test::CdFaults faults;
    faults.fail(platform::cdrom::CdOperation::ReadToc);
    TMainForm* form = StartMainForm();
    EXPECT_EQ(form->StatusBar1->SimpleText(), "没有读取到CD信息！");
    EXPECT_EQ(form->ListView1->ItemCount(), 0);
    faults.heal(platform::cdrom::CdOperation::ReadToc);

    faults.fail(platform::cdrom::CdOperation::GetHandle);
    form->ReopenCDDrive(0);
    EXPECT_EQ(form->StatusBar1->SimpleText(), "获得CD句柄错误！");
    EXPECT_EQ(form->FCDHandle, 0u);
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(MainFormTest, NoAudioCdBoxAtStartAndAfterAWindowClosesButNotAfterAMessageBox) {
    UseDrives({MakeImage("data", cdrom_test::DataOnlyDisc())});
    boxes.Allow(NoAudioCdBox);
    boxes.Allow("请至少选择一首音轨，\r\n可点击左侧复选框进行选择。");
    TMainForm* form = StartMainForm();
    EXPECT_EQ(boxes.Shown(), (std::vector<std::string>{NoAudioCdBox + "|错误"}));
    EXPECT_TRUE(form->FNoAudioCD);

    boxes.Clear();
    ClosingDialog dialog(form);
    dialog.ShowModal();
    testdriver::PumpUntilIdle();
    EXPECT_EQ(boxes.Count(NoAudioCdBox), 1);

    boxes.Clear();
    form->ActionExtract->Execute();
    testdriver::PumpUntilIdle();
    EXPECT_EQ(boxes.Count(NoAudioCdBox), 0);
    EXPECT_EQ(boxes.Shown().size(), 1u);
}

TEST_F(MainFormTest, CtrlClickTogglesARowAndAPlainClickDoesNot) {
    UseDrives({MakeImage("disc", FourTrackDisc())});
    TMainForm* form = StartMainForm();
    TListView* list = form->ListView1;
    const win::POINT onRow3 =
        list->ClientToScreen(win::POINT{200, list->HeaderHeight() + list->RowHeight() * 2 + list->RowHeight() / 2});
    testdriver::Click(onRow3);
    testdriver::PumpUntilIdle();
    EXPECT_TRUE(list->Items(2)->Selected());
    EXPECT_TRUE(list->Items(2)->Checked());

    testdriver::PressKey(win::VK_CONTROL);
    testdriver::Click(onRow3);
    testdriver::ReleaseKey(win::VK_CONTROL);
    testdriver::PumpUntilIdle();
    EXPECT_FALSE(list->Items(2)->Checked());
    EXPECT_TRUE(list->Items(1)->Checked());

    form->ActionSelectAll->Execute();
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(list->Items(i)->Checked()) << i;
    form->ActionNoSelect->Execute();
    for (int i = 0; i < 4; ++i) EXPECT_FALSE(list->Items(i)->Checked()) << i;
}

TEST_F(MainFormTest, RippingCheckedRowsMakesTheirWavFiles) {
    const cdrom_test::CueImage image = MakeImage("disc", FourTrackDisc());
    UseDrives({image});
    WriteOptions(File("options.ini"), "[CommonOptions]\nOutputFormat=1\n");
    TMainForm* form = StartMainForm();
    form->ListView1->Items(1)->SetChecked(false);
    form->ActionExtract->Execute();
    testdriver::PumpUntilIdle();
    EXPECT_TRUE(boxes.Shown().empty());
    EXPECT_FALSE(std::filesystem::exists(File("Track2.wav")));
    for (int track : {1, 3, 4}) {
        const std::vector<std::uint8_t> wav = ReadBytes(File("Track" + std::to_string(track) + ".wav"));
        const int end = track == 4 ? image.leadOut() : image.trackStart(track + 1);
        const std::vector<std::uint8_t> audio = image.sectors(image.trackStart(track), end - image.trackStart(track));
        ASSERT_EQ(wav.size(), 44 + audio.size()) << track;
        EXPECT_TRUE(std::equal(audio.begin(), audio.end(), wav.begin() + 44)) << track;
    }
}

TEST_F(MainFormTest, AGainAboveAHundredPercentInTheOptionsRipsTheSoundUnchanged) {
    const cdrom_test::CueImage image = MakeImage("disc", FourTrackDisc());
    UseDrives({image});
    // The test pattern reaches full scale: a gain above 1 would wrap its loudest samples.
    WriteOptions(File("options.ini"), "[CommonOptions]\nOutputFormat=1\nIsNormalize=1\nNormalizePercent=150\n");
    TMainForm* form = StartMainForm();
    for (int i = 1; i < 4; ++i) form->ListView1->Items(i)->SetChecked(false);
    form->ActionExtract->Execute();
    testdriver::PumpUntilIdle();
    const std::vector<std::uint8_t> wav = ReadBytes(File("Track1.wav"));
    const std::vector<std::uint8_t> audio =
        image.sectors(image.trackStart(1), image.trackStart(2) - image.trackStart(1));
    ASSERT_EQ(wav.size(), 44 + audio.size());
    EXPECT_TRUE(std::equal(audio.begin(), audio.end(), wav.begin() + 44));
}

TEST_F(MainFormTest, AnEmptyOutputFolderInTheOptionsRipsIntoTheDefaultFolder) {
    UseDrives({MakeImage("disc", FourTrackDisc())});
    WriteOptions(File("options.ini"), "[CommonOptions]\nOutputFolder=\nOutputFormat=1\n");
    TMainForm* form = StartMainForm();
    for (int i = 0; i < 3; ++i) form->ListView1->Items(i)->SetChecked(false);
    form->ActionExtract->Execute();
    testdriver::PumpUntilIdle();
    EXPECT_TRUE(boxes.Shown().empty());
    EXPECT_EQ(ReadBytes(File("Track4.wav")).size(), 44u + 100 * 2352);
}

TEST_F(MainFormTest, WhenTheProgramFolderCannotBeWrittenRipsGoToThePerUserFolder) {
    UseDrives({MakeImage("disc", FourTrackDisc())});
    // A program folder that does not exist cannot be written to, not even by root.
    app->SetExeName(File("installed/trackmill"));
    setenv("XDG_CONFIG_HOME", File("config").c_str(), 1);
    TMainForm* form = StartMainForm();
    EXPECT_EQ(Options.OutputFolder, File("config/trackmill") + "/");
    EXPECT_EQ(Options.KelmOutputFolder, File("config/trackmill") + "/");
    Options.OutputFormat = 1;
    for (int i = 0; i < 3; ++i) form->ListView1->Items(i)->SetChecked(false);
    form->ActionExtract->Execute();
    testdriver::PumpUntilIdle();
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_TRUE(boxes.Shown().empty());
    EXPECT_EQ(ReadBytes(File("config/trackmill/Track4.wav")).size(), 44u + 100 * 2352);
}

TEST_F(MainFormTest, RippingAsksForAHandleAndACheckedRowFirst) {
    boxes.Allow("请首先获取CD句柄!");
    TMainForm* form = StartMainForm();
    form->ActionExtract->Execute();
    EXPECT_EQ(boxes.Count("请首先获取CD句柄!"), 1);
}

TEST_F(MainFormTest, ArrivalRefillsTheListAndRemovalEmptiesIt) {
    UseDrives({MakeImage("disc", FourTrackDisc())});
    TMainForm* form = StartMainForm();
    auto post = [&](win::UINT event, win::DWORD type) {
        auto notice = std::make_unique<VolumeChangeNotice>();
        notice->Volume.dbcv_devicetype = type;
        notice->Volume.dbcv_unitmask = 1u << 3;
        win::PostOwnedMessage(form->Handle(), win::WM_DEVICECHANGE, event, std::move(notice));
        testdriver::PumpUntilIdle();
    };
    post(win::DBT_DEVICEREMOVECOMPLETE, win::DBT_DEVTYP_VOLUME);
    EXPECT_EQ(form->ListView1->ItemCount(), 0);
    post(win::DBT_DEVICEARRIVAL, 0x5);  // not a volume: ignored
    EXPECT_EQ(form->ListView1->ItemCount(), 0);
    post(win::DBT_DEVICEARRIVAL, win::DBT_DEVTYP_VOLUME);
    EXPECT_EQ(form->ListView1->ItemCount(), 4);
}

TEST_F(MainFormTest, OnlyAnArrivalWithAnAudioTrackEndsTheNoAudioCdBoxes) {
    UseDrives({MakeImage("data", cdrom_test::DataOnlyDisc())});
    boxes.Allow(NoAudioCdBox);
    TMainForm* form = StartMainForm();
    ASSERT_TRUE(form->FNoAudioCD);
    const auto arriveAndReturnFromADialog = [&] {
        auto notice = std::make_unique<VolumeChangeNotice>();
        notice->Volume.dbcv_devicetype = win::DBT_DEVTYP_VOLUME;
        win::PostOwnedMessage(form->Handle(), win::WM_DEVICECHANGE, win::DBT_DEVICEARRIVAL, std::move(notice));
        testdriver::PumpUntilIdle();
        boxes.Clear();
        ClosingDialog dialog(form);
        dialog.ShowModal();
        testdriver::PumpUntilIdle();
    };
    // Another data-only disc: its track is listed, unchecked, and it is still no audio CD.
    arriveAndReturnFromADialog();
    EXPECT_EQ(form->ListView1->ItemCount(), 1);
    EXPECT_FALSE(form->ListView1->Items(0)->Checked());
    EXPECT_EQ(boxes.Count(NoAudioCdBox), 1);
    // The same drive now holds an audio disc.
    MakeImage("data", FourTrackDisc());
    arriveAndReturnFromADialog();
    EXPECT_EQ(form->ListView1->ItemCount(), 4);
    EXPECT_EQ(boxes.Count(NoAudioCdBox), 0);
}

TEST_F(MainFormTest, ClosingKillsTheEncoderAndSavesOptionsEvenWhenTheHandleWillNotClose) {
    UseDrives({MakeImage("disc", FourTrackDisc())});
    FakeEncoder("echo $$ > \"" + File("encoder.pid") + "\"\nexec sleep 30");
    boxes.Allow("关闭CD句柄错误!");
    TMainForm* form = StartMainForm();
    std::ofstream(File("in.wav")) << "RIFF";
    Mp3Process->FSourceFile = File("in.wav");
    Mp3Process->FDestFile = File("out.mp3");
    Mp3Process->FNotifyWindow = form->Handle();
    Mp3Process->FMode = rmRipTracks;
    Mp3Process->FRunning = true;
    Mp3Process->Start();
    ASSERT_TRUE(testdriver::PumpUntil([&] { return std::filesystem::exists(File("encoder.pid")); }, 5s));
    testdriver::PumpUntil([&] { return std::filesystem::file_size(File("encoder.pid")) > 0; }, 2s);
    const std::vector<std::uint8_t> pidText = ReadBytes(File("encoder.pid"));
    const pid_t child = std::stoi(std::string(pidText.begin(), pidText.end()));

    cdrom_test::CdFaults faults;
    faults.fail(platform::cdrom::CdOperation::CloseHandle);
    form->Close();
    testdriver::PumpUntilIdle();
    EXPECT_EQ(boxes.Count("关闭CD句柄错误!"), 1);
    EXPECT_FALSE(Mp3Process->FRunning);
    EXPECT_TRUE(testdriver::PumpUntil([&] { return kill(child, 0) != 0; }, 5s)) << "encoder still there";
    framework::TIniFile ini(File("options.ini"));
    EXPECT_EQ(ini.ReadInteger("Mp3Options", "BitRate", -1), 128);
    EXPECT_EQ(ini.ReadString("CommonOptions", "OutputFolder", ""), Slashed());
}

TEST_F(MainFormTest, PaintingPlacesTheListAndStatusBarTenPixelsInAfterAResize) {
    TMainForm* form = StartMainForm();
    form->SetBounds(20, 20, 700, 520);
    testdriver::PumpUntilIdle();
    const int width = form->ClientWidth();
    const int height = form->ClientHeight();
    using Bounds = std::array<int, 4>;
    auto bounds = [](const framework::TControl* c) { return Bounds{c->Left(), c->Top(), c->Width(), c->Height()}; };
    EXPECT_EQ(bounds(form->ListView1), (Bounds{10, 41, width - 20, height - 41 - 26 - 10}));
    EXPECT_EQ(bounds(form->StatusBar1), (Bounds{10, height - 26 - 10, width - 20, 26}));
    EXPECT_EQ(form->ListView1->Color(), win::RGB(239, 239, 255));
    EXPECT_EQ(form->StatusBar1->Color(), win::RGB(220, 225, 255));
    EXPECT_EQ(form->ToolBar1->Color(), win::RGB(228, 228, 255));
    // The form's own background shows in the margins.
    const win::POINT margin = form->ClientToScreen(win::POINT{4, height / 2});
    EXPECT_EQ(testdriver::ScreenPixel(margin.x, margin.y), win::RGB(214, 223, 247));
}

TEST_F(MainFormTest, DrawsItsTrackListToAPicture) {
    UseDrives({MakeImage("disc", FourTrackDisc())});
    StartMainForm();
    const std::string png = std::string(TRACKMILL_BIN_DIR) + "/../windows-main.png";
    EXPECT_EQ(testdriver::DumpScreenPng(png), "");
}

// The CD-database ID of a disc, from its track starts and lead-out in frames.
std::uint32_t DiscId(const std::vector<int>& starts, int leadOut) {
    std::uint32_t digits = 0;
    for (int frames : starts)
        for (int seconds = frames / 75; seconds > 0; seconds /= 10) digits += static_cast<std::uint32_t>(seconds % 10);
    const std::uint32_t playing = static_cast<std::uint32_t>(leadOut / 75 - starts.front() / 75);
    return (digits % 255) << 24 | playing << 8 | static_cast<std::uint32_t>(starts.size());
}

// A record as the server keeps it, around the given title lines.
std::string Record(const std::string& titles) {
    return "# xmcd\n#\n# Track frame offsets:\n#\t150\n#\t525\n#\t1275\n#\t1335\n#\n# Disc length: 19 seconds\n#\n"
           "# Revision: 1\n#\nDISCID=19001104\nDTITLE=Band / Album\nDYEAR=2001\nDGENRE=Pop\n" +
           titles + "EXTD=\nEXTT0=\nEXTT1=\nEXTT2=\nEXTT3=\nPLAYORDER=\n";
}

class CddbTitlesOnTheList : public WindowsTest {
  protected:
    void SetUp() override {
        WindowsTest::SetUp();
        image.emplace(MakeImage("disc", FourTrackDisc()));
        UseDrives({*image});
        WriteOptions(File("options.ini"), "[CDOptions]\nCDDb=1\n");
    }
    void TearDown() override {
        unsetenv("TRACKMILL_CDDB_SERVER");
        WindowsTest::TearDown();
    }
    void PointAt(int port) { setenv("TRACKMILL_CDDB_SERVER", ("127.0.0.1:" + std::to_string(port)).c_str(), 1); }
    std::vector<std::string> Titles(TMainForm* form) {
        std::vector<std::string> titles;
        for (int i = 0; i < form->ListView1->ItemCount(); ++i) titles.push_back(Row(form->ListView1, i)[1]);
        return titles;
    }
    std::uint32_t Id() const {
        std::vector<int> starts;
        for (int t = 1; t <= 4; ++t) starts.push_back(image->trackStart(t) + 150);
        return DiscId(starts, image->leadOut() + 150);
    }
    std::optional<cdrom_test::CueImage> image;
    const std::vector<std::string> generated{"音轨  1", "音轨  2", "音轨  3", "音轨  4"};
};

TEST_F(CddbTitlesOnTheList, TheDiscIdWorkedByHand) {
    // Starts at 2, 7, 17 and 17 seconds: digits 2 + 7 + 8 + 8 = 25; 19 - 2 = 17 seconds; 4 tracks.
    EXPECT_EQ(Id(), 0x19001104u);
}

TEST_F(CddbTitlesOnTheList, TitlesFromTheMatchingRecordReplaceTheGeneratedOnes) {
    cdrom_test::CddbServer server(
        {{"misc", Id(), "Band / Album", Record("TTITLE0=One\nTTITLE1=Two \nTTITLE2=Three\nTTITLE3=Four\n")}});
    PointAt(server.port());
    TMainForm* form = StartMainForm();
    EXPECT_EQ(Titles(form), (std::vector<std::string>{"One", "Two", "Three", "Four"}));
    EXPECT_EQ(form->ListView1->Columns(1)->Alignment(), framework::taLeftJustify);
    const std::vector<std::string> requests = server.requests();
    ASSERT_FALSE(requests.empty());
    EXPECT_EQ(requests[0].rfind("/~cddb/cddb.cgi?", 0), 0u) << requests[0];
    EXPECT_NE(requests[0].find("cddb+query+19001104+4+150+525+1275+1335+"), std::string::npos) << requests[0];
    EXPECT_NE(requests[0].find("+program+1.0"), std::string::npos) << requests[0];
}

TEST_F(CddbTitlesOnTheList, NoMatchADeadServerOrARecordWithoutTitlesKeepTheGeneratedTitlesSilently) {
    {
        cdrom_test::CddbServer server({{"misc", Id() + 1, "Other / Disc", Record("TTITLE0=Wrong\n")}});
        PointAt(server.port());
        EXPECT_EQ(Titles(StartMainForm()), generated);
        app.reset();
        MainForm = nullptr;
    }
    app = std::make_unique<framework::TApplication>(nullptr);
    app->SetExeName(File("trackmill"));
    PointAt(cdrom_test::CddbServer::RefusingPort());
    TMainForm* form = StartMainForm();
    EXPECT_EQ(Titles(form), generated);
    cdrom_test::CddbServer server({{"misc", Id(), "Band / Album", "garbage without any key\n"}});
    PointAt(server.port());
    form->ReadTrackList();
    EXPECT_EQ(Titles(form), generated);
    EXPECT_EQ(form->ListView1->Columns(1)->Alignment(), framework::taCenter);
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(CddbTitlesOnTheList, ASilentServerHoldsTheListOnlyForABoundedTime) {
    cdrom_test::CddbServer server({}, cdrom_test::CddbServer::Behaviour::Slow, 120s, 2);
    PointAt(server.port());
    const auto start = std::chrono::steady_clock::now();
    TMainForm* form = StartMainForm();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 60s);
    EXPECT_EQ(Titles(form), generated);
}

TEST_F(CddbTitlesOnTheList, AServerThatNeverStopsSendingLeavesTheGeneratedTitlesWellWithinTheTimeOut) {
    cdrom_test::CddbServer server({}, cdrom_test::CddbServer::Behaviour::Endless, 0s, 2);
    PointAt(server.port());
    const auto start = std::chrono::steady_clock::now();
    TMainForm* form = StartMainForm();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 3s);
    EXPECT_EQ(Titles(form), generated);
    EXPECT_LT(server.endlessBytesSent(), 16u << 20) << "the program stopped taking the record";
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(CddbTitlesOnTheList, WithoutAServerOfItsOwnARunAsksThePublicDatabaseAtItsPath) {
    unsetenv("TRACKMILL_CDDB_SERVER");
    // No test reaches out to the network: the name is only noted, and found unknown.
    std::vector<std::string> looked;
    platform::cdrom::SetNameLookupHook([&looked](const std::string& host) {
        looked.push_back(host);
        return false;
    });
    TMainForm* form = StartMainForm();
    platform::cdrom::SetNameLookupHook(nullptr);
    EXPECT_EQ(looked, (std::vector<std::string>{"gnudb.gnudb.org"}));
    const platform::cdrom::detail::CddbSettings settings = platform::cdrom::detail::CurrentCddbSettings();
    EXPECT_EQ(settings.port, 80);
    EXPECT_EQ(settings.queryPath, "/~cddb/cddb.cgi");
    EXPECT_EQ(Titles(form), generated);
}

}  // namespace
