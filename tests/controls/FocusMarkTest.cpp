// Focus from the user's side: a click gives a control the keyboard, Tab and Shift+Tab walk the controls, and the
// focused button shows its focus mark.
#include "ControlsFixture.h"
#include "platform/framework/controls/Button.h"
#include "platform/framework/controls/CheckBox.h"
#include "platform/framework/controls/Edit.h"
#include "platform/gdi/SysColors.h"
#include "platform/testing/InputInjection.h"
#include "platform/testing/MessagePump.h"
#include "platform/testing/Screen.h"
#include "platform/user/Input.h"
#include "platform/user/Messages.h"

using namespace framework;

namespace {

void Tab(bool backwards = false) {
    if (backwards) testdriver::PressKey(win::VK_SHIFT);
    testdriver::PressKey(win::VK_TAB);
    testdriver::ReleaseKey(win::VK_TAB);
    if (backwards) testdriver::ReleaseKey(win::VK_SHIFT);
}

// The corner of the dotted focus frame, 4 pixels inside the button.
win::COLORREF FocusMarkCorner(TButton& button) {
    win::POINT corner = button.ClientToScreen(win::POINT{4, 4});
    return testdriver::ScreenPixel(corner.x, corner.y);
}

}  // namespace

TEST_F(ControlsTest, AClickFocusesTabWalksTheControlsAndTheFocusedButtonShowsItsMark) {
    TForm* form = ShowForm();
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    edit->SetBounds(10, 10, 150, 21);
    auto* button = new TButton(form);
    button->SetParent(form);
    button->SetBounds(10, 50, 75, 25);
    button->SetCaption("OK");
    auto* check = new TCheckBox(form);
    check->SetParent(form);
    check->SetBounds(10, 90, 120, 17);
    check->SetCaption("Normalize");
    testdriver::PumpUntilIdle();

    testdriver::Click(Centre(*edit));
    app->ProcessMessages();
    EXPECT_EQ(win::GetFocus(), edit->Handle());
    testdriver::PumpUntilIdle();
    const win::COLORREF face = win::GetSysColor(win::COLOR_BTNFACE);
    EXPECT_EQ(FocusMarkCorner(*button), face) << "no mark while the button has no focus";

    Tab();
    app->ProcessMessages();
    testdriver::PumpUntilIdle();
    EXPECT_TRUE(button->Focused());
    EXPECT_EQ(FocusMarkCorner(*button), win::GetSysColor(win::COLOR_WINDOWTEXT));

    Tab();
    app->ProcessMessages();
    testdriver::PumpUntilIdle();
    EXPECT_TRUE(check->Focused());
    EXPECT_EQ(FocusMarkCorner(*button), face) << "the mark goes with the focus";

    Tab(true);
    Tab(true);
    app->ProcessMessages();
    EXPECT_TRUE(edit->Focused());
    Tab(true);
    app->ProcessMessages();
    EXPECT_TRUE(check->Focused()) << "Shift+Tab wraps around to the last control";
}
