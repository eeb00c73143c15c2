// The style manager with real forms: a form built after the main window is restyled before its first paint, a
// Tag-999 form stays plain, a form collected twice is restyled once, the last flat look takes the restyling with it
// and frees the manager, a second flat look takes the other forms over, and forms freed at awkward moments are
// never touched afterwards.
#include <algorithm>
#include <vector>

#include "ComponentsFixture.h"
#include "platform/framework/controls/Button.h"
#include "platform/framework/controls/ControlMessages.h"
#include "platform/framework/controls/Edit.h"
#include "platform/framework/menus/MenuItem.h"
#include "platform/framework/menus/PopupMenu.h"
#include "platform/testing/MessagePump.h"
#include "platform/testing/Screen.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Messages.h"
#include "platform/user/Window.h"
#include "platform/user/WindowStyles.h"
#include "trackmill/components/ColorRoutines.h"
#include "trackmill/components/ControlSubClass.h"
#include "trackmill/components/FlatLook.h"
#include "trackmill/components/FlatLookManager.h"
#include "trackmill/components/PopupMenuFrame.h"
#include "trackmill/components/RestyledForms.h"

using namespace framework;
using components::FlatLookManager;
using components::RestylerOf;
using components::TFlatLook;

namespace {

// Stands in front of a control's own procedure and notes whether the control was restyled at its first paint.
struct FirstPaintWatch {
    TControl* control = nullptr;
    TWndMethod own;
    int paints = 0;
    bool restyledAtFirstPaint = false;
    void Take(TControl& watched) {
        control = &watched;
        own = watched.WindowProc();
        watched.SetWindowProc(TWndMethod::Bind<&FirstPaintWatch::Handle>(this));
    }
    void Handle(TMessage& message) {
        if (message.Msg == win::WM_PAINT && paints++ == 0) restyledAtFirstPaint = RestylerOf(*control) != nullptr;
        own(message);
    }
};

class FlatLookManagerTest : public ComponentsTest {
  protected:
    void SetUp() override {
        ComponentsTest::SetUp();
        mainForm = ShowForm();
    }

    // A flat look on form, switched on and loaded, as a stored layout makes it.
    static TFlatLook* LookOn(TForm* form) {
        auto* look = new TFlatLook(form);
        look->SetActive(true);
        look->Loaded();
        return look;
    }

    // A form with one edit, built (its creation reported) but not shown yet.
    TForm* BuildForm(TEdit*& edit, std::intptr_t tag = 0) {
        auto* form = new TForm(app.get());
        form->SetTag(tag);
        form->SetBounds(150, 150, 300, 200);
        edit = new TEdit(form);
        edit->SetParent(form);
        edit->SetBounds(10, 10, 120, 21);
        form->Loaded();
        return form;
    }

    TForm* mainForm = nullptr;
    FirstPaintWatch watch;  // outlives the forms: a procedure chain leads through it
};

TEST_F(FlatLookManagerTest, AFormBuiltAfterTheMainWindowIsRestyledBeforeItsFirstPaintAndATag999FormStaysPlain) {
    TFlatLook* look = LookOn(mainForm);
    TEdit* edit = nullptr;
    TEdit* plainEdit = nullptr;
    TForm* form = BuildForm(edit);
    TForm* plain = BuildForm(plainEdit, 999);
    watch.Take(*edit);
    form->Show();
    plain->Show();
    testdriver::PumpUntilIdle();
    EXPECT_GE(watch.paints, 1);
    EXPECT_TRUE(watch.restyledAtFirstPaint);
    ASSERT_NE(RestylerOf(*edit), nullptr);
    EXPECT_EQ(RestylerOf(*edit)->Menu, look);
    EXPECT_FALSE(edit->Ctl3D());
    EXPECT_EQ(RestylerOf(*plainEdit), nullptr);
    EXPECT_TRUE(plainEdit->Ctl3D());
    EXPECT_TRUE(FlatLookManager()->Forms().IsStyled(form));
    EXPECT_FALSE(FlatLookManager()->Forms().IsStyled(plain));
}

TEST_F(FlatLookManagerTest, AFormCollectedTwiceIsRestyledOnce) {
    TEdit* edit = nullptr;
    TForm* form = BuildForm(edit);
    // No look yet when the form was built: the first look collects it, and so does a second walk over the screen.
    TFlatLook* look = LookOn(mainForm);
    FlatLookManager()->CollectUnstyledForms();
    testdriver::PumpUntilIdle();
    ASSERT_NE(RestylerOf(*edit), nullptr);
    int restylers = 0;
    for (int i = 0; i < look->ComponentCount(); ++i)
        if (auto* restyler = dynamic_cast<components::TControlSubClass*>(look->Components(i)))
            restylers += restyler->Control == edit;
    EXPECT_EQ(restylers, 1);
    const auto& styled = FlatLookManager()->Forms().Styled();
    EXPECT_EQ(std::count(styled.begin(), styled.end(), form), 1);
}

TEST_F(FlatLookManagerTest, TheOnlyLookGoingRestoresTheOtherFormsAndFreesTheManager) {
    TFlatLook* look = LookOn(mainForm);
    TEdit* edit = nullptr;
    BuildForm(edit)->Show();
    testdriver::PumpUntilIdle();
    TEdit* styledEdit = edit;
    const TWndMethod restyled = styledEdit->WindowProc();
    ASSERT_TRUE(restyled.Runs<&components::TControlSubClass::ControlWndProc>());
    ASSERT_FALSE(styledEdit->Ctl3D());
    delete look;
    EXPECT_EQ(FlatLookManager(), nullptr);
    EXPECT_NE(styledEdit->WindowProc(), restyled);
    EXPECT_FALSE(styledEdit->WindowProc().Runs<&components::TControlSubClass::ControlWndProc>());
    EXPECT_TRUE(styledEdit->Ctl3D());
    styledEdit->Perform(CM_MOUSEENTER, 0, 0);
    styledEdit->Repaint();
}

TEST_F(FlatLookManagerTest, WithTwoLooksTheOtherFormsMoveToTheSecondWhenTheFirstGoes) {
    TFlatLook* first = LookOn(mainForm);
    TEdit* ownEdit = nullptr;
    TForm* second = BuildForm(ownEdit);
    TFlatLook* successor = LookOn(second);
    successor->SetSelectBorderColor(0x2040C0);
    successor->SetUseSystemColors(false);
    second->Show();
    TEdit* edit = nullptr;
    BuildForm(edit)->Show();
    testdriver::PumpUntilIdle();
    ASSERT_NE(RestylerOf(*edit), nullptr);
    EXPECT_EQ(RestylerOf(*edit)->Menu, first);
    EXPECT_EQ(RestylerOf(*ownEdit)->Menu, successor);

    delete first;
    ASSERT_NE(FlatLookManager(), nullptr);
    EXPECT_EQ(FlatLookManager()->ActiveMenu(), successor);
    ASSERT_NE(RestylerOf(*edit), nullptr);
    EXPECT_EQ(RestylerOf(*edit)->Menu, successor);
    EXPECT_EQ(RestylerOf(*edit)->Owner(), successor);
    EXPECT_FALSE(edit->Ctl3D());
    // Its colours now come from the successor.
    TCanvas display;
    successor->UpdateWorkingColors(display);
    RestylerOf(*edit)->Hot = true;
    edit->Repaint();
    const win::POINT corner = At(*edit, 0, 8);
    EXPECT_EQ(testdriver::ScreenPixel(corner.x, corner.y), components::LightenColor(0x2040C0, 60));
}

TEST_F(FlatLookManagerTest, FormsFreedBeforeTheHookRunsOrRightAfterAnInvalidateAreNeverTouched) {
    TFlatLook* look = LookOn(mainForm);
    TEdit* edit = nullptr;
    TForm* doomed = BuildForm(edit);
    EXPECT_TRUE(FlatLookManager()->Forms().IsPending(doomed));
    delete doomed;
    EXPECT_FALSE(FlatLookManager()->Forms().IsPending(doomed));
    testdriver::PumpUntilIdle();

    TForm* styled = BuildForm(edit);
    styled->Show();
    testdriver::PumpUntilIdle();
    ASSERT_NE(RestylerOf(*edit), nullptr);
    edit->Invalidate();
    styled->Invalidate();
    delete styled;
    EXPECT_FALSE(FlatLookManager()->Forms().IsStyled(styled));
    testdriver::PumpUntilIdle();
    delete look;
    testdriver::PumpUntilIdle();
    EXPECT_EQ(FlatLookManager(), nullptr);
}

TEST_F(FlatLookManagerTest, AFrameRequestForAPopupThatIsNotShowingOrIsGoneDecoratesNothing) {
    LookOn(mainForm);
    auto* popup = new TPopupMenu(mainForm);
    auto* item = new TMenuItem(popup);
    item->SetCaption("复制");
    popup->Items()->Add(item);
    testdriver::PumpUntilIdle();
    const win::HWND window = mainForm->Handle();
    const win::LONG_PTR procedure = win::GetWindowLong(window, win::GWL_WNDPROC);
    const win::COLORREF corner = testdriver::WindowPixel(window, 0, 0);
    // Never shown: the item has no rectangle, so no window is found at its centre, not even the form below it.
    win::PostMessage(app->Handle(), components::kFrameRequestItem, 0, item->Command());
    testdriver::PumpUntilIdle();
    EXPECT_EQ(win::GetWindowLong(window, win::GWL_WNDPROC), procedure);
    EXPECT_EQ(testdriver::WindowPixel(window, 0, 0), corner);
    // Gone before the request is handled.
    win::PostMessage(app->Handle(), components::kFrameRequestItem, 0, item->Command());
    delete popup;
    testdriver::PumpUntilIdle();
    EXPECT_EQ(win::GetWindowLong(window, win::GWL_WNDPROC), procedure);
}

// Ends a modal run as soon as the form is active.
struct ModalCloser {
    TForm* form = nullptr;
    void Activated(TObject*) { form->Close(); }
};

TEST_F(FlatLookManagerTest, AStyledModalFormFreedRightAfterAnInvalidateThenTheLookGoneTouchNothingFreed) {
    TFlatLook* look = LookOn(mainForm);
    ModalCloser closer;
    TEdit* edit = nullptr;
    closer.form = BuildForm(edit);
    closer.form->OnActivate = TNotifyEvent::Bind<&ModalCloser::Activated>(&closer);
    closer.form->ShowModal();
    ASSERT_NE(RestylerOf(*edit), nullptr);
    edit->Invalidate();
    closer.form->Invalidate();
    delete closer.form;
    EXPECT_FALSE(FlatLookManager()->Forms().IsStyled(closer.form));
    testdriver::PumpUntilIdle();
    delete look;
    testdriver::PumpUntilIdle();
    EXPECT_EQ(FlatLookManager(), nullptr);
}

}  // namespace
