// Actions: OnUpdate when the application goes idle, controls that mirror their action, shortcuts, and links that
// go when the action does.
#include "ControlsFixture.h"
#include "platform/framework/controls/Button.h"
#include "platform/framework/menus/Action.h"
#include "platform/framework/menus/ActionList.h"
#include "platform/testing/InputInjection.h"
#include "platform/testing/MessagePump.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Messages.h"

using namespace framework;

namespace {

struct ActionEvents {
    bool allowed = false;
    int updates = 0;
    int executions = 0;
    void Update(TObject* sender) {
        ++updates;
        static_cast<TAction*>(sender)->SetEnabled(allowed);
        // Something to wake the loop that went idle.
        win::PostMessage(Application->Handle(), win::WM_NULL, 0, 0);
    }
    void Execute(TObject*) { ++executions; }
};

}  // namespace

TEST_F(ControlsTest, ActionUpdatesRunWhenTheQueueEmptiesAndLinkedControlsFollow) {
    TForm* form = ShowForm();
    auto* list = new TActionList(form);
    auto* action = new TAction(form);
    action->SetActionList(list);
    action->SetCaption("开始");
    action->SetHint("开始压缩");
    ActionEvents events;
    action->OnUpdate = TNotifyEvent::Bind<&ActionEvents::Update>(&events);
    action->OnExecute = TNotifyEvent::Bind<&ActionEvents::Execute>(&events);
    auto* button = new TButton(form);
    button->SetParent(form);
    button->SetBounds(10, 10, 75, 25);
    button->SetAction(action);
    EXPECT_EQ(button->Caption(), "开始");
    EXPECT_EQ(button->Hint(), "开始压缩");
    app->ProcessMessages();
    EXPECT_EQ(events.updates, 0) << "no update while messages are waiting";

    app->HandleMessage();
    EXPECT_EQ(events.updates, 1);
    EXPECT_FALSE(button->Enabled());
    testdriver::Click(Centre(*button));
    app->ProcessMessages();
    EXPECT_EQ(events.executions, 0);

    events.allowed = true;
    app->HandleMessage();
    EXPECT_TRUE(button->Enabled());
    testdriver::Click(Centre(*button));
    app->ProcessMessages();
    EXPECT_EQ(events.executions, 1);
}

TEST_F(ControlsTest, AnActionShortcutExecutesItAfterAnUpdate) {
    TForm* form = ShowForm();
    auto* list = new TActionList(form);
    auto* action = new TAction(form);
    action->SetActionList(list);
    action->SetShortCut(ShortCut('R', ssCtrl));
    ActionEvents events;
    events.allowed = true;
    action->SetEnabled(false);
    action->OnUpdate = TNotifyEvent::Bind<&ActionEvents::Update>(&events);
    action->OnExecute = TNotifyEvent::Bind<&ActionEvents::Execute>(&events);

    testdriver::PressKey(win::VK_CONTROL);
    testdriver::PressKey('R');
    testdriver::ReleaseKey('R');
    testdriver::ReleaseKey(win::VK_CONTROL);
    app->ProcessMessages();
    EXPECT_EQ(events.updates, 1);
    EXPECT_EQ(events.executions, 1);
}

TEST_F(ControlsTest, AControlForgetsAnActionThatIsFreed) {
    TForm* form = ShowForm();
    auto* action = new TAction(form);
    auto* button = new TButton(form);
    button->SetParent(form);
    button->SetAction(action);
    delete action;
    EXPECT_EQ(button->Action(), nullptr);
    button->Click();
}

TEST_F(ControlsTest, ACaptionSetAfterLinkingSurvivesOtherActionChanges) {
    TForm* form = ShowForm();
    auto* action = new TAction(form);
    action->SetCaption("开始抓取");
    auto* button = new TButton(form);
    button->SetParent(form);
    button->SetAction(action);
    button->SetCaption("抓取");
    action->SetEnabled(false);
    EXPECT_EQ(button->Caption(), "抓取");
    EXPECT_FALSE(button->Enabled());
    action->SetCaption("停止");
    EXPECT_EQ(button->Caption(), "停止") << "a caption change of the action itself still reaches the control";
}
