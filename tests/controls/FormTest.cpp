// Forms: destruction order, modal runs and their loops, closing, activation, message handlers, error boxes.
#include <string>
#include <vector>

#include "ControlsFixture.h"
#include "platform/framework/Exception.h"
#include "platform/framework/TThread.h"
#include "platform/framework/controls/Button.h"
#include "platform/framework/forms/MessageBox.h"
#include "platform/framework/forms/Screen.h"
#include "platform/testing/InputInjection.h"
#include "platform/testing/MessagePump.h"
#include "platform/testing/Settings.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Messages.h"

using namespace framework;

namespace {

std::vector<std::string> destroyed;

class LoggedButton : public TButton {
  public:
    using TButton::TButton;
    ~LoggedButton() override { destroyed.push_back("control"); }
};

class LoggedComponent : public TComponent {
  public:
    using TComponent::TComponent;
    ~LoggedComponent() override { destroyed.push_back("component"); }
};

struct FormEvents {
    TForm* form = nullptr;
    TButton* button = nullptr;
    int activations = 0;
    int handled = 0;
    win::WPARAM lastWParam = 0;
    win::LPARAM lastLParam = 0;
    bool afterClose = false;
    int vetoes = 0;
    void Destroyed(TObject*) { destroyed.push_back("OnDestroy"); }
    void Activated(TObject*) { ++activations; }
    void ClickOk(TObject*) { testdriver::Click(ControlsTest_Centre(*button)); }
    void CloseThenContinue(TObject*) {
        form->Close();
        afterClose = true;
    }
    void VetoOnce(TObject*, bool& canClose) {
        if (vetoes++ > 0) return;
        canClose = false;
        win::PostMessage(form->Handle(), win::WM_CLOSE, 0, 0);
    }
    void Handle(TMessage& message) {
        ++handled;
        lastWParam = message.WParam;
        lastLParam = message.LParam;
    }
    void Throw(TObject*) { throw Exception("磁盘已满"); }
    static win::POINT ControlsTest_Centre(const TControl& c) {
        return c.ClientToScreen(win::POINT{c.ClientWidth() / 2, c.ClientHeight() / 2});
    }
};

class ModalResultFromWorker : public TThread {
  public:
    explicit ModalResultFromWorker(TForm* form) : form_(form) {}
    bool ranOnMainThread = false;

  protected:
    void Execute() override {
        Synchronize([this] {
            ranOnMainThread = true;
            form_->SetModalResult(mrYes);
        });
    }

  private:
    TForm* form_;
};

struct WorkerStarter {
    ModalResultFromWorker* worker = nullptr;
    void Start(TObject*) { worker->Resume(); }
};

}  // namespace

TEST_F(ControlsTest, AFormDestroysItsControlsBeforeItsOtherComponents) {
    destroyed.clear();
    auto* form = new TForm(app.get());
    new LoggedComponent(form);
    auto* button = new LoggedButton(form);
    button->SetParent(form);
    new LoggedComponent(form);
    FormEvents events;
    form->OnDestroy = TNotifyEvent::Bind<&FormEvents::Destroyed>(&events);
    form->Show();
    delete form;
    EXPECT_EQ(destroyed, (std::vector<std::string>{"OnDestroy", "control", "component", "component"}));
}

TEST_F(ControlsTest, AModalFormEndsWithTheModalResultOfTheButtonPressed) {
    ShowForm();
    TForm dialog(app.get());
    dialog.SetBounds(150, 150, 200, 120);
    auto* ok = new TButton(&dialog);
    ok->SetParent(&dialog);
    ok->SetBounds(60, 40, 75, 25);
    ok->SetModalResult(mrOk);
    FormEvents events;
    events.button = ok;
    dialog.OnActivate = TNotifyEvent::Bind<&FormEvents::ClickOk>(&events);

    EXPECT_EQ(dialog.ShowModal(), mrOk);
    EXPECT_FALSE(dialog.Visible());
}

TEST_F(ControlsTest, AModalLoopRunsPostedMessagesAndSynchronizeCalls) {
    TForm* main = ShowForm();
    FormEvents events;
    main->SetMessageHandler(win::WM_USER + 101, TMessageHandler::Bind<&FormEvents::Handle>(&events));
    TForm dialog(app.get());
    auto* worker = new ModalResultFromWorker(&dialog);
    WorkerStarter starter{worker};
    dialog.OnShow = TNotifyEvent::Bind<&WorkerStarter::Start>(&starter);
    win::PostMessage(main->Handle(), win::WM_USER + 101, 5, 7);

    EXPECT_EQ(dialog.ShowModal(), mrYes);
    EXPECT_TRUE(worker->ranOnMainThread);
    EXPECT_EQ(events.handled, 1);
    EXPECT_EQ(events.lastWParam, 5u);
    EXPECT_EQ(events.lastLParam, 7);
    worker->Free();
}

TEST_F(ControlsTest, CloseInsideAModalFormTakesEffectWhenTheHandlerReturns) {
    ShowForm();
    TForm dialog(app.get());
    dialog.SetBounds(150, 150, 200, 120);
    FormEvents events;
    events.form = &dialog;
    dialog.OnActivate = TNotifyEvent::Bind<&FormEvents::CloseThenContinue>(&events);
    EXPECT_EQ(dialog.ShowModal(), mrCancel);
    EXPECT_TRUE(events.afterClose);
}

TEST_F(ControlsTest, OnCloseQueryCanVetoTheEndOfAModalRun) {
    ShowForm();
    TForm dialog(app.get());
    dialog.SetBounds(150, 150, 200, 120);
    FormEvents events;
    events.form = &dialog;
    dialog.OnCloseQuery = TCloseQueryEvent::Bind<&FormEvents::VetoOnce>(&events);
    dialog.OnActivate = TNotifyEvent::Bind<&FormEvents::CloseThenContinue>(&events);
    EXPECT_EQ(dialog.ShowModal(), mrCancel);
    EXPECT_EQ(events.vetoes, 2) << "the vetoed close kept the loop running until the posted close";
}

TEST_F(ControlsTest, OnActivateFollowsTheProgramsActiveFormNotMessageBoxes) {
    TForm* main = nullptr;
    app->CreateForm(main);
    FormEvents events;
    main->OnActivate = TNotifyEvent::Bind<&FormEvents::Activated>(&events);
    main->Show();
    testdriver::PumpUntilIdle();
    EXPECT_EQ(events.activations, 1);

    boxes.Expect("完成", win::IDOK);
    ShowMessage("完成");
    testdriver::PumpUntilIdle();
    EXPECT_EQ(events.activations, 1) << "a message box closing is no change of the active form";
    EXPECT_EQ(Screen->ActiveForm(), main);

    TForm dialog(app.get());
    FormEvents dialogEvents;
    dialogEvents.form = &dialog;
    dialog.OnActivate = TNotifyEvent::Bind<&FormEvents::CloseThenContinue>(&dialogEvents);
    dialog.ShowModal();
    testdriver::PumpUntilIdle();
    EXPECT_EQ(events.activations, 2) << "the main form became active again after the modal form";
}

TEST_F(ControlsTest, AnErrorEscapingAHandlerIsReportedAndTheLoopGoesOn) {
    TForm* form = ShowForm();
    auto* button = new TButton(form);
    button->SetParent(form);
    button->SetBounds(10, 10, 75, 25);
    FormEvents events;
    button->OnClick = TNotifyEvent::Bind<&FormEvents::Throw>(&events);
    testdriver::PumpUntilIdle();
    boxes.Expect("磁盘已满", win::IDOK);
    boxes.Expect("磁盘已满", win::IDOK);

    testdriver::Click(FormEvents::ControlsTest_Centre(*button));
    app->ProcessMessages();
    testdriver::Click(FormEvents::ControlsTest_Centre(*button));
    app->ProcessMessages();
    EXPECT_EQ(boxes.Shown(), 2);
}

TEST_F(ControlsTest, EveryFormObserverIsToldInTurnAndOneRemovedWhileTellingIsToldNoMore) {
    std::vector<std::string> told;
    int second = 0;
    const int first = Screen->AddFormObservers(
        [&](TCustomForm*) {
            told.push_back("first created");
            Screen->RemoveFormObservers(second);
        },
        [&](TCustomForm*) { told.push_back("first destroyed"); });
    second = Screen->AddFormObservers([&](TCustomForm*) { told.push_back("second created"); },
                                      [&](TCustomForm*) { told.push_back("second destroyed"); });
    const int third = Screen->AddFormObservers([&](TCustomForm*) { told.push_back("third created"); }, {});
    TForm* form = nullptr;
    app->CreateForm(form);
    delete form;
    Screen->RemoveFormObservers(first);
    Screen->RemoveFormObservers(third);
    EXPECT_EQ(told, (std::vector<std::string>{"first created", "third created", "first destroyed"}));
}

TEST_F(ControlsTest, TheScreenListsFormsInCreationOrderAndReportsThem) {
    std::vector<TCustomForm*> created;
    std::vector<TCustomForm*> gone;
    const int observers = Screen->AddFormObservers([&](TCustomForm* f) { created.push_back(f); },
                                                   [&](TCustomForm* f) { gone.push_back(f); });
    TForm* first = nullptr;
    TForm* second = nullptr;
    app->CreateForm(first);
    app->CreateForm(second);
    ASSERT_EQ(Screen->FormCount(), 2);
    EXPECT_EQ(Screen->Forms(0), first);
    EXPECT_EQ(Screen->Forms(1), second);
    EXPECT_EQ(app->MainForm(), first);
    EXPECT_EQ(created, (std::vector<TCustomForm*>{first, second}));
    EXPECT_EQ(testdriver::QueuedMessages(app->Handle(), 0, 0xFFFF), 2u)
        << "the application window hears of each form before it is painted";
    delete second;
    EXPECT_EQ(gone, (std::vector<TCustomForm*>{second}));
    Screen->RemoveFormObservers(observers);

    testdriver::SetDpi(120);
    EXPECT_EQ(Screen->MenuFont().PixelsPerInch(), 120);
    EXPECT_EQ(Screen->PixelsPerInch(), 120);
}
