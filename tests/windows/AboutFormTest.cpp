// The about window: its texts and picture, the link that reaches the desktop's handler with its own text, and
// the main window's menu item that opens it.
#include "ModalScript.h"
#include "WindowsFixture.h"
#include "platform/framework/controls/Button.h"
#include "platform/framework/controls/Image.h"
#include "platform/framework/controls/Label.h"
#include "platform/framework/menus/MenuItem.h"
#include "platform/testing/InputInjection.h"
#include "platform/testing/MessagePump.h"
#include "platform/testing/Screen.h"
#include "trackmill/app/windows/AboutForm.h"
#include "trackmill/app/windows/MainForm.h"

namespace {

class AboutFormTest : public WindowsTest {};

TEST_F(AboutFormTest, ShowsTheProgramItsVersionAndTheMakersAddresses) {
    TfrmAbout about(nullptr);
    about.Show();
    testdriver::PumpUntilIdle();
    EXPECT_EQ(about.Caption(), "关于");
    EXPECT_EQ(about.Width(), 242);
    EXPECT_EQ(about.Height(), 196);
    EXPECT_EQ(about.Label1->Caption(), "音频抓轨处理软件");
    EXPECT_EQ(about.Label2->Caption(), "版本: 1.0");
    EXPECT_EQ(about.Label3->Caption(), "电子邮件：");
    EXPECT_NE(about.lbEmail->Caption().find('@'), std::string::npos);
    EXPECT_FALSE(about.lbEAddress->Visible());
    EXPECT_EQ(about.lbEAddress->Font().Color(), framework::clBlue);
    EXPECT_EQ(about.lbEAddress->Cursor(), framework::crHandPoint);
    EXPECT_EQ(about.Image1->Picture().Width(), 73);
    EXPECT_EQ(about.Image1->Picture().Height(), 49);
    EXPECT_EQ(about.Button1->Caption(), "确定");
    EXPECT_EQ(testdriver::DumpWindowPng(about.Handle(), std::string(TRACKMILL_BIN_DIR) + "/../windows-about.png"), "");
}

TEST_F(AboutFormTest, AClickOnTheAddressOpensItsTextInTheDesktopsHandler) {
    const std::string opened = ArgumentRecorder("xdg-open");
    TfrmAbout about(nullptr);
    about.Show();
    about.lbEAddress->SetVisible(true);
    testdriver::PumpUntilIdle();
    framework::TLabel* link = about.lbEAddress;
    testdriver::Click(link->ClientToScreen(win::POINT{4, link->Height() / 2}));
    testdriver::PumpUntilIdle();
    const std::string line = link->Caption() + "\n";
    EXPECT_EQ(AwaitFile(opened), std::vector<std::uint8_t>(line.begin(), line.end()));
}

TEST_F(AboutFormTest, TheMainWindowsMenuItemOpensItModallyAndOkClosesIt) {
    TMainForm* main = StartMainForm();
    ModalScript script;
    bool shown = false;
    script.Next<TfrmAbout>([&](TfrmAbout& about) {
        shown = true;
        EXPECT_EQ(about.Owner(), main);
        about.Button1->Click();
    });
    main->mnuAbout->Click();
    EXPECT_TRUE(shown);
    EXPECT_TRUE(boxes.Shown().empty());
}

}  // namespace
