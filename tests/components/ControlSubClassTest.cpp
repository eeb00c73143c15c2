// The control restyler on the headless screen: the control's own procedure sees every message first and the flat
// paint lands over its pixels, the messages that change state and the ones that repaint, the release when the look
// is switched off, when the window goes for good and when the control or the look goes, and one restyler per
// control however often it is hooked.
#include <algorithm>
#include <memory>
#include <vector>

#include "ComponentsFixture.h"
#include "platform/framework/controls/Button.h"
#include "platform/framework/controls/ControlMessages.h"
#include "platform/framework/controls/Edit.h"
#include "platform/framework/controls/SpeedButton.h"
#include "platform/framework/controls/SpinEdit.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/SysColors.h"
#include "platform/testing/InputInjection.h"
#include "platform/testing/MessagePump.h"
#include "platform/testing/Screen.h"
#include "platform/user/Messages.h"
#include "platform/user/Paint.h"
#include "trackmill/components/ControlSubClass.h"
#include "trackmill/components/FlatLook.h"

using namespace framework;
using components::RestyleControl;
using components::RestylerOf;
using components::TControlSubClass;
using components::TFlatLook;

namespace {

// Stands in front of a control's own procedure before the restyler does, and notes what reaches that procedure.
struct OwnProcedureLog {
    TWndMethod own;
    std::vector<win::UINT> seen;
    void Take(TControl& control) {
        own = control.WindowProc();
        control.SetWindowProc(TWndMethod::Bind<&OwnProcedureLog::Handle>(this));
    }
    void Handle(TMessage& message) {
        seen.push_back(message.Msg);
        own(message);
    }
    int Count(win::UINT id) const { return static_cast<int>(std::ranges::count(seen, id)); }
};

constexpr win::COLORREF kMarker = 0x00FF00;

class ControlSubClassTest : public ComponentsTest {
  protected:
    void SetUp() override {
        ComponentsTest::SetUp();
        form = ShowForm();
    }

    // A look on the form, switched on after the controls exist, as a stored layout does it.
    TFlatLook* SwitchOn() {
        look = new TFlatLook(form);
        look->SetActive(true);
        testdriver::PumpUntilIdle();
        return look;
    }

    int Restylers() const {
        int count = 0;
        for (int i = 0; i < look->ComponentCount(); ++i)
            if (dynamic_cast<TControlSubClass*>(look->Components(i))) ++count;
        return count;
    }

    TForm* form = nullptr;
    TFlatLook* look = nullptr;
    // Outlive the form: the controls' procedure chains lead through them until the end.
    OwnProcedureLog log;
    OwnProcedureLog otherLog;
};

TEST_F(ControlSubClassTest, TheOwnProcedureSeesEveryMessageFirstAndTheFlatPaintLandsOverItsPixels) {
    auto* button = Place<TButton>(form, 20, 20, 80, 26);
    log.Take(*button);
    SwitchOn();
    ASSERT_NE(RestylerOf(*button), nullptr);
    EXPECT_EQ(RestylerOf(*button)->SavedWindowProc, TWndMethod::Bind<&OwnProcedureLog::Handle>(&log));

    log.seen.clear();
    button->Perform(CM_MOUSEENTER, 0, 0);
    button->Perform(CM_MOUSELEAVE, 0, 0);
    button->Repaint();
    EXPECT_EQ(log.Count(CM_MOUSEENTER), 1);
    EXPECT_EQ(log.Count(CM_MOUSELEAVE), 1);
    EXPECT_EQ(log.Count(win::WM_PAINT), 1);
    // The classic button's corner is its light edge; the flat one leaves the parent's colour there (rounded).
    EXPECT_EQ(testdriver::WindowPixel(button->Handle(), 0, 0), gdi::ResolveColor(form->Color()));
    EXPECT_EQ(testdriver::WindowPixel(button->Handle(), 40, 3), gdi::ResolveColor(look->EffIconBackColor));
}

TEST_F(ControlSubClassTest, AWindowlessButtonIsPaintedOnlyByTheRestyler) {
    auto* speed = Place<TSpeedButton>(form, 20, 20, 40, 24);
    log.Take(*speed);
    SwitchOn();
    log.seen.clear();
    form->Repaint();
    TMessage paint{win::WM_PAINT, 0, 0, 0};
    speed->WindowProc()(paint);
    EXPECT_EQ(log.Count(win::WM_PAINT), 0);
    EXPECT_EQ(paint.Result, 1);
    EXPECT_EQ(testdriver::WindowPixel(form->Handle(), form->ClientOrigin().x - form->Left() + 30,
                                      form->ClientOrigin().y - form->Top() + 32),
              gdi::ResolveColor(look->EffIconBackColor));
}

TEST_F(ControlSubClassTest, AHeldSpaceKeyRepaintsOnceWhileRepeatingAndOnceOnRelease) {
    auto* button = Place<TButton>(form, 20, 20, 80, 26);
    SwitchOn();
    button->SetFocus();
    testdriver::PumpUntilIdle();
    const win::HWND window = button->Handle();
    auto mark = [&] {
        win::HDC dc = win::GetDC(window);
        win::SetPixel(dc, 40, 3, kMarker);
        win::ReleaseDC(window, dc);
    };
    button->Perform(win::WM_KEYDOWN, win::VK_SPACE, 0);
    EXPECT_TRUE(RestylerOf(*button)->SpaceDown);
    mark();
    for (int i = 0; i < 5; ++i) button->Perform(win::WM_KEYDOWN, win::VK_SPACE, 0x40000000);
    EXPECT_EQ(testdriver::WindowPixel(window, 40, 3), kMarker);
    button->Perform(win::WM_KEYUP, win::VK_SPACE, 0);
    EXPECT_NE(testdriver::WindowPixel(window, 40, 3), kMarker);
    EXPECT_FALSE(RestylerOf(*button)->SpaceDown);
    EXPECT_FALSE(RestylerOf(*button)->SpacePainted);
}

TEST_F(ControlSubClassTest, ADoubleClickIsASecondPressOnButtonsOnly) {
    auto* button = Place<TButton>(form, 20, 20, 80, 26);
    auto* edit = Place<TEdit>(form, 20, 60, 120, 21);
    log.Take(*button);
    otherLog.Take(*edit);
    SwitchOn();
    log.seen.clear();
    otherLog.seen.clear();
    testdriver::DoubleClick(At(*button, 10, 10));
    testdriver::DoubleClick(At(*edit, 10, 10));
    testdriver::PumpUntilIdle();
    EXPECT_EQ(log.Count(win::WM_LBUTTONDBLCLK), 1);
    EXPECT_EQ(log.Count(win::WM_LBUTTONDOWN), 2);
    EXPECT_EQ(otherLog.Count(win::WM_LBUTTONDOWN), 1);
    EXPECT_EQ(otherLog.Count(win::WM_LBUTTONDBLCLK), 1);
}

TEST_F(ControlSubClassTest, EnterAndLeaveOnADisabledControlChangeNothing) {
    auto* button = Place<TButton>(form, 20, 20, 80, 26);
    SwitchOn();
    TControlSubClass* restyler = RestylerOf(*button);
    button->Perform(CM_MOUSEENTER, 0, 0);
    EXPECT_TRUE(restyler->Hot);
    button->SetEnabled(false);
    EXPECT_FALSE(restyler->Hot);
    button->Perform(CM_MOUSEENTER, 0, 0);
    EXPECT_FALSE(restyler->Hot);
    button->SetEnabled(true);
    button->Perform(CM_MOUSEENTER, 0, 0);
    button->SetEnabled(false);
    restyler->Hot = true;
    button->Perform(CM_MOUSELEAVE, 0, 0);
    EXPECT_TRUE(restyler->Hot);
}

TEST_F(ControlSubClassTest, SwitchingOffRestoresProcedureLookAndBorderAtTheNextMessageAndFreesTheRestyler) {
    auto* edit = Place<TEdit>(form, 20, 60, 120, 21);
    // Owned by none, so the walk over the form's components and its repaint do not reach it: the message below is
    // its next.
    std::unique_ptr<TSpinEdit> owned = std::make_unique<TSpinEdit>(nullptr);
    TSpinEdit* spin = owned.get();
    spin->SetParent(form);
    spin->SetBounds(20, 100, 120, 21);
    log.Take(*edit);
    otherLog.Take(*spin);
    SwitchOn();
    RestyleControl(*look, *spin);
    edit->Repaint();
    spin->Repaint();
    EXPECT_FALSE(edit->Ctl3D());
    EXPECT_FALSE(spin->Ctl3D());
    EXPECT_EQ(Restylers(), 2);

    look->SetActive(false);
    EXPECT_EQ(Restylers(), 1);
    EXPECT_EQ(edit->WindowProc(), TWndMethod::Bind<&OwnProcedureLog::Handle>(&log));
    EXPECT_TRUE(edit->Ctl3D());
    EXPECT_EQ(edit->BorderStyle(), bsSingle);

    TMessage message{CM_MOUSEENTER, 0, 0, 0};
    spin->WindowProc()(message);
    EXPECT_EQ(message.Result, 1);
    EXPECT_EQ(Restylers(), 0);
    EXPECT_EQ(spin->WindowProc(), TWndMethod::Bind<&OwnProcedureLog::Handle>(&otherLog));
    EXPECT_TRUE(spin->Ctl3D());
}

TEST_F(ControlSubClassTest, ChangingTheSetsWhileActiveReleasesTheControlsNoLongerSelected) {
    auto* button = Place<TButton>(form, 20, 20, 80, 26);
    auto* edit = Place<TEdit>(form, 20, 60, 120, 21);
    auto* speed = Place<TSpeedButton>(form, 20, 100, 40, 24);
    log.Take(*edit);
    SwitchOn();
    edit->Repaint();
    ASSERT_NE(RestylerOf(*edit), nullptr);
    ASSERT_NE(RestylerOf(*speed), nullptr);
    look->SetFlatControls(components::kAllFlatControls & ~(1u << components::fcEdit) &
                          ~(1u << components::fcSpeedButton));
    EXPECT_EQ(RestylerOf(*speed), nullptr);
    EXPECT_EQ(RestylerOf(*edit), nullptr);
    EXPECT_EQ(edit->WindowProc(), TWndMethod::Bind<&OwnProcedureLog::Handle>(&log));
    EXPECT_TRUE(edit->Ctl3D());
    EXPECT_NE(RestylerOf(*button), nullptr);
    EXPECT_EQ(Restylers(), 1);
}

TEST_F(ControlSubClassTest, HookingTwiceLeavesOneRestylerAndOneLinkInTheChain) {
    auto* button = Place<TButton>(form, 20, 20, 80, 26);
    log.Take(*button);
    SwitchOn();
    TControlSubClass* first = RestylerOf(*button);
    EXPECT_EQ(RestyleControl(*look, *button), first);
    // The walk again, over a control that still runs its restyler.
    look->ActivateComponents(form, true, true);
    EXPECT_EQ(RestylerOf(*button), first);
    EXPECT_EQ(Restylers(), 1);
    EXPECT_EQ(first->SavedWindowProc, TWndMethod::Bind<&OwnProcedureLog::Handle>(&log));
    log.seen.clear();
    button->Perform(CM_TEXTCHANGED, 0, 0);
    EXPECT_EQ(log.Count(CM_TEXTCHANGED), 1);
}

TEST_F(ControlSubClassTest, TheHookSurvivesARebuiltWindowButNotADestroyedOne) {
    auto* edit = Place<TEdit>(form, 20, 60, 120, 21);
    log.Take(*edit);
    SwitchOn();
    TControlSubClass* restyler = RestylerOf(*edit);
    restyler->KeepOnDestroy = true;
    edit->RecreateWnd();
    ASSERT_EQ(RestylerOf(*edit), restyler);
    edit->Repaint();
    EXPECT_FALSE(restyler->KeepOnDestroy);
    edit->DestroyHandle();
    EXPECT_EQ(Restylers(), 0);
    EXPECT_EQ(edit->WindowProc(), TWndMethod::Bind<&OwnProcedureLog::Handle>(&log));
}

TEST_F(ControlSubClassTest, ARestylerGoesWithItsControlAndALookThatGoesGivesEveryControlItsProcedureBack) {
    auto* doomed = Place<TButton>(form, 20, 20, 80, 26);
    auto* kept = Place<TButton>(form, 20, 60, 80, 26);
    log.Take(*kept);
    SwitchOn();
    EXPECT_EQ(Restylers(), 2);
    delete doomed;
    EXPECT_EQ(Restylers(), 1);
    delete look;
    EXPECT_EQ(kept->WindowProc(), TWndMethod::Bind<&OwnProcedureLog::Handle>(&log));
    log.seen.clear();
    kept->Perform(CM_MOUSEENTER, 0, 0);
    kept->Repaint();
    EXPECT_EQ(log.Count(CM_MOUSEENTER), 1);
}

}  // namespace
