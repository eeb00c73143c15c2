// The compression window: its stored layout and pictures, the settings it restores and stores the moment they are
// chosen, the file list with its buttons, the model and rate lists, and what reaches the progress window.
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "KelmFixture.h"
#include "platform/framework/TIniFile.h"
#include "platform/framework/controls/BitBtn.h"
#include "platform/framework/controls/Button.h"
#include "platform/framework/controls/ComboBox.h"
#include "platform/framework/controls/Edit.h"
#include "platform/framework/controls/GroupBox.h"
#include "platform/framework/controls/Image.h"
#include "platform/framework/controls/ListView.h"
#include "platform/framework/controls/RadioButton.h"
#include "platform/framework/menus/Action.h"
#include "platform/testing/InputInjection.h"
#include "platform/testing/MessagePump.h"
#include "platform/testing/Screen.h"
#include "platform/user/Clipboard.h"
#include "platform/user/Messages.h"
#include "platform/user/Window.h"
#include "tests/support/FileBytes.h"
#include "tests/support/WavFixture.h"
#include "trackmill/app/options/OptionsSetting.h"
#include "trackmill/app/windows/KelmCompress.h"
#include "trackmill/app/windows/KelmProcess.h"
#include "trackmill/app/windows/MainForm.h"

using framework::TListView;

namespace {

std::vector<std::string> Items(framework::TComboBox* combo) {
    std::vector<std::string> items;
    for (int i = 0; i < combo->Items().Count(); ++i) items.push_back(combo->Items().Strings(i));
    return items;
}

// The row as shown: name, folder, size.
std::vector<std::string> Row(TListView* list, int index) {
    framework::TListItem* item = list->Items(index);
    return {item->Caption(), item->SubItems().Strings(0), item->SubItems().Strings(1)};
}

bool Near(win::COLORREF colour, int r, int g, int b, int tolerance) {
    return std::abs(static_cast<int>(win::GetRValue(colour)) - r) <= tolerance &&
           std::abs(static_cast<int>(win::GetGValue(colour)) - g) <= tolerance &&
           std::abs(static_cast<int>(win::GetBValue(colour)) - b) <= tolerance;
}

win::COLORREF PixelOf(framework::TControl* control, int x, int y) {
    const win::POINT at = control->ClientToScreen(win::POINT{x, y});
    return testdriver::ScreenPixel(at.x, at.y);
}

const std::vector<std::string> LarkRates{"12K bps", "16K bps", "24K bps"};
const std::vector<std::string> FinchRates{"16K bps", "20K bps", "24K bps"};

class KelmCompressTest : public KelmWindowsTest {
  protected:
    // Runs a look at the window as the script's next step.
    void Look(std::function<void(TfrmKelmCompress&)> look, const std::string& name = "look") {
        script.Then([this] { return Compress() != nullptr && Process() == nullptr; },
                    [this, look] {
                        LoopScript::Settle();
                        look(*Compress());
                    },
                    name);
    }
    void Key(int key, bool control = false) {
        script.Then([this] { return Compress() != nullptr; },
                    [key, control] {
                        if (control) testdriver::PressKey(win::VK_CONTROL);
                        testdriver::PressKey(key);
                        testdriver::ReleaseKey(key);
                        if (control) testdriver::ReleaseKey(win::VK_CONTROL);
                    },
                    "key " + std::to_string(key));
    }
    // Until the count-th box has been shown and answered: the window takes clicks again.
    void AwaitBoxAnswered(std::size_t count) {
        script.Then(
            [this, count] {
                return boxes.Shown().size() == count && Compress() != nullptr &&
                       win::IsWindowEnabled(Compress()->Handle());
            },
            [] {}, "box answered");
    }
    void Click(std::function<framework::TControl*(TfrmKelmCompress&)> control, const std::string& name) {
        script.Then([this] { return Compress() != nullptr && Process() == nullptr; },
                    [this, control] { ClickOn(control(*Compress())); }, "click " + name);
    }
    // Clicks a row of the file list, with Ctrl held when adding to the selection.
    void ClickRow(int index, bool control) {
        script.Then([this] { return Compress() != nullptr; },
                    [this, index, control] {
                        TListView* list = Compress()->lvSource;
                        const int y = list->HeaderHeight() + list->RowHeight() * index + list->RowHeight() / 2;
                        const win::POINT at = list->ClientToScreen(win::POINT{40, y + 2});
                        if (control) testdriver::PressKey(win::VK_CONTROL);
                        testdriver::Click(at);
                        if (control) testdriver::ReleaseKey(win::VK_CONTROL);
                    },
                    "row " + std::to_string(index));
    }
};

TEST_F(KelmCompressTest, TheWindowAsStoredWithItsDecodedPicturesAndTheDefaultSettings) {
    Start();
    const std::string png = std::string(TRACKMILL_BIN_DIR) + "/../kelm-compress.png";
    std::string pictureError = "not taken";
    Look([&](TfrmKelmCompress& w) {
        EXPECT_EQ(w.Caption(), "KELM语音压缩");
        EXPECT_EQ(w.Width(), 427);
        EXPECT_EQ(w.Height(), 416);
        // Centred on the main window.
        EXPECT_EQ(w.Left() + w.Width() / 2, MainForm->Left() + MainForm->Width() / 2);
        EXPECT_EQ(w.GroupBox1->Caption(), "请选择要压缩的WAV文件");
        EXPECT_EQ(w.GroupBox2->Caption(), "压缩后目标文件的路径");
        EXPECT_EQ(w.GroupBox3->Caption(), "压缩方法");
        EXPECT_EQ(w.GroupBox1->Font().Name(), "宋体");
        EXPECT_EQ(w.GroupBox1->Font().Height(), -12);
        EXPECT_EQ(w.bAdd->Caption(), "增加↓");
        EXPECT_EQ(w.bDelete->Caption(), "删除↑");
        EXPECT_EQ(w.bClear->Caption(), "全清");
        EXPECT_EQ(w.aDelete->Caption(), "删除");
        EXPECT_EQ(w.bDelete->Action(), w.aDelete);
        EXPECT_EQ(w.bClear->Action(), w.aClear);
        for (framework::TBitBtn* button : {w.bAdd, w.bDelete, w.bClear}) {
            EXPECT_EQ(button->Glyph().Width(), 16);
            EXPECT_EQ(button->Glyph().Height(), 16);
        }
        ASSERT_EQ(w.lvSource->ColumnCount(), 3);
        EXPECT_EQ(w.lvSource->Columns(0)->Caption(), "文件名称");
        EXPECT_EQ(w.lvSource->Columns(0)->Width(), 100);
        EXPECT_EQ(w.lvSource->Columns(1)->Caption(), "路径");
        EXPECT_EQ(w.lvSource->Columns(1)->Width(), 150);
        EXPECT_EQ(w.lvSource->Columns(2)->Caption(), "大小");
        EXPECT_EQ(w.lvSource->Columns(2)->Width(), 70);
        EXPECT_EQ(w.lvSource->Columns(2)->Alignment(), framework::taRightJustify);
        EXPECT_TRUE(w.lvSource->MultiSelect());
        EXPECT_TRUE(w.lvSource->RowSelect());
        EXPECT_EQ(w.RadioButton1->Caption(), "与源文件同一目录");
        EXPECT_EQ(w.RadioButton2->Caption(), "以下目录");
        EXPECT_TRUE(w.RadioButton2->Checked());
        EXPECT_FALSE(w.RadioButton1->Checked());
        EXPECT_TRUE(w.eDest->Enabled());
        EXPECT_TRUE(w.bBrowse->Enabled());
        EXPECT_EQ(w.bBrowse->Caption(), "...");
        EXPECT_EQ(w.eDest->Text(), Slashed()) << "no folder stored: the program's own";
        EXPECT_EQ(Items(w.cbName), (std::vector<std::string>{"Lark", "Finch"}));
        EXPECT_EQ(w.cbName->Style(), framework::csDropDown);
        EXPECT_EQ(w.cbName->Text(), "Finch");
        EXPECT_EQ(Items(w.cbRate), FinchRates);
        EXPECT_EQ(w.cbRate->Text(), "24K bps");
        EXPECT_EQ(w.bCompress->Caption(), "压缩");
        EXPECT_EQ(w.bClose->Caption(), "关闭");
        // Both buttons of the empty list are off once the window has gone idle.
        EXPECT_FALSE(w.bDelete->Enabled());
        EXPECT_FALSE(w.bClear->Enabled());

        // The pictures, decoded from the layout's JPEG data: the chip's dark body and the page's white.
        EXPECT_EQ(w.Image1->Picture().Width(), 32);
        EXPECT_EQ(w.Image1->Picture().Height(), 32);
        EXPECT_EQ(w.Image2->Picture().Width(), 48);
        EXPECT_EQ(w.Image2->Picture().Height(), 48);
        EXPECT_TRUE(Near(PixelOf(w.Image1, 10, 10), 52, 58, 72, 24)) << std::hex << PixelOf(w.Image1, 10, 10);
        EXPECT_TRUE(Near(PixelOf(w.Image2, 14, 34), 255, 255, 255, 16)) << std::hex << PixelOf(w.Image2, 14, 34);
        EXPECT_TRUE(Near(PixelOf(w.Image2, 38, 30), 230, 120, 20, 40)) << std::hex << PixelOf(w.Image2, 38, 30);
        pictureError = testdriver::DumpScreenPng(png);
    });
    CloseWindow();
    RunCompressionWindow();
    EXPECT_EQ(pictureError, "");
    EXPECT_TRUE(boxes.Shown().empty());
    // Opening and closing stored only what the window fills in when nothing was stored.
    EXPECT_EQ(Options.OutputIndex, 1);
    EXPECT_EQ(Options.KelmOutputFolder, Slashed());
    EXPECT_EQ(Options.EncodeName, 1);
    EXPECT_EQ(Options.EncodeRate, 2);
}

TEST_F(KelmCompressTest, EachStoredChoiceIsShownAgain) {
    Start("[KelmOptions]\nOutputIndex=0\nOutputFolder=/srv/speech/\nEncodeName=0\nEncodeRate=1\n");
    Look([](TfrmKelmCompress& w) {
        EXPECT_TRUE(w.RadioButton1->Checked());
        EXPECT_FALSE(w.RadioButton2->Checked());
        EXPECT_FALSE(w.eDest->Enabled());
        EXPECT_EQ(w.eDest->Text(), "/srv/speech/");
        EXPECT_FALSE(w.bBrowse->Enabled());
        EXPECT_EQ(w.cbName->Text(), "Lark");
        EXPECT_EQ(Items(w.cbRate), LarkRates);
        EXPECT_EQ(w.cbRate->ItemIndex(), 1);
        EXPECT_EQ(w.cbRate->Text(), "16K bps");
    });
    CloseWindow();
    RunCompressionWindow();
    EXPECT_EQ(Options.KelmOutputFolder, "/srv/speech/");

    Options.OutputIndex = 1;
    Look([](TfrmKelmCompress& w) {
        EXPECT_TRUE(w.RadioButton2->Checked());
        EXPECT_TRUE(w.eDest->Enabled());
        EXPECT_EQ(w.eDest->Text(), "/srv/speech/");
    });
    CloseWindow();
    RunCompressionWindow();

    // A hand-edited value that names neither choice leaves the designed state and stores nothing.
    Options.OutputIndex = 7;
    Options.EncodeName = 5;
    Options.EncodeRate = 9;
    Look([](TfrmKelmCompress& w) {
        EXPECT_TRUE(w.RadioButton2->Checked());
        EXPECT_EQ(w.eDest->Text(), "/srv/speech/");
        EXPECT_EQ(w.cbName->ItemIndex(), -1);
        EXPECT_EQ(w.cbRate->ItemIndex(), -1);
        EXPECT_EQ(Items(w.cbRate), FinchRates);
    });
    CloseWindow();
    RunCompressionWindow();
    EXPECT_EQ(Options.OutputIndex, 7);
    EXPECT_EQ(Options.KelmOutputFolder, "/srv/speech/");
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(KelmCompressTest, FilesAreAddedOneByOneDeletedBySelectionAndCleared) {
    Start();
    testsupport::writeFileBytes(In("a.wav"), testsupport::Bytes(1263616, 0));
    testsupport::writeFileBytes(In("b.wav"), testsupport::Bytes(1023, 0));
    testsupport::writeFileBytes(In("c.wav"), {});
    AddFile(In("a.wav"));
    AddFile(In("b.wav"));
    AddFile(In("c.wav"));
    AddFile(In("gone.wav"));
    script.Then([this] { return Compress() != nullptr && fileDialogs.Waiting() == 0; },
                [this] {
                    fileDialogs.Cancel();
                    ClickOn(Compress()->bAdd);
                },
                "a cancelled dialog");
    Look([this](TfrmKelmCompress& w) {
        ASSERT_EQ(w.lvSource->ItemCount(), 4);
        EXPECT_EQ(Row(w.lvSource, 0), (std::vector<std::string>{"a.wav", In(""), "1,234 KB"}));
        EXPECT_EQ(Row(w.lvSource, 1), (std::vector<std::string>{"b.wav", In(""), "1 KB"}));
        EXPECT_EQ(Row(w.lvSource, 2), (std::vector<std::string>{"c.wav", In(""), "0 KB"}));
        EXPECT_EQ(Row(w.lvSource, 3), (std::vector<std::string>{"gone.wav", In(""), "-1"}));
        EXPECT_FALSE(w.bDelete->Enabled()) << "nothing selected yet";
        EXPECT_TRUE(w.bClear->Enabled());
    });
    ClickRow(0, false);
    ClickRow(2, true);
    Look([](TfrmKelmCompress& w) {
        EXPECT_EQ(w.lvSource->SelCount(), 2);
        EXPECT_TRUE(w.bDelete->Enabled());
    });
    Click([](TfrmKelmCompress& w) { return w.bDelete; }, "删除↑");
    Look([](TfrmKelmCompress& w) {
        ASSERT_EQ(w.lvSource->ItemCount(), 2);
        EXPECT_EQ(w.lvSource->Items(0)->Caption(), "b.wav");
        EXPECT_EQ(w.lvSource->Items(1)->Caption(), "gone.wav");
        EXPECT_FALSE(w.bDelete->Enabled());
    });
    Click([](TfrmKelmCompress& w) { return w.bClear; }, "全清");
    Look([](TfrmKelmCompress& w) {
        EXPECT_EQ(w.lvSource->ItemCount(), 0);
        EXPECT_FALSE(w.bClear->Enabled());
    });
    // An empty list starts nothing.
    Click([](TfrmKelmCompress& w) { return w.bCompress; }, "压缩 with no files");
    CloseWindow();
    RunCompressionWindow();
    EXPECT_FALSE(watch.seen) << "a progress window ran";
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(KelmCompressTest, TheModelRefillsTheRatesAndEveryPickIsStoredAtOnce) {
    Start();
    Click([](TfrmKelmCompress& w) { return w.cbName; }, "model");
    Key(win::VK_UP);  // Finch -> Lark
    Look([](TfrmKelmCompress& w) {
        EXPECT_EQ(w.cbName->Text(), "Lark");
        EXPECT_EQ(Items(w.cbRate), LarkRates);
        EXPECT_EQ(w.cbRate->Text(), "24K bps");
        EXPECT_EQ(Options.EncodeName, 0);
        EXPECT_EQ(Options.EncodeRate, 2);
    });
    Click([](TfrmKelmCompress& w) { return w.cbRate; }, "rate");
    Key(win::VK_UP);
    Key(win::VK_UP);
    Look([](TfrmKelmCompress& w) {
        EXPECT_EQ(w.cbRate->Text(), "12K bps");
        EXPECT_EQ(Options.EncodeRate, 0);
    });
    Click([](TfrmKelmCompress& w) { return w.cbName; }, "model again");
    Key(win::VK_DOWN);  // Lark -> Finch
    Look([](TfrmKelmCompress& w) {
        EXPECT_EQ(Items(w.cbRate), FinchRates);
        EXPECT_EQ(w.cbRate->Text(), "24K bps");
        EXPECT_EQ(Options.EncodeName, 1);
    });
    CloseWindow();
    RunCompressionWindow();
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(KelmCompressTest, ARunGetsThePrefixOfTheChosenModelAndRate) {
    Start("[KelmOptions]\nOutputIndex=0\n");
    testsupport::writeWav(In("talk.wav"), std::vector<std::int16_t>(800, 100));
    boxes.Allow("文件" + In("talk.LRK") + "已经存在，要覆盖它吗？", win::IDYES);
    boxes.Allow("文件" + In("talk.FNC") + "已经存在，要覆盖它吗？", win::IDYES);
    AddFile(In("talk.wav"));
    Click([](TfrmKelmCompress& w) { return w.cbName; }, "model");
    Key(win::VK_UP);  // Lark at 24K
    CompressAndWait();
    Click([](TfrmKelmCompress& w) { return w.cbRate; }, "rate");
    Key(win::VK_UP);  // 16K
    CompressAndWait();
    Click([](TfrmKelmCompress& w) { return w.cbRate; }, "rate again");
    Key(win::VK_UP);  // 12K
    CompressAndWait();
    Click([](TfrmKelmCompress& w) { return w.cbName; }, "model again");
    Key(win::VK_DOWN);  // Finch at 24K
    Click([](TfrmKelmCompress& w) { return w.cbRate; }, "Finch rate");
    Key(win::VK_UP);  // 20K
    CompressAndWait();
    CloseWindow();
    RunCompressionWindow();
    EXPECT_EQ(watch.prefixes, (std::vector<std::string>{"teskenc.exe rc.txt 0", "teskenc.exe rc.txt 1",
                                                        "teskenc.exe rc.txt 2", "finchenc.exe 20"}));
    EXPECT_EQ(watch.commandLines.back(), "finchenc.exe 20 \"" + In("talk.wav") + "\" \"" + In("talk.FNC") + "\"");
    EXPECT_TRUE(std::filesystem::exists(In("talk.LRK")));
    EXPECT_TRUE(std::filesystem::exists(In("talk.FNC")));
}

TEST_F(KelmCompressTest, AModelOrRateNamingNoItemStartsNothingAndSaysWhy) {
    Start();
    const std::string noModel = "没有名为“Finchx”的压缩方法，请从列表中选择！";
    const std::string noRate = "请从列表中选择压缩速率！";
    boxes.Allow(noModel);
    boxes.Allow(noRate);
    testsupport::writeWav(In("talk.wav"), std::vector<std::int16_t>(800, 100));
    AddFile(In("talk.wav"));
    Click([](TfrmKelmCompress& w) { return w.cbName; }, "model");
    script.Then([this] { return Compress() != nullptr; },
                [] {
                    testdriver::PressKey(win::VK_END);
                    testdriver::ReleaseKey(win::VK_END);
                    testdriver::TypeText("x");
                },
                "type into the model");
    Look([](TfrmKelmCompress& w) {
        EXPECT_EQ(w.cbName->Text(), "Finchx");
        EXPECT_EQ(Options.EncodeName, -1);
        EXPECT_EQ(Items(w.cbRate), FinchRates) << "no model named: the rates stay";
    });
    Click([](TfrmKelmCompress& w) { return w.bCompress; }, "压缩");
    AwaitBoxAnswered(1);
    CloseWindow();
    RunCompressionWindow();
    EXPECT_FALSE(watch.seen);

    // The same from a hand-edited options.ini.
    Options.EncodeName = 1;
    Options.EncodeRate = 3;
    AddFile(In("talk.wav"));
    Click([](TfrmKelmCompress& w) { return w.bCompress; }, "压缩");
    AwaitBoxAnswered(2);
    CloseWindow();
    RunCompressionWindow();
    EXPECT_FALSE(watch.seen);
    EXPECT_FALSE(std::filesystem::exists(Out("talk.FNC")));
    EXPECT_EQ(boxes.Shown(), (std::vector<std::string>{noModel + "|提示", noRate + "|提示"}));
}

TEST_F(KelmCompressTest, TheDestinationFollowsTheRadioButtonsTheBrowserAndTheEdit) {
    Start();
    Click([](TfrmKelmCompress& w) { return w.RadioButton1; }, "beside the source");
    Look([](TfrmKelmCompress& w) {
        EXPECT_FALSE(w.eDest->Enabled());
        EXPECT_FALSE(w.bBrowse->Enabled());
        EXPECT_EQ(Options.OutputIndex, 0);
    });
    Click([](TfrmKelmCompress& w) { return w.RadioButton2; }, "into a folder");
    Look([this](TfrmKelmCompress& w) {
        EXPECT_TRUE(w.eDest->Enabled());
        EXPECT_EQ(Options.OutputIndex, 1);
        EXPECT_EQ(Options.KelmOutputFolder, Slashed());
    });
    folderAnswers = {"", File("out")};
    Click([](TfrmKelmCompress& w) { return w.bBrowse; }, "browse, cancelled");
    Look([this](TfrmKelmCompress& w) {
        EXPECT_EQ(w.eDest->Text(), Slashed());
        EXPECT_EQ(Options.KelmOutputFolder, Slashed());
    });
    Click([](TfrmKelmCompress& w) { return w.bBrowse; }, "browse");
    Look([this](TfrmKelmCompress& w) {
        EXPECT_EQ(w.eDest->Text(), File("out"));
        EXPECT_EQ(Options.KelmOutputFolder, File("out") + "/");
    });
    // What the edit shows beside the chosen "以下目录" is where the outputs go, also when typed.
    Click([](TfrmKelmCompress& w) { return w.eDest; }, "the folder edit");
    Key(win::VK_END);
    script.Then([this] { return Compress() != nullptr; }, [] { testdriver::TypeText("/more"); }, "type");
    Look([this](TfrmKelmCompress&) { EXPECT_EQ(Options.KelmOutputFolder, File("out") + "/more"); });
    CloseWindow();
    RunCompressionWindow();
    const std::string initial = Slashed();
    EXPECT_EQ(folderQuestions, (std::vector<std::string>{"请选择压缩后目标文件的路径|" + initial,
                                                         "请选择压缩后目标文件的路径|" + initial}));
}

TEST_F(KelmCompressTest, OpenedBesideTheSourceTheFolderChoiceTakesBackTheStoredFolder) {
    const std::string chosen = File("out") + "/";
    Start("[KelmOptions]\nOutputIndex=0\nOutputFolder=" + chosen + "\n");
    Look([&](TfrmKelmCompress& w) {
        EXPECT_TRUE(w.RadioButton1->Checked());
        EXPECT_EQ(w.eDest->Text(), chosen);
    });
    Click([](TfrmKelmCompress& w) { return w.RadioButton2; }, "into a folder");
    Look([&](TfrmKelmCompress& w) {
        EXPECT_EQ(w.eDest->Text(), chosen);
        EXPECT_EQ(Options.OutputIndex, 1);
        EXPECT_EQ(Options.KelmOutputFolder, chosen);
    });
    CloseWindow();
    RunCompressionWindow();
    MainForm->Close();
    testdriver::PumpUntilIdle();
    EXPECT_EQ(framework::TIniFile(File("options.ini")).ReadString("KelmOptions", "OutputFolder", ""), chosen);
}

TEST_F(KelmCompressTest, AFolderThatWouldNotReadBackIsRefusedWhenTaken) {
    const std::string refusal = "目录名称的开头和结尾不能是空格，也不能含有换行等控制字符，请重新选择！|错误";
    boxes.Allow("目录名称的开头和结尾不能是空格，也不能含有换行等控制字符，请重新选择！");
    std::filesystem::create_directories(folder / "out ");
    testsupport::writeFileBytes(In("talk.wav"), {});
    Start();
    AddFile(In("talk.wav"));
    Click([](TfrmKelmCompress& w) { return w.eDest; }, "the folder edit");
    Key('A', true);
    script.Then([this] { return Compress() != nullptr; }, [this] { testdriver::TypeText((File("out") + " ").c_str()); },
                "type a folder ending in a blank");
    Click([](TfrmKelmCompress& w) { return w.bCompress; }, "press 压缩");
    Look([&](TfrmKelmCompress&) {
        EXPECT_EQ(boxes.Shown(), std::vector<std::string>{refusal});
        EXPECT_FALSE(watch.seen) << "no run into a folder that the next start would not find";
        EXPECT_NE(Options.KelmOutputFolder, File("out") + " ");
    });
    Click([](TfrmKelmCompress& w) { return w.RadioButton1; }, "beside the source");
    Click([](TfrmKelmCompress& w) { return w.RadioButton2; }, "into the folder typed before");
    Look([&](TfrmKelmCompress&) {
        EXPECT_EQ(boxes.Count(refusal.substr(0, refusal.find('|'))), 2);
        EXPECT_NE(Options.KelmOutputFolder, File("out") + " ");
    });
    // A folder whose name holds a line break, chosen in the browser.
    const std::string broken = File("out\n[Mp3Options]\nBitRate=8");
    std::filesystem::create_directories(broken);
    folderAnswers = {broken};
    Click([](TfrmKelmCompress& w) { return w.bBrowse; }, "browse");
    Look([&](TfrmKelmCompress& w) {
        EXPECT_EQ(boxes.Count(refusal.substr(0, refusal.find('|'))), 3);
        EXPECT_EQ(w.eDest->Text(), File("out") + " ");
        EXPECT_NE(Options.KelmOutputFolder, broken + "/");
    });
    Click([](TfrmKelmCompress& w) { return w.eDest; }, "the folder edit");
    Key(win::VK_END);
    Key(win::VK_BACK);
    Look([&](TfrmKelmCompress&) { EXPECT_EQ(Options.KelmOutputFolder, File("out")); });
    CloseWindow();
    RunCompressionWindow();
    MainForm->Close();
    testdriver::PumpUntilIdle();
    const framework::TIniFile ini(File("options.ini"));
    EXPECT_EQ(ini.ReadString("KelmOptions", "OutputFolder", ""), File("out"));
    EXPECT_EQ(ini.ReadInteger("Mp3Options", "BitRate", 0), 128);
}

TEST_F(KelmCompressTest, ALongFileListScrollsAndTheFolderEditTakesAPaste) {
    Start();
    for (int i = 0; i < 15; ++i) {
        const std::string name = In("talk" + std::to_string(i) + ".wav");
        testsupport::writeFileBytes(name, {});
        AddFile(name);
    }
    Look([](TfrmKelmCompress& w) {
        EXPECT_EQ(w.lvSource->ItemCount(), 15);
        EXPECT_TRUE(w.lvSource->ScrollBarShown());
        EXPECT_EQ(w.lvSource->TopIndex(), 0);
    });
    script.Then([this] { return Compress() != nullptr; },
                [this] {
                    TListView* list = Compress()->lvSource;
                    testdriver::Wheel(list->ClientToScreen(win::POINT{60, 60}), -1);
                },
                "wheel");
    Look([](TfrmKelmCompress& w) { EXPECT_EQ(w.lvSource->TopIndex(), 3); });
    ClickRow(0, false);
    Key(win::VK_END);
    Look([](TfrmKelmCompress& w) {
        EXPECT_EQ(w.lvSource->TopIndex(), 15 - w.lvSource->VisibleRows());
        EXPECT_TRUE(w.lvSource->Items(14)->Selected());
    });
    // A folder copied elsewhere and pasted over the whole edit.
    script.Then([this] { return Compress() != nullptr; }, [this] { user::SetClipboardText(File("out")); },
                "copy a folder");
    Click([](TfrmKelmCompress& w) { return w.eDest; }, "the folder edit");
    Key('A', true);
    Key('V', true);
    Look([this](TfrmKelmCompress& w) {
        EXPECT_EQ(w.eDest->Text(), File("out"));
        EXPECT_EQ(Options.KelmOutputFolder, File("out"));
    });
    CloseWindow();
    RunCompressionWindow();
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(KelmCompressTest, SettingsSurviveReopeningTheWindowAndRestartingTheProgram) {
    Start();
    Click([](TfrmKelmCompress& w) { return w.RadioButton1; }, "beside the source");
    Click([](TfrmKelmCompress& w) { return w.cbName; }, "model");
    Key(win::VK_UP);  // Lark
    Click([](TfrmKelmCompress& w) { return w.cbRate; }, "rate");
    Key(win::VK_UP);  // 16K
    CloseWindow();
    RunCompressionWindow();

    auto expectChoices = [this] {
        Look([](TfrmKelmCompress& w) {
            EXPECT_TRUE(w.RadioButton1->Checked());
            EXPECT_EQ(w.cbName->Text(), "Lark");
            EXPECT_EQ(Items(w.cbRate), LarkRates);
            EXPECT_EQ(w.cbRate->Text(), "16K bps");
        });
        CloseWindow();
        RunCompressionWindow();
    };
    expectChoices();

    // The program ends: the options reach options.ini; it starts again from that file.
    MainForm->Close();
    testdriver::PumpUntilIdle();
    const framework::TIniFile ini(File("options.ini"));
    EXPECT_EQ(ini.ReadInteger("KelmOptions", "OutputIndex", -9), 0);
    EXPECT_EQ(ini.ReadInteger("KelmOptions", "EncodeName", -9), 0);
    EXPECT_EQ(ini.ReadInteger("KelmOptions", "EncodeRate", -9), 1);
    app.reset();
    MainForm = nullptr;
    testdriver::PumpUntilIdle();
    Options = TOptionsSetting{};
    app = std::make_unique<framework::TApplication>(nullptr);
    app->SetExeName(File("trackmill"));
    script.Install();
    StartMainForm();
    expectChoices();
    EXPECT_TRUE(boxes.Shown().empty());
}

}  // namespace
