// Message boxes answered by the test script, and the loop they run.
#include <vector>

#include "ControlsFixture.h"
#include "platform/framework/TTimer.h"
#include "platform/framework/forms/MessageBox.h"
#include "platform/framework/forms/Screen.h"
#include "platform/testing/InputInjection.h"
#include "platform/testing/MessagePump.h"
#include "platform/testing/TypedKeys.h"
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

// The answer of a yes/no box to the keys pressed in it.
int AnswerToKeys(std::vector<int> keys) {
    const testdriver::TypedKeys typed(std::move(keys));
    return win::MessageBox(nullptr, "文件已经存在，要覆盖它吗？", "提示", win::MB_YESNO | win::MB_ICONQUESTION);
}

}  // namespace

TEST_F(ControlsTest, EnterAndSpacePressTheFocusedButtonOfABox) {
    ShowForm();
    SetMessageBoxResponder(nullptr);
    EXPECT_EQ(AnswerToKeys({win::VK_RETURN}), win::IDYES) << "the default button has the focus at first";
    EXPECT_EQ(AnswerToKeys({win::VK_TAB, win::VK_RETURN}), win::IDNO);
    EXPECT_EQ(AnswerToKeys({win::VK_TAB, win::VK_SPACE}), win::IDNO);
    EXPECT_EQ(AnswerToKeys({win::VK_TAB, win::VK_TAB, win::VK_RETURN}), win::IDYES);
    EXPECT_EQ(AnswerToKeys({win::VK_SPACE}), win::IDYES);
}

TEST_F(ControlsTest, RunEndsWhenTheMainFormCloses) {
    TForm* main = nullptr;
    app->CreateForm(main);
    win::PostMessage(main->Handle(), win::WM_CLOSE, 0, 0);
    app->Run();
    EXPECT_TRUE(app->Terminated());
}
