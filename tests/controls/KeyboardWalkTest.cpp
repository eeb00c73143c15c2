// Walking a form from the keyboard: Tab stops once in a group of radio buttons, on its checked one, and the arrows
// move inside the group; a menu the mouse dropped from the bar closes with one Escape and gives the keys back.
#include "ControlsFixture.h"
#include "platform/framework/ShortCut.h"
#include "platform/framework/controls/Button.h"
#include "platform/framework/controls/Panel.h"
#include "platform/framework/controls/RadioButton.h"
#include "platform/framework/forms/Application.h"
#include "platform/framework/menus/MainMenu.h"
#include "platform/framework/menus/MenuItem.h"
#include "platform/testing/InputInjection.h"
#include "platform/testing/MessagePump.h"
#include "platform/user/Menu.h"
#include "platform/user/Messages.h"

using namespace framework;

namespace {

template <class Control>
Control* Place(TWinControl* parent, int x, int y, const char* caption) {
    auto* control = new Control(parent);
    control->SetParent(parent);
    control->SetBounds(x, y, 80, 20);
    control->SetCaption(caption);
    return control;
}

// Keys go through the application's loop, which runs Tab and the shortcuts.
void Key(int virtualKey) {
    testdriver::PressKey(virtualKey);
    testdriver::ReleaseKey(virtualKey);
    Application->ProcessMessages();
}

void ShiftTab() {
    testdriver::PressKey(win::VK_SHIFT);
    Key(win::VK_TAB);
    testdriver::ReleaseKey(win::VK_SHIFT);
    Application->ProcessMessages();
}

}  // namespace

TEST_F(ControlsTest, TabStopsOnlyOnTheCheckedRadioButtonOfAGroupAndTheArrowsMoveWithinIt) {
    TForm* form = ShowForm();
    auto* before = Place<TButton>(form, 10, 10, "前");
    auto* group = Place<TPanel>(form, 10, 40, "");
    group->SetBounds(10, 40, 300, 30);
    auto* eight = Place<TRadioButton>(group, 0, 5, "8位");
    auto* sixteen = Place<TRadioButton>(group, 90, 5, "16位");
    auto* twentyFour = Place<TRadioButton>(group, 180, 5, "24位");
    sixteen->SetChecked(true);
    auto* after = Place<TButton>(form, 10, 80, "后");
    before->SetFocus();

    Key(win::VK_TAB);
    EXPECT_TRUE(sixteen->Focused()) << "the checked one, not the first of the group";
    Key(win::VK_TAB);
    EXPECT_TRUE(after->Focused());
    ShiftTab();
    EXPECT_TRUE(sixteen->Focused());

    // The arrows move through the group, wrapping, and check the button they reach.
    Key(win::VK_LEFT);
    EXPECT_TRUE(eight->Focused());
    EXPECT_TRUE(eight->Checked());
    EXPECT_FALSE(sixteen->Checked());
    Key(win::VK_UP);
    EXPECT_TRUE(twentyFour->Focused());
    EXPECT_TRUE(twentyFour->Checked());
    Key(win::VK_DOWN);
    EXPECT_TRUE(eight->Focused());
    Key(win::VK_RIGHT);
    EXPECT_TRUE(sixteen->Checked());

    // Tab leaves the group from wherever the focus is in it, and comes back to the button checked now.
    Key(win::VK_TAB);
    EXPECT_TRUE(after->Focused());
    Key(win::VK_TAB);
    EXPECT_TRUE(before->Focused());
    Key(win::VK_TAB);
    EXPECT_TRUE(sixteen->Focused());

    // A group with nothing checked is reached at its first button.
    sixteen->SetChecked(false);
    before->SetFocus();
    Key(win::VK_TAB);
    EXPECT_TRUE(eight->Focused());
    Key(win::VK_TAB);
    EXPECT_TRUE(after->Focused());
}

namespace {

struct Counter {
    int clicks = 0;
    void Clicked(TObject*) { ++clicks; }
};

}  // namespace

TEST_F(ControlsTest, OneEscapeClosesAMenuTheMouseDroppedAndTheNextShortcutWorks) {
    TForm* form = ShowForm();
    auto* menu = new TMainMenu(form);
    auto* file = new TMenuItem(form);
    file->SetCaption("文件");
    menu->Items()->Add(file);
    auto* compress = new TMenuItem(form);
    compress->SetCaption("压缩");
    compress->SetShortCut(ShortCut('U', ssCtrl));
    Counter counter;
    compress->OnClick = TNotifyEvent::Bind<&Counter::Clicked>(&counter);
    file->Add(compress);
    form->SetMenu(menu);
    testdriver::PumpUntilIdle();
    win::RECT item;
    ASSERT_TRUE(win::GetMenuItemRect(form->Handle(), menu->Handle(), 0, &item));

    // All the input waits in the queue before the menu runs. The last Escape would only close a bar left selected.
    testdriver::Click(win::POINT{item.left + 5, item.top + 5});
    testdriver::PressKey(win::VK_ESCAPE);
    testdriver::ReleaseKey(win::VK_ESCAPE);
    testdriver::PressKey(win::VK_CONTROL);
    testdriver::PressKey('U');
    testdriver::ReleaseKey('U');
    testdriver::ReleaseKey(win::VK_CONTROL);
    testdriver::PressKey(win::VK_ESCAPE);
    testdriver::ReleaseKey(win::VK_ESCAPE);
    Application->ProcessMessages();
    EXPECT_EQ(counter.clicks, 1) << "Ctrl+U reached the form after one Escape";

    // From the keyboard, Escape still goes back to the bar first: the shortcut then waits for a second Escape.
    testdriver::PressKey(win::VK_F10);
    testdriver::ReleaseKey(win::VK_F10);
    testdriver::PressKey(win::VK_DOWN);
    testdriver::ReleaseKey(win::VK_DOWN);
    testdriver::PressKey(win::VK_ESCAPE);
    testdriver::ReleaseKey(win::VK_ESCAPE);
    testdriver::PressKey(win::VK_ESCAPE);
    testdriver::ReleaseKey(win::VK_ESCAPE);
    testdriver::PressKey(win::VK_CONTROL);
    testdriver::PressKey('U');
    testdriver::ReleaseKey('U');
    testdriver::ReleaseKey(win::VK_CONTROL);
    Application->ProcessMessages();
    EXPECT_EQ(counter.clicks, 2);
}
