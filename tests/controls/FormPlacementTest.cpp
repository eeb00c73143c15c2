// Form geometry and placement, releasing and the close actions, and chained WindowProc hooks.
#include <string>
#include <vector>

#include "ControlsFixture.h"
#include "platform/framework/controls/Button.h"
#include "platform/framework/forms/Screen.h"
#include "platform/framework/menus/MainMenu.h"
#include "platform/framework/menus/MenuItem.h"
#include "platform/testing/MessagePump.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Messages.h"
#include "platform/user/SystemMetrics.h"
#include "platform/user/Window.h"

using namespace framework;

namespace {

struct CloseChoice {
    TCloseAction action = caHide;
    int closes = 0;
    void Decide(TObject*, TCloseAction& chosen) {
        ++closes;
        chosen = action;
    }
};

// A hook that notes its name for every click message and passes the message on.
class NamedHook {
  public:
    NamedHook(TControl* control, std::string name, std::vector<std::string>& log)
        : control_(control), name_(std::move(name)), log_(log), saved_(control->WindowProc()) {
        control->SetWindowProc(TWndMethod::Bind<&NamedHook::Proc>(this));
    }
    void Restore() { control_->SetWindowProc(saved_); }
    void Proc(TMessage& message) {
        if (message.Msg == win::WM_LBUTTONDOWN) log_.push_back(name_);
        saved_(message);
    }

  private:
    TControl* control_;
    std::string name_;
    std::vector<std::string>& log_;
    TWndMethod saved_;
};

}  // namespace

TEST_F(ControlsTest, AClientSizeSetBeforeTheWindowExistsIsTheClientAreaItGets) {
    TForm* form = nullptr;
    app->CreateForm(form);
    auto* menu = new TMainMenu(form);
    auto* item = new TMenuItem(form);
    item->SetCaption("文件");
    menu->Items()->Add(item);
    form->SetMenu(menu);
    form->SetBorderStyle(bsDialog);
    form->SetClientSize(300, 200);
    form->Show();
    testdriver::PumpUntilIdle();
    win::RECT client;
    win::GetClientRect(form->Handle(), &client);
    EXPECT_EQ(client.right, 300);
    EXPECT_EQ(client.bottom, 200);
}

TEST_F(ControlsTest, ScreenCentreAndOwnerCentrePlaceTheFormOnFirstShow) {
    user::SetScreenSize(800, 600);
    TForm* main = nullptr;
    app->CreateForm(main);
    main->SetBounds(0, 0, 400, 300);
    main->SetPosition(poScreenCenter);
    main->Show();
    EXPECT_EQ(main->Left(), 200);
    EXPECT_EQ(main->Top(), 150);

    TForm child(main);
    child.SetBounds(0, 0, 100, 50);
    child.SetPosition(poOwnerFormCenter);
    child.Show();
    EXPECT_EQ(child.Left(), 200 + 150);
    EXPECT_EQ(child.Top(), 150 + 125);
}

TEST_F(ControlsTest, OnCloseDecidesBetweenHidingFreeingAndStayingOpen) {
    ShowForm();
    auto* other = new TForm(app.get());
    CloseChoice choice;
    other->OnClose = TCloseEvent::Bind<&CloseChoice::Decide>(&choice);
    other->Show();

    choice.action = caNone;
    other->Close();
    EXPECT_TRUE(other->Visible());
    choice.action = caHide;
    other->Close();
    EXPECT_FALSE(other->Visible());
    const int forms = Screen->FormCount();
    choice.action = caFree;
    other->Close();
    EXPECT_EQ(Screen->FormCount(), forms) << "freed only once the queued messages are handled";
    testdriver::PumpUntilIdle();
    EXPECT_EQ(Screen->FormCount(), forms - 1);
    EXPECT_EQ(choice.closes, 3);
}

TEST_F(ControlsTest, ChainedHooksRunLastInstalledFirstAndUnwindInReverse) {
    TForm* form = ShowForm();
    auto* button = new TButton(form);
    button->SetParent(form);
    std::vector<std::string> log;
    NamedHook first(button, "first", log);
    NamedHook second(button, "second", log);
    button->Perform(win::WM_LBUTTONDOWN, 0, win::MAKELPARAM(5, 5));
    button->Perform(win::WM_LBUTTONUP, 0, win::MAKELPARAM(5, 5));
    EXPECT_EQ(log, (std::vector<std::string>{"second", "first"}));
    second.Restore();
    first.Restore();
    log.clear();
    button->Perform(win::WM_LBUTTONDOWN, 0, win::MAKELPARAM(5, 5));
    button->Perform(win::WM_LBUTTONUP, 0, win::MAKELPARAM(5, 5));
    EXPECT_TRUE(log.empty());
}

TEST_F(ControlsTest, AWindowProcHookSurvivesTheWindowBeingMadeAgain) {
    TForm* form = ShowForm();
    auto* button = new TButton(form);
    button->SetParent(form);
    const win::HWND before = button->Handle();
    std::vector<std::string> log;
    NamedHook hook(button, "hook", log);
    button->RecreateWnd();
    EXPECT_NE(button->Handle(), before);
    EXPECT_FALSE(win::IsWindow(before));
    win::SendMessage(button->Handle(), win::WM_LBUTTONDOWN, 0, win::MAKELPARAM(5, 5));
    button->Perform(win::WM_LBUTTONUP, 0, win::MAKELPARAM(5, 5));
    EXPECT_EQ(log, (std::vector<std::string>{"hook"}));
    hook.Restore();
}
