// Message boxes answered by the test script, and the loop they run.
#include "ControlsFixture.h"
#include "platform/framework/TTimer.h"
#include "platform/framework/forms/MessageBox.h"
#include "platform/framework/forms/Screen.h"
#include "platform/testing/InputInjection.h"
#include "platform/testing/MessagePump.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Messages.h"

using namespace framework;

namespace {

struct Counter {
    int handled = 0;
    void Handle(TMessage&) { ++handled; }
};

}  // namespace

TEST_F(ControlsTest, AScriptedAnswerIsWhatTheBoxReturns) {
    TForm* form = ShowForm();
    boxes.Expect("是否保存对录音的更改?", win::IDNO);
    boxes.Expect("是否保存对录音的更改?", win::IDCANCEL);
    boxes.Expect("找不到文件", win::IDOK);
    const win::UINT question = win::MB_YESNOCANCEL | win::MB_ICONQUESTION;
    EXPECT_EQ(win::MessageBox(form->Handle(), "是否保存对录音的更改?", "录音机", question), win::IDNO);
    EXPECT_EQ(win::MessageBox(form->Handle(), "是否保存对录音的更改?", "录音机", question), win::IDCANCEL);
    EXPECT_EQ(win::MessageBox(form->Handle(), "找不到文件", "错误", win::MB_OK | win::MB_ICONERROR), win::IDOK);
    EXPECT_EQ(Screen->FormCount(), 1) << "boxes go away when answered";
    EXPECT_EQ(Screen->ActiveForm(), form);
}

TEST_F(ControlsTest, AMessageBoxKeepsDispatchingPostedMessages) {
    TForm* form = ShowForm();
    Counter counter;
    form->SetMessageHandler(win::WM_USER + 102, TMessageHandler::Bind<&Counter::Handle>(&counter));
    win::PostMessage(form->Handle(), win::WM_USER + 102, 0, 0);
    boxes.Expect("完成", win::IDOK);
    ShowMessage("完成");
    EXPECT_EQ(counter.handled, 1);
}

namespace {

// Presses a key once the box's loop runs; used without a scripted answer, as a user would.
struct KeyPresser {
    int key;
    void Press(TObject* sender) {
        static_cast<TTimer*>(sender)->SetEnabled(false);
        testdriver::PressKey(key);
        testdriver::ReleaseKey(key);
    }
};

}  // namespace

TEST_F(ControlsTest, EnterPressesTheBoxsDefaultButton) {
    ShowForm();
    SetMessageBoxResponder(nullptr);
    KeyPresser enter{win::VK_RETURN};
    TTimer timer(nullptr);
    timer.SetInterval(20);
    timer.SetOnTimer(TNotifyEvent::Bind<&KeyPresser::Press>(&enter));
    EXPECT_EQ(win::MessageBox(nullptr, "继续吗?", "", win::MB_YESNO | win::MB_ICONQUESTION), win::IDYES);
}

TEST_F(ControlsTest, RunEndsWhenTheMainFormCloses) {
    TForm* main = nullptr;
    app->CreateForm(main);
    win::PostMessage(main->Handle(), win::WM_CLOSE, 0, 0);
    app->Run();
    EXPECT_TRUE(app->Terminated());
}
