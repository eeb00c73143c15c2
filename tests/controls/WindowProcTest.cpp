// Replacing a control's WindowProc, windowless controls included, the framework's notifications, and drawing on a
// control outside WM_PAINT.
#include <vector>

#include "ControlsFixture.h"
#include "platform/framework/controls/Button.h"
#include "platform/framework/controls/ControlCanvas.h"
#include "platform/framework/controls/ControlMessages.h"
#include "platform/framework/controls/Edit.h"
#include "platform/framework/controls/Label.h"
#include "platform/framework/controls/Panel.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/LiveObjects.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/SysColors.h"
#include "platform/testing/InputInjection.h"
#include "platform/testing/MessagePump.h"
#include "platform/testing/Screen.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Messages.h"
#include "platform/user/Paint.h"

using namespace framework;

namespace {

// Records every message and passes it on to the procedure it replaced, except the ones it is told to keep.
class Hook {
  public:
    explicit Hook(TControl* control) : control_(control), saved_(control->WindowProc()) {
        control->SetWindowProc(TWndMethod::Bind<&Hook::Proc>(this));
    }
    void Restore() { control_->SetWindowProc(saved_); }
    void Proc(TMessage& message) {
        messages.push_back(message);
        if (message.Msg == win::WM_PAINT && paintRed) {
            const auto dc = reinterpret_cast<win::HDC>(message.WParam);
            const win::RECT r{0, 0, control_->Width(), control_->Height()};
            const win::HBRUSH red = win::CreateSolidBrush(0x0000FF);
            win::FillRect(dc, &r, red);
            win::DeleteObject(red);
            message.Result = 1;
            return;
        }
        saved_(message);
    }
    std::vector<win::UINT> Ids() const {
        std::vector<win::UINT> ids;
        for (const TMessage& m : messages) ids.push_back(m.Msg);
        return ids;
    }
    bool Saw(win::UINT msg) const {
        for (const TMessage& m : messages)
            if (m.Msg == msg) return true;
        return false;
    }

    std::vector<TMessage> messages;
    bool paintRed = false;

  private:
    TControl* control_;
    TWndMethod saved_;
};

}  // namespace

TEST_F(ControlsTest, AWindowedControlCanBeSubclassedAndRestored) {
    TForm* form = ShowForm();
    auto* button = new TButton(form);
    button->SetParent(form);
    button->SetBounds(10, 10, 75, 25);
    testdriver::PumpUntilIdle();

    Hook hook(button);
    EXPECT_TRUE(button->WindowProc().Runs<&Hook::Proc>());
    testdriver::Click(Centre(*button));
    testdriver::PumpUntilIdle();
    EXPECT_TRUE(hook.Saw(win::WM_LBUTTONDOWN));
    EXPECT_TRUE(hook.Saw(win::WM_LBUTTONUP));
    EXPECT_TRUE(hook.Saw(win::WM_PAINT));

    hook.Restore();
    hook.messages.clear();
    testdriver::Click(Centre(*button));
    testdriver::PumpUntilIdle();
    EXPECT_TRUE(hook.messages.empty());
}

TEST_F(ControlsTest, AWindowlessControlIsPaintedThroughItsWindowProcOnTheParentDC) {
    TForm* form = ShowForm();
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetAutoSize(false);
    label->SetBounds(20, 30, 60, 20);
    testdriver::PumpUntilIdle();

    Hook hook(label);
    hook.paintRed = true;
    label->Repaint();
    ASSERT_TRUE(hook.Saw(win::WM_PAINT));
    EXPECT_NE(hook.messages.front().WParam, 0u) << "the parent's DC comes in WParam";
    EXPECT_EQ(testdriver::ScreenPixel(At(*label, 0, 0).x, At(*label, 0, 0).y), 0x0000FFu);
    EXPECT_EQ(testdriver::ScreenPixel(At(*label, 59, 19).x, At(*label, 59, 19).y), 0x0000FFu);
    EXPECT_EQ(testdriver::ScreenPixel(At(*label, 60, 20).x, At(*label, 60, 20).y), win::GetSysColor(win::COLOR_BTNFACE))
        << "the DC is clipped to the control";

    testdriver::Click(At(*label, 5, 5));
    testdriver::PumpUntilIdle();
    EXPECT_TRUE(hook.Saw(win::WM_LBUTTONDOWN)) << "mouse input over a windowless control reaches its WindowProc";
    hook.Restore();
}

TEST_F(ControlsTest, NotificationsGoThroughWindowProc) {
    TForm* form = ShowForm();
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    edit->SetBounds(10, 10, 100, 21);
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetBounds(10, 50, 60, 20);
    testdriver::PumpUntilIdle();
    Hook editHook(edit);
    Hook labelHook(label);

    edit->SetEnabled(false);
    ASSERT_TRUE(editHook.Saw(CM_ENABLEDCHANGED));
    for (const TMessage& m : editHook.messages) {
        if (m.Msg == CM_ENABLEDCHANGED) {
            EXPECT_EQ(m.WParam, 0u);
        }
    }
    edit->SetEnabled(true);
    edit->SetText("x");
    EXPECT_TRUE(editHook.Saw(CM_TEXTCHANGED));
    edit->Invalidate();
    EXPECT_TRUE(editHook.Saw(CM_INVALIDATE));
    edit->SetCtl3D(false);
    EXPECT_TRUE(editHook.Saw(CM_CTL3DCHANGED));

    edit->SetFocus();
    EXPECT_TRUE(editHook.Saw(CM_FOCUSCHANGED));
    EXPECT_TRUE(labelHook.Saw(CM_FOCUSCHANGED)) << "every control of the form hears of a focus change";

    testdriver::MoveMouse(At(*label, 5, 5));
    testdriver::PumpUntilIdle();
    EXPECT_TRUE(labelHook.Saw(CM_MOUSEENTER));
    testdriver::MoveMouse(Centre(*edit));
    testdriver::PumpUntilIdle();
    EXPECT_TRUE(labelHook.Saw(CM_MOUSELEAVE));
    EXPECT_TRUE(editHook.Saw(CM_MOUSEENTER));

    edit->SetFocus();
    editHook.messages.clear();
    form->SetFocus();
    EXPECT_TRUE(editHook.Saw(CM_EXIT));
    labelHook.Restore();
    editHook.Restore();
}

TEST_F(ControlsTest, SettingCurrentBoundsOrColourInvalidatesNothing) {
    TForm* form = ShowForm();
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    edit->SetBounds(10, 10, 100, 21);
    testdriver::PumpUntilIdle();

    form->SetColor(form->Color());
    form->SetBounds(form->Left(), form->Top(), form->Width(), form->Height());
    edit->SetBounds(10, 10, 100, 21);
    edit->SetColor(edit->Color());
    win::RECT update;
    EXPECT_FALSE(win::GetUpdateRect(form->Handle(), &update, win::FALSE));
    EXPECT_FALSE(win::GetUpdateRect(edit->Handle(), &update, win::FALSE));
    edit->SetColor(clYellow);
    EXPECT_TRUE(win::GetUpdateRect(edit->Handle(), &update, win::FALSE));
}

namespace {

// Takes itself out of the chain at the first message it sees, and passes that message on.
class OneShotHook {
  public:
    explicit OneShotHook(TControl* control) : control_(control), saved_(control->WindowProc()) {
        control->SetWindowProc(TWndMethod::Bind<&OneShotHook::Proc>(this));
    }
    void Proc(TMessage& message) {
        ++seen;
        control_->SetWindowProc(saved_);
        saved_(message);
    }
    int seen = 0;

  private:
    TControl* control_;
    TWndMethod saved_;
};

}  // namespace

TEST_F(ControlsTest, PerformCallsTheWindowMethodInPlaceWhenItIsCalled) {
    TForm* form = ShowForm();
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    edit->SetBounds(10, 10, 100, 21);
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetBounds(10, 50, 60, 20);
    testdriver::PumpUntilIdle();
    for (TControl* control : {static_cast<TControl*>(edit), static_cast<TControl*>(label)}) {
        Hook outer(control);
        OneShotHook inner(control);
        EXPECT_EQ(control->Perform(win::EM_GETMODIFY, 0, 0), 0);
        EXPECT_EQ(inner.seen, 1);
        EXPECT_TRUE(outer.Saw(win::EM_GETMODIFY)) << "the method the hook put back ran the same message";
        outer.messages.clear();
        control->Perform(CM_TEXTCHANGED, 0, 0);
        EXPECT_EQ(inner.seen, 1) << "a method taken out of the chain no longer runs";
        EXPECT_TRUE(outer.Saw(CM_TEXTCHANGED));
        outer.Restore();
    }
    Hook native(edit);
    win::SendMessage(edit->Handle(), win::EM_GETMODIFY, 0, 0);
    EXPECT_TRUE(native.Saw(win::EM_GETMODIFY)) << "messages to the window go through the same method";
    native.Restore();
}

TEST_F(ControlsTest, AControlCanvasDrawsOnAWindowlessControlOutsidePaintingClippedToIt) {
    TForm* form = ShowForm();
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetAutoSize(false);
    label->SetBounds(20, 30, 60, 20);
    testdriver::PumpUntilIdle();
    const win::COLORREF face = win::GetSysColor(win::COLOR_BTNFACE);
    const gdi::LiveObjects before = gdi::CountLiveObjects();
    {
        TControlCanvas canvas(*label);
        ASSERT_NE(canvas.Handle(), nullptr);
        canvas.Brush().SetColor(0x0000FF);
        canvas.FillRect(win::RECT{-10, -10, 200, 200});
        canvas.Pen().SetColor(0x00FF00);
        canvas.MoveTo(0, 0);
        canvas.LineTo(5, 0);
    }
    EXPECT_EQ(gdi::CountLiveObjects(), before) << "the DCs are given back";
    auto at = [&](int x, int y) {
        const win::POINT p = At(*label, x, y);
        return testdriver::ScreenPixel(p.x, p.y);
    };
    EXPECT_EQ(at(0, 0), 0x00FF00u) << "(0, 0) is the control's corner";
    EXPECT_EQ(at(5, 0), 0x0000FFu);
    EXPECT_EQ(at(59, 19), 0x0000FFu);
    EXPECT_EQ(at(60, 10), face) << "clipped to the control";
    EXPECT_EQ(at(-1, 10), face);

    label->Repaint();
    EXPECT_NE(at(59, 19), 0x0000FFu) << "what was drawn lasts until the control is painted again";
}

TEST_F(ControlsTest, AControlCanvasDrawsOnAWindowedControlsClientAreaAndOnNothingWithoutAWindow) {
    TForm* form = ShowForm();
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    panel->SetBounds(20, 30, 80, 40);
    testdriver::PumpUntilIdle();
    {
        TControlCanvas canvas(*panel);
        canvas.Brush().SetColor(0xFF0000);
        canvas.FillRect(win::RECT{0, 0, 3, 3});
    }
    const win::POINT corner = panel->ClientToScreen(win::POINT{0, 0});
    EXPECT_EQ(testdriver::ScreenPixel(corner.x, corner.y), 0xFF0000u);
    EXPECT_EQ(testdriver::ScreenPixel(corner.x + 3, corner.y + 3), win::GetSysColor(win::COLOR_BTNFACE));

    auto* orphan = new TLabel(form);
    TControlCanvas nowhere(*orphan);
    EXPECT_EQ(nowhere.Handle(), nullptr);
    nowhere.FillRect(win::RECT{0, 0, 10, 10});
}
