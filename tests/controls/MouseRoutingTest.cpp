// Mouse input over windowless controls: which one the parent window hands a press to, the capture that keeps a
// press with the control it started on, and the hot look of a flat button under the mouse.
#include <string>
#include <vector>

#include "ControlsFixture.h"
#include "platform/framework/controls/Label.h"
#include "platform/framework/controls/SpeedButton.h"
#include "platform/gdi/SysColors.h"
#include "platform/testing/InputInjection.h"
#include "platform/testing/MessagePump.h"
#include "platform/testing/Screen.h"
#include "platform/user/Input.h"

using namespace framework;

namespace {

template <class Control>
Control* Place(TForm* form, int x, int y, int width, int height) {
    auto* control = new Control(form);
    control->SetParent(form);
    control->SetBounds(x, y, width, height);
    return control;
}

struct Log {
    std::vector<std::string> entries;
    void Named(TObject* sender) { entries.push_back(static_cast<TControl*>(sender)->Name()); }
    void Moved(TObject*, TShiftState, int x, int) { entries.push_back("move " + std::to_string(x)); }
};

win::COLORREF PixelOf(const TControl& control, int x, int y) {
    const win::POINT at = control.ClientToScreen(win::POINT{x, y});
    return testdriver::ScreenPixel(at.x, at.y);
}

}  // namespace

TEST_F(ControlsTest, APressGoesToTheTopmostVisibleWindowlessControlAndADisabledOneSwallowsIt) {
    TForm* form = ShowForm();
    auto* below = Place<TLabel>(form, 10, 10, 100, 20);
    auto* above = Place<TLabel>(form, 60, 10, 100, 20);
    form->SetName("form");
    below->SetName("below");
    above->SetName("above");
    Log log;
    for (TControl* c : {static_cast<TControl*>(form), static_cast<TControl*>(below), static_cast<TControl*>(above)})
        c->OnClick = TNotifyEvent::Bind<&Log::Named>(&log);
    testdriver::PumpUntilIdle();
    const win::POINT overlap = At(*form, 80, 20);

    testdriver::Click(overlap);
    testdriver::PumpUntilIdle();
    above->Hide();
    testdriver::Click(overlap);
    testdriver::PumpUntilIdle();
    below->SetEnabled(false);
    testdriver::Click(overlap);
    testdriver::PumpUntilIdle();
    testdriver::Click(At(*form, 80, 100));
    testdriver::PumpUntilIdle();

    EXPECT_EQ(log.entries, (std::vector<std::string>{"above", "below", "form"}))
        << "the disabled label took the third press and raised nothing";
}

TEST_F(ControlsTest, AWindowlessButtonKeepsThePressAndClicksOnlyWhenReleasedOverIt) {
    TForm* form = ShowForm();
    auto* button = Place<TSpeedButton>(form, 20, 20, 40, 30);
    button->SetName("button");
    Log log;
    button->OnClick = TNotifyEvent::Bind<&Log::Named>(&log);
    button->OnMouseMove = TMouseMoveEvent::Bind<&Log::Moved>(&log);
    testdriver::PumpUntilIdle();

    // Each step is delivered before the next: the capture a press takes is there once the press was handled.
    user::InputMouseButton(user::MouseButton::Left, true, Centre(*button));
    testdriver::PumpUntilIdle();
    testdriver::MoveMouse(At(*button, 100, 15));
    testdriver::PumpUntilIdle();
    user::InputMouseButton(user::MouseButton::Left, false, At(*button, 100, 15));
    testdriver::PumpUntilIdle();
    EXPECT_EQ(log.entries, (std::vector<std::string>{"move 100"})) << "moves outside still reach the pressed button";

    log.entries.clear();
    user::InputMouseButton(user::MouseButton::Left, true, Centre(*button));
    testdriver::PumpUntilIdle();
    testdriver::MoveMouse(At(*button, -30, 15));
    testdriver::PumpUntilIdle();
    testdriver::MoveMouse(At(*button, 10, 15));
    testdriver::PumpUntilIdle();
    user::InputMouseButton(user::MouseButton::Left, false, At(*button, 10, 15));
    testdriver::PumpUntilIdle();
    EXPECT_EQ(log.entries, (std::vector<std::string>{"move -30", "move 10", "button"}));

    log.entries.clear();
    testdriver::MoveMouse(At(*form, 200, 200));
    testdriver::PumpUntilIdle();
    EXPECT_TRUE(log.entries.empty()) << "once released, moves elsewhere are the form's";
}

TEST_F(ControlsTest, AFlatButtonIsRaisedOnlyWhileTheMouseIsOverIt) {
    TForm* form = ShowForm();
    auto* button = Place<TSpeedButton>(form, 20, 20, 40, 30);
    button->SetFlat(true);
    testdriver::MoveMouse(At(*form, 200, 200));
    testdriver::PumpUntilIdle();
    const win::COLORREF face = win::GetSysColor(win::COLOR_BTNFACE);
    EXPECT_EQ(PixelOf(*button, 0, 0), face);
    EXPECT_EQ(PixelOf(*button, 39, 29), face);

    testdriver::MoveMouse(Centre(*button));
    testdriver::PumpUntilIdle();
    EXPECT_EQ(PixelOf(*button, 0, 0), win::GetSysColor(win::COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(PixelOf(*button, 39, 29), win::GetSysColor(win::COLOR_BTNSHADOW));

    testdriver::MoveMouse(At(*form, 200, 200));
    testdriver::PumpUntilIdle();
    EXPECT_EQ(PixelOf(*button, 0, 0), face);
    EXPECT_EQ(PixelOf(*button, 39, 29), face);
}
