// Modal runs: the window they were opened from owns them, takes no input while they run and gets the keyboard
// back afterwards.
#include "ControlsFixture.h"
#include "platform/framework/controls/Button.h"
#include "platform/framework/controls/Edit.h"
#include "platform/framework/forms/MessageBox.h"
#include "platform/testing/InputInjection.h"
#include "platform/testing/MessagePump.h"
#include "platform/user/Input.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Messages.h"
#include "platform/user/Window.h"
#include "platform/user/WindowStyles.h"

using namespace framework;

namespace {

constexpr win::UINT kLook = win::WM_USER + 40;

struct ModalRun {
    TForm* main = nullptr;
    TForm* dialog = nullptr;
    TButton* mainButton = nullptr;
    int mainClicks = 0;
    bool started = false;
    win::HWND owner = nullptr;
    win::HWND frontAtOverlap = nullptr;
    bool mainVisible = false;
    bool mainEnabled = true;

    void MainClicked(TObject*) { ++mainClicks; }

    // Runs once the dialog is up: everything a user might try on the main window, then a look at the result.
    void Started(TObject*) {
        if (started) return;
        started = true;
        testdriver::Click(mainButton->ClientToScreen(win::POINT{10, 10}));
        user::InputClose(main->Handle());
        win::PostMessage(dialog->Handle(), kLook, 0, 0);
    }

    void Look(TMessage&) {
        owner = win::GetWindow(dialog->Handle(), win::GW_OWNER);
        frontAtOverlap = win::GetAncestor(win::WindowFromPoint(win::POINT{160, 160}), win::GA_ROOT);
        mainVisible = main->Visible();
        mainEnabled = win::IsWindowEnabled(main->Handle()) != win::FALSE;
        // Alt+F4 closes the dialog, the window the keyboard is in.
        testdriver::PressKey(win::VK_MENU);
        testdriver::PressKey(win::VK_F4);
        testdriver::ReleaseKey(win::VK_F4);
        testdriver::ReleaseKey(win::VK_MENU);
    }
};

}  // namespace

TEST_F(ControlsTest, AModalFormIsOwnedByItsOpenerWhichTakesNoClickOrCloseAndGetsItsFocusBack) {
    ModalRun run;
    run.main = ShowForm();
    run.mainButton = new TButton(run.main);
    run.mainButton->SetParent(run.main);
    run.mainButton->SetBounds(300, 200, 75, 25);
    run.mainButton->OnClick = TNotifyEvent::Bind<&ModalRun::MainClicked>(&run);
    auto* edit = new TEdit(run.main);
    edit->SetParent(run.main);
    edit->SetBounds(10, 10, 120, 21);
    testdriver::PumpUntilIdle();
    testdriver::Click(Centre(*edit));
    testdriver::PumpUntilIdle();
    ASSERT_EQ(win::GetFocus(), edit->Handle());

    TForm dialog(app.get());
    dialog.SetBounds(150, 150, 200, 120);
    run.dialog = &dialog;
    dialog.OnActivate = TNotifyEvent::Bind<&ModalRun::Started>(&run);
    dialog.SetMessageHandler(kLook, TMessageHandler::Bind<&ModalRun::Look>(&run));

    EXPECT_EQ(dialog.ShowModal(), mrCancel);
    EXPECT_EQ(run.owner, run.main->Handle());
    EXPECT_EQ(run.frontAtOverlap, dialog.Handle()) << "a click on the owner left the dialog in front";
    EXPECT_EQ(run.mainClicks, 0);
    EXPECT_TRUE(run.mainVisible) << "the close request reached the disabled main window";
    EXPECT_FALSE(run.mainEnabled);
    EXPECT_FALSE(app->Terminated());

    testdriver::PumpUntilIdle();
    EXPECT_TRUE(win::IsWindowEnabled(run.main->Handle()));
    EXPECT_EQ(win::GetFocus(), edit->Handle()) << "the control that had the keyboard has it again";

    // A message box gives it back as well.
    boxes.Expect("保存しました", win::IDOK);
    ShowMessage("保存しました");
    testdriver::PumpUntilIdle();
    EXPECT_EQ(win::GetFocus(), edit->Handle());
}

TEST_F(ControlsTest, AltF4ClosesTheActiveWindowAndAnOwnerCannotBecomeOwnedByItsOwnWindow) {
    TForm* main = ShowForm();
    TForm* second = nullptr;
    app->CreateForm(second);
    second->SetBounds(120, 120, 200, 100);
    second->Show();
    testdriver::PumpUntilIdle();
    win::SetWindowLong(second->Handle(), win::GWL_HWNDPARENT, reinterpret_cast<win::LONG_PTR>(main->Handle()));
    EXPECT_EQ(
        win::SetWindowLong(main->Handle(), win::GWL_HWNDPARENT, reinterpret_cast<win::LONG_PTR>(second->Handle())), 0);
    EXPECT_EQ(win::GetWindow(main->Handle(), win::GW_OWNER), nullptr);

    // The owner activated again keeps its owned window in front of it.
    testdriver::Click(win::POINT{450, 350});
    testdriver::PumpUntilIdle();
    EXPECT_EQ(win::GetActiveWindow(), main->Handle());
    EXPECT_EQ(win::GetAncestor(win::WindowFromPoint(win::POINT{150, 150}), win::GA_ROOT), second->Handle());

    second->Show();
    testdriver::PumpUntilIdle();
    testdriver::PressKey(win::VK_MENU);
    testdriver::PressKey(win::VK_F4);
    testdriver::ReleaseKey(win::VK_F4);
    testdriver::ReleaseKey(win::VK_MENU);
    testdriver::PumpUntilIdle();
    EXPECT_FALSE(second->Visible());
    EXPECT_TRUE(main->Visible());
    EXPECT_FALSE(app->Terminated());
}
