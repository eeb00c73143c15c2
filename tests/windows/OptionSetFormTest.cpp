// The options window on the headless screen: loading the options into its controls, the enable rules, the drive
// list, browsing, and storing on OK all or nothing, with the drive reopened when its choice changed.
#include <fstream>
#include <tuple>

#include "DiscLayouts.h"
#include "ModalScript.h"
#include "WindowsFixture.h"
#include "platform/cdrom/CdAudio.h"
#include "platform/framework/controls/Button.h"
#include "platform/framework/controls/CheckBox.h"
#include "platform/framework/controls/ComboBox.h"
#include "platform/framework/controls/Edit.h"
#include "platform/framework/controls/ListView.h"
#include "platform/framework/controls/PageControl.h"
#include "platform/framework/controls/SpinEdit.h"
#include "platform/framework/forms/FolderBrowser.h"
#include "platform/framework/menus/Action.h"
#include "platform/testing/InputInjection.h"
#include "platform/testing/MessagePump.h"
#include "platform/testing/Screen.h"
#include "platform/user/Clipboard.h"
#include "platform/user/Messages.h"
#include "platform/user/Window.h"
#include "trackmill/app/options/OptionsSetting.h"
#include "trackmill/app/windows/MainForm.h"
#include "trackmill/app/windows/OptionSetForm.h"

namespace {

const std::string MissingFolderBox = "选择的目录不存在，请重新选择！";
const std::string BadBitRateBox = "比特率应为8至320之间的整数！";
const std::string UnstorableFolderBox = "目录名称的开头和结尾不能是空格，也不能含有换行等控制字符，请重新选择！";

void ClickOn(framework::TControl* control) {
    const win::POINT origin = control->ClientToScreen(win::POINT{0, 0});
    testdriver::Click(win::POINT{origin.x + control->Width() / 2, origin.y + control->Height() / 2});
    testdriver::PumpUntilIdle();
}

void Key(int key, bool control = false) {
    if (control) testdriver::PressKey(win::VK_CONTROL);
    testdriver::PressKey(key);
    testdriver::ReleaseKey(key);
    if (control) testdriver::ReleaseKey(win::VK_CONTROL);
    testdriver::PumpUntilIdle();
}

// Every field the window edits, for comparing whole records.
auto Edited(const TOptionsSetting& o) {
    return std::make_tuple(o.OutputFolder, o.OutputFormat, o.IsKeepWav, o.IsNormalize, o.NormalizePercent,
                           o.IsSelectVBR, o.IsVBRHead, o.BitRate, o.MaxBitRate, o.MpegQuality, o.VBRQuality,
                           o.StereoMode, o.Index, o.CDDb);
}

class OptionSetFormTest : public WindowsTest {
  protected:
    void TearDown() override {
        dialog.reset();
        WindowsTest::TearDown();
    }
    // The main window, then the dialog over it, shown without a modal loop so that the test drives it.
    TOptionSetForm* Open() {
        if (!MainForm) StartMainForm();
        dialog = std::make_unique<TOptionSetForm>(MainForm, MainForm);
        dialog->Show();
        testdriver::PumpUntilIdle();
        return dialog.get();
    }
    void ShowDriveTab() {
        dialog->PageControl1->SetActivePage(dialog->TabSheet3);
        testdriver::PumpUntilIdle();
    }
    std::vector<std::string> DriveItems() const {
        std::vector<std::string> items;
        for (int i = 0; i < dialog->cbCDList->Items().Count(); ++i)
            items.push_back(dialog->cbCDList->Items().Strings(i));
        return items;
    }

    std::unique_ptr<TOptionSetForm> dialog;
};

TEST_F(OptionSetFormTest, ShowsEveryOptionInItsControl) {
    std::ofstream(File("options.ini")) << "[CommonOptions]\nOutputFolder=" << Slashed()
                                       << "\nOutputFormat=1\nIsKeepWav=1\nIsNormalize=1\nNormalizePercent=87\n"
                                          "[Mp3Options]\nIsSelectVBR=1\nIsVBRHead=0\nBitRate=32\nMaxBitRate=256\n"
                                          "MpegQuality=2\nVBRQuality=7\nStereoMode=4\n[CDOptions]\nCDDb=1\n";
    TOptionSetForm* form = Open();
    EXPECT_EQ(form->Caption(), "参数设置");
    EXPECT_EQ(form->PageControl1->ActivePage(), form->TabSheet1);
    EXPECT_EQ(form->editOutputDir->Text(), Slashed());
    EXPECT_EQ(form->cbOutputFormat->Text(), "WAV格式 (*.WAV)");
    EXPECT_TRUE(form->ckbKeepWav->Checked());
    EXPECT_TRUE(form->ckNormalize->Checked());
    EXPECT_TRUE(form->SpinEdit1->Enabled()) << "ticking 规格化至 on loading enables the percentage";
    EXPECT_EQ(form->SpinEdit1->Value(), 87);
    EXPECT_TRUE(form->ckbSelectVBR->Checked());
    EXPECT_FALSE(form->ckbVBRHead->Checked());
    EXPECT_EQ(form->cbBitRate->Text(), "32 kbit/s");
    EXPECT_EQ(form->cbBitRate->Items().Strings(0), " 32 kbit/s");
    EXPECT_EQ(form->cbBitRate->Items().Count(), 14);
    EXPECT_EQ(form->cbMaxBitRate->Items().Strings(13), "320 kbit/s");
    EXPECT_EQ(form->cbMaxBitRate->Text(), "256 kbit/s");
    EXPECT_EQ(form->cbMpegQuality->Text(), "高音质低速度");
    EXPECT_EQ(form->cbVBRQuality->Text(), "7");
    EXPECT_EQ(form->cbStereoMode->Text(), "单声道");
    EXPECT_TRUE(form->ckbCDDb->Checked());
    for (framework::TControl* vbr :
         {static_cast<framework::TControl*>(form->ckbVBRHead), static_cast<framework::TControl*>(form->cbMaxBitRate),
          static_cast<framework::TControl*>(form->cbVBRQuality)})
        EXPECT_TRUE(vbr->Enabled()) << vbr->Name();
}

TEST_F(OptionSetFormTest, VbrAndNormalizeEnableRulesFollowTheirCheckBoxes) {
    TOptionSetForm* form = Open();  // defaults: no VBR, no gain pass
    EXPECT_FALSE(form->SpinEdit1->Enabled());
    EXPECT_FALSE(form->ckbVBRHead->Enabled());
    EXPECT_FALSE(form->cbMaxBitRate->Enabled());
    EXPECT_FALSE(form->cbVBRQuality->Enabled());
    EXPECT_TRUE(form->cbBitRate->Enabled());
    form->ckbSelectVBR->SetChecked(true);
    EXPECT_TRUE(form->ckbVBRHead->Enabled());
    EXPECT_TRUE(form->cbMaxBitRate->Enabled());
    EXPECT_TRUE(form->cbVBRQuality->Enabled());
    form->ckbSelectVBR->SetChecked(false);
    EXPECT_FALSE(form->cbVBRQuality->Enabled());
    form->ckNormalize->SetChecked(true);
    EXPECT_TRUE(form->SpinEdit1->Enabled());
    form->ckNormalize->SetChecked(false);
    EXPECT_FALSE(form->SpinEdit1->Enabled());
}

TEST_F(OptionSetFormTest, KeepWavIsDisabledWhileWavIsChosenAfterAnIdlePassAndStillStored) {
    TOptionSetForm* form = Open();
    EXPECT_TRUE(form->ckbKeepWav->Enabled());
    form->ckbKeepWav->SetChecked(true);
    form->cbOutputFormat->SetItemIndex(1);
    EXPECT_TRUE(form->ckbKeepWav->Enabled()) << "the rule runs when the program is idle";
    testdriver::PumpUntilIdle();
    app->Idle();
    EXPECT_FALSE(form->ckbKeepWav->Enabled());
    form->btOk->Click();
    EXPECT_EQ(Options.OutputFormat, 1);
    EXPECT_TRUE(Options.IsKeepWav);
    form->cbOutputFormat->SetItemIndex(0);
    app->Idle();
    EXPECT_TRUE(form->ckbKeepWav->Enabled());
}

TEST_F(OptionSetFormTest, BitRateTextsStoreTheirLeadingNumber) {
    TOptionSetForm* form = Open();
    Options.BitRate = 0;
    for (const auto& [text, value] : std::vector<std::pair<std::string, int>>{
             {" 32 kbit/s", 32}, {"32 kbit/s", 32}, {"128 kbit/s", 128}, {"320", 320}, {"  8 kbit/s", 8}}) {
        form->cbBitRate->SetText(text);
        form->btOk->Click();
        EXPECT_EQ(Options.BitRate, value) << text;
        EXPECT_EQ(form->ModalResult(), framework::mrOk);
    }
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(OptionSetFormTest, ABadBitRateStoresNothingAndFocusesItsCombo) {
    boxes.Allow(BadBitRateBox);
    TOptionSetForm* form = Open();
    form->ckbSelectVBR->SetChecked(true);
    Options.IsSelectVBR = true;
    const auto before = Edited(Options);
    for (const std::string text : {"kbit/s", "", "1280 kbit/s", "7 kbit/s", "321"}) {
        boxes.Clear();
        form->SetModalResult(framework::mrNone);
        form->PageControl1->SetActivePage(form->TabSheet1);
        form->ckbKeepWav->SetChecked(!form->ckbKeepWav->Checked());  // stored first, so a partial store would show
        form->cbMaxBitRate->SetText(text);
        form->btOk->Click();
        EXPECT_EQ(boxes.Shown(), std::vector<std::string>{BadBitRateBox + "|音频抓轨"}) << text;
        EXPECT_EQ(Edited(Options), before) << text;
        EXPECT_EQ(form->ModalResult(), framework::mrNone) << "the dialog stays open";
        EXPECT_EQ(form->PageControl1->ActivePage(), form->TabSheet2);
        EXPECT_TRUE(form->cbMaxBitRate->Focused()) << text;
    }
}

TEST_F(OptionSetFormTest, AMissingFolderShowsTheMessageAndStoresNothing) {
    boxes.Allow(MissingFolderBox);
    TOptionSetForm* form = Open();
    const auto before = Edited(Options);
    form->PageControl1->SetActivePage(form->TabSheet2);
    form->cbStereoMode->SetItemIndex(4);
    form->editOutputDir->SetText(File("no-such-folder"));
    form->btOk->Click();
    EXPECT_EQ(boxes.Shown(), std::vector<std::string>{MissingFolderBox + "|音频抓轨"});
    EXPECT_EQ(Edited(Options), before);
    EXPECT_EQ(form->PageControl1->ActivePage(), form->TabSheet1);
    EXPECT_TRUE(form->editOutputDir->Focused());
    EXPECT_EQ(form->ModalResult(), framework::mrNone);
}

TEST_F(OptionSetFormTest, AFolderThatWouldNotReadBackIsRefusedOnOk) {
    // Both exist: the typed one would come back from options.ini as the other.
    std::filesystem::create_directories(folder / "music ");
    std::filesystem::create_directories(folder / "music");
    boxes.Allow(UnstorableFolderBox);
    TOptionSetForm* form = Open();
    const auto before = Edited(Options);
    ClickOn(form->editOutputDir);
    Key('A', true);
    testdriver::TypeText((File("music") + " ").c_str());
    testdriver::PumpUntilIdle();
    ASSERT_EQ(form->editOutputDir->Text(), File("music") + " ");
    form->PageControl1->SetActivePage(form->TabSheet2);
    testdriver::PumpUntilIdle();
    ClickOn(form->btOk);
    EXPECT_EQ(boxes.Shown(), std::vector<std::string>{UnstorableFolderBox + "|音频抓轨"});
    EXPECT_EQ(Edited(Options), before);
    EXPECT_EQ(form->ModalResult(), framework::mrNone);
    EXPECT_EQ(form->PageControl1->ActivePage(), form->TabSheet1);
    EXPECT_TRUE(form->editOutputDir->Focused());

    // A folder chosen in the browser may hold a line break, which would add keys of its own to options.ini.
    boxes.Clear();
    const std::string broken = File("music\n[KelmOptions]\nOutputIndex=0");
    std::filesystem::create_directories(broken);
    auto previous = framework::SetFolderResponder(
        [&](const std::string&, const std::string&) { return std::optional<std::string>(broken); });
    ClickOn(form->btBrowser);
    framework::SetFolderResponder(previous);
    ASSERT_EQ(form->editOutputDir->Text(), broken);
    ClickOn(form->btOk);
    EXPECT_EQ(boxes.Shown(), std::vector<std::string>{UnstorableFolderBox + "|音频抓轨"});
    EXPECT_EQ(Edited(Options), before);

    boxes.Clear();
    ClickOn(form->editOutputDir);
    Key('A', true);
    testdriver::TypeText(File("music").c_str());
    ClickOn(form->btOk);
    EXPECT_TRUE(boxes.Shown().empty());
    EXPECT_EQ(Options.OutputFolder, File("music"));
    EXPECT_EQ(form->ModalResult(), framework::mrOk);
}

TEST_F(OptionSetFormTest, AStoredMaximumOutOfRangeWhileVbrIsOffIsNoDeadEnd) {
    std::ofstream(File("options.ini")) << "[Mp3Options]\nIsSelectVBR=0\nMaxBitRate=400\n";
    TOptionSetForm* form = Open();
    ASSERT_FALSE(form->cbMaxBitRate->Enabled());
    ClickOn(form->btOk);
    EXPECT_TRUE(boxes.Shown().empty());
    EXPECT_EQ(form->ModalResult(), framework::mrOk);
    EXPECT_EQ(Options.MaxBitRate, 320) << "the hidden value goes back to its default";

    // Shown again with VBR on, it is the user's to mend.
    boxes.Allow(BadBitRateBox);
    Options.MaxBitRate = 400;
    Options.IsSelectVBR = true;
    dialog.reset();
    form = Open();
    ASSERT_TRUE(form->cbMaxBitRate->Enabled());
    ClickOn(form->btOk);
    EXPECT_EQ(boxes.Shown(), std::vector<std::string>{BadBitRateBox + "|音频抓轨"});
    EXPECT_TRUE(form->cbMaxBitRate->Focused());
}

TEST_F(OptionSetFormTest, OkStoresEveryEntryInOneGo) {
    std::filesystem::create_directories(folder / "out");
    TOptionSetForm* form = Open();
    form->editOutputDir->SetText(File("out"));
    form->cbOutputFormat->SetItemIndex(1);
    form->ckbKeepWav->SetChecked(true);
    form->ckNormalize->SetChecked(true);
    form->SpinEdit1->SetValue(60);
    form->ckbSelectVBR->SetChecked(true);
    form->ckbVBRHead->SetChecked(false);
    form->cbBitRate->SetItemIndex(3);
    form->cbMaxBitRate->SetItemIndex(12);
    form->cbMpegQuality->SetItemIndex(1);
    form->cbVBRQuality->SetItemIndex(9);
    form->cbStereoMode->SetItemIndex(3);
    form->ckbCDDb->SetChecked(true);
    form->btOk->Click();
    TOptionsSetting expected = Options;
    expected.OutputFolder = File("out");  // as typed: no slash is added
    expected.OutputFormat = 1;
    expected.IsKeepWav = true;
    expected.IsNormalize = true;
    expected.NormalizePercent = 60;
    expected.IsSelectVBR = true;
    expected.IsVBRHead = false;
    expected.BitRate = 56;
    expected.MaxBitRate = 256;
    expected.MpegQuality = 1;
    expected.VBRQuality = 9;
    expected.StereoMode = 3;
    expected.CDDb = true;
    EXPECT_EQ(Edited(Options), Edited(expected));
}

TEST_F(OptionSetFormTest, CancelAfterChangesLeavesTheOptionsAsTheyWere) {
    UseDrives({MakeImage("disc", FourTrackDisc())});
    TOptionSetForm* form = Open();
    const std::uint32_t handle = MainForm->FCDHandle;
    const auto before = Edited(Options);
    form->cbOutputFormat->SetItemIndex(1);
    form->cbBitRate->SetText("64 kbit/s");
    form->ckbSelectVBR->SetChecked(true);
    ShowDriveTab();
    form->ckbCDDb->SetChecked(true);
    form->btCancel->Click();
    EXPECT_EQ(form->ModalResult(), framework::mrCancel);
    EXPECT_EQ(Edited(Options), before);
    EXPECT_EQ(MainForm->FCDHandle, handle);
}

TEST_F(OptionSetFormTest, OkWithoutTheDriveTabLeavesIndexAndTheDriveAlone) {
    UseDrives({MakeImage("first", FourTrackDisc()), MakeImage("second", cdrom_test::PlainDisc())});
    std::ofstream(File("options.ini")) << "[CDOptions]\nIndex=1\n";
    TOptionSetForm* form = Open();
    const std::uint32_t handle = MainForm->FCDHandle;
    form->btOk->Click();
    EXPECT_EQ(Options.Index, 1);
    EXPECT_EQ(MainForm->FCDHandle, handle);
    EXPECT_TRUE(form->cbCDList->Items().Count() == 0);
}

TEST_F(OptionSetFormTest, TheDriveTabListsTheDrivesAndPreselectsTheStoredOne) {
    UseDrives({MakeImage("first", FourTrackDisc()), MakeImage("second", cdrom_test::PlainDisc())});
    std::ofstream(File("options.ini")) << "[CDOptions]\nIndex=1\n";
    Open();
    ShowDriveTab();
    EXPECT_EQ(DriveItems(), (std::vector<std::string>{"Imagefirst", "Imagesecond"}));
    EXPECT_EQ(dialog->cbCDList->ItemIndex(), 1);
    // Shown again, the list is read again rather than added to.
    dialog->PageControl1->SetActivePage(dialog->TabSheet1);
    ShowDriveTab();
    EXPECT_EQ(DriveItems().size(), 2u);
}

TEST_F(OptionSetFormTest, NoStoredDriveMeansTheFirstAndOneBeyondTheListMeansNone) {
    UseDrives({MakeImage("first", FourTrackDisc())});
    Open();
    ShowDriveTab();
    EXPECT_EQ(dialog->cbCDList->ItemIndex(), 0) << "Index -1 is taken as the first drive";
    dialog.reset();

    Options.Index = 3;
    Open();
    const std::uint32_t handle = MainForm->FCDHandle;
    ShowDriveTab();
    EXPECT_EQ(dialog->cbCDList->ItemIndex(), -1);
    dialog->btOk->Click();
    EXPECT_EQ(Options.Index, -1);
    EXPECT_EQ(MainForm->FCDHandle, handle);
}

TEST_F(OptionSetFormTest, ChoosingAnotherDriveOpensItAndListsItsTracksAfterClosingTheOldHandle) {
    UseDrives({MakeImage("first", FourTrackDisc()), MakeImage("second", cdrom_test::PlainDisc())});
    TOptionSetForm* form = Open();
    const std::uint32_t first = MainForm->FCDHandle;
    ASSERT_NE(first, 0u);
    ShowDriveTab();
    form->cbCDList->SetItemIndex(1);
    form->btOk->Click();
    EXPECT_EQ(Options.Index, 1);
    EXPECT_NE(MainForm->FCDHandle, first);
    EXPECT_EQ(platform::cdrom::CloseCDHandle(first), 0) << "the old handle was left open";
    EXPECT_EQ(MainForm->ListView1->ItemCount(), 2);
}

TEST_F(OptionSetFormTest, TogglingTheCdDatabaseReopensTheDriveAndReloadsTheList) {
    UseDrives({MakeImage("disc", FourTrackDisc())});
    TOptionSetForm* form = Open();
    const std::uint32_t first = MainForm->FCDHandle;
    MainForm->ListView1->Items(0)->SetChecked(false);
    ShowDriveTab();
    form->ckbCDDb->SetChecked(true);
    // No database answers here: the list is reloaded with its own titles.
    setenv("TRACKMILL_CDDB_SERVER", "127.0.0.1:1", 1);
    form->btOk->Click();
    unsetenv("TRACKMILL_CDDB_SERVER");
    EXPECT_TRUE(Options.CDDb);
    EXPECT_NE(MainForm->FCDHandle, first);
    EXPECT_EQ(platform::cdrom::CloseCDHandle(first), 0) << "the old handle was left open";
    ASSERT_EQ(MainForm->ListView1->ItemCount(), 4);
    EXPECT_TRUE(MainForm->ListView1->Items(0)->Checked()) << "the list was read again";
}

TEST_F(OptionSetFormTest, BrowseShowsTheChosenFolderAsGiven) {
    TOptionSetForm* form = Open();
    std::string prompt;
    std::string initial;
    auto previous =
        framework::SetFolderResponder([&](const std::string& p, const std::string& i) -> std::optional<std::string> {
            prompt = p;
            initial = i;
            return std::string("/srv/music");
        });
    form->btBrowser->Click();
    EXPECT_EQ(prompt, "请选择保存MP3和WAV文件的目录：");
    EXPECT_EQ(initial, Slashed());
    EXPECT_EQ(form->editOutputDir->Text(), "/srv/music");
    framework::SetFolderResponder([](const std::string&, const std::string&) { return std::optional<std::string>(); });
    form->btBrowser->Click();
    EXPECT_EQ(form->editOutputDir->Text(), "/srv/music") << "cancel keeps the folder";
    framework::SetFolderResponder(previous);
}

TEST_F(OptionSetFormTest, TheMainWindowsOptionsActionOpensItCentredAndModal) {
    TMainForm* main = StartMainForm();
    main->SetBounds(100, 50, 545, 478);
    ModalScript script;
    win::RECT shown{};
    script.Next<TOptionSetForm>([&](TOptionSetForm& form) {
        shown = form.BoundsRect();
        EXPECT_FALSE(win::IsWindowEnabled(main->Handle())) << "the main window waits";
        form.cbStereoMode->SetItemIndex(0);
        form.btOk->Click();
    });
    main->ActionOptionSet->Execute();
    EXPECT_EQ(script.Waiting(), 0u);
    EXPECT_EQ(Options.StereoMode, 0);
    EXPECT_EQ(shown.left, 100 + (545 - (shown.right - shown.left)) / 2);
    EXPECT_EQ(shown.top, 50 + (478 - (shown.bottom - shown.top)) / 2);
}

TEST_F(OptionSetFormTest, DrawsItsThreeTabsToPictures) {
    UseDrives({MakeImage("disc", FourTrackDisc())});
    TOptionSetForm* form = Open();
    const std::string base = std::string(TRACKMILL_BIN_DIR) + "/../windows-options-";
    EXPECT_EQ(testdriver::DumpWindowPng(form->Handle(), base + "output.png"), "");
    form->PageControl1->SetActivePage(form->TabSheet2);
    testdriver::PumpUntilIdle();
    EXPECT_EQ(testdriver::DumpWindowPng(form->Handle(), base + "mp3.png"), "");
    ShowDriveTab();
    EXPECT_EQ(testdriver::DumpWindowPng(form->Handle(), base + "drive.png"), "");
}

}  // namespace
