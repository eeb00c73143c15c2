// Push buttons, check boxes and radio buttons driven by injected input, and the events raised by code.
#include <string>
#include <vector>

#include "ControlsFixture.h"
#include "platform/framework/controls/Button.h"
#include "platform/framework/controls/CheckBox.h"
#include "platform/framework/controls/Panel.h"
#include "platform/framework/controls/RadioButton.h"
#include "platform/gdi/SysColors.h"
#include "platform/testing/InputInjection.h"
#include "platform/testing/MessagePump.h"
#include "platform/testing/Screen.h"
#include "platform/user/Input.h"
#include "platform/user/Messages.h"

using namespace framework;

namespace {

struct EventLog {
    std::vector<std::string> entries;
    void Clicked(TObject*) { entries.push_back("click"); }
    void Down(TObject*, TMouseButton, TShiftState, int, int) { entries.push_back("down"); }
    void Up(TObject*, TMouseButton, TShiftState, int, int) { entries.push_back("up"); }
};

template <class Control>
Control* Place(TForm* form, int x, int y, int width, int height) {
    auto* control = new Control(form);
    control->SetParent(form);
    control->SetBounds(x, y, width, height);
    return control;
}

}  // namespace

TEST_F(ControlsTest, AButtonClickRunsClickBeforeMouseUp) {
    TForm* form = ShowForm();
    auto* button = Place<TButton>(form, 10, 10, 75, 25);
    EventLog log;
    button->OnClick = TNotifyEvent::Bind<&EventLog::Clicked>(&log);
    button->OnMouseDown = TMouseEvent::Bind<&EventLog::Down>(&log);
    button->OnMouseUp = TMouseEvent::Bind<&EventLog::Up>(&log);
    testdriver::PumpUntilIdle();

    testdriver::Click(Centre(*button));
    testdriver::PumpUntilIdle();

    EXPECT_EQ(log.entries, (std::vector<std::string>{"down", "click", "up"}));
    EXPECT_TRUE(button->Focused()) << "a pressed button takes the focus";
}

TEST_F(ControlsTest, ReleasingOutsideTheButtonOrOnADisabledOneDoesNotClick) {
    TForm* form = ShowForm();
    auto* button = Place<TButton>(form, 10, 10, 75, 25);
    EventLog log;
    button->OnClick = TNotifyEvent::Bind<&EventLog::Clicked>(&log);
    testdriver::PumpUntilIdle();

    user::InputMouseButton(user::MouseButton::Left, true, Centre(*button));
    testdriver::PumpUntilIdle();
    user::InputMouseButton(user::MouseButton::Left, false, At(*button, 200, 100));
    testdriver::PumpUntilIdle();
    EXPECT_TRUE(log.entries.empty());

    button->SetEnabled(false);
    testdriver::Click(Centre(*button));
    testdriver::PumpUntilIdle();
    EXPECT_TRUE(log.entries.empty());
}

TEST_F(ControlsTest, AButtonHasTheClassicRaisedLook) {
    TForm* form = ShowForm();
    auto* button = Place<TButton>(form, 10, 10, 75, 25);
    button->SetCaption("OK");
    testdriver::PumpUntilIdle();

    auto pixel = [&](int x, int y) { return testdriver::ScreenPixel(At(*button, x, y).x, At(*button, x, y).y); };
    EXPECT_EQ(pixel(0, 0), win::GetSysColor(win::COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(pixel(74, 24), win::GetSysColor(win::COLOR_3DDKSHADOW));
    EXPECT_EQ(pixel(73, 23), win::GetSysColor(win::COLOR_BTNSHADOW));
    EXPECT_EQ(pixel(1, 1), win::GetSysColor(win::COLOR_3DLIGHT));
    EXPECT_EQ(pixel(4, 4), win::GetSysColor(win::COLOR_BTNFACE));
}

TEST_F(ControlsTest, ACheckBoxTogglesOnClickAndOnSpace) {
    TForm* form = ShowForm();
    auto* box = Place<TCheckBox>(form, 10, 10, 120, 17);
    EventLog log;
    box->OnClick = TNotifyEvent::Bind<&EventLog::Clicked>(&log);
    testdriver::PumpUntilIdle();

    testdriver::Click(At(*box, 6, 8));
    testdriver::PumpUntilIdle();
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(log.entries.size(), 1u);

    testdriver::PressKey(win::VK_SPACE);
    testdriver::ReleaseKey(win::VK_SPACE);
    testdriver::PumpUntilIdle();
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(log.entries.size(), 2u);
    EXPECT_EQ(box->Perform(win::BM_GETCHECK, 0, 0), cbUnchecked);
}

TEST_F(ControlsTest, SettingCheckedInCodeRaisesOnClickOnlyWhenItChanges) {
    TForm* form = ShowForm();
    auto* box = Place<TCheckBox>(form, 10, 10, 120, 17);
    EventLog log;
    box->OnClick = TNotifyEvent::Bind<&EventLog::Clicked>(&log);

    box->SetChecked(true);
    EXPECT_EQ(log.entries.size(), 1u);
    box->SetChecked(true);
    EXPECT_EQ(log.entries.size(), 1u);
    box->SetState(cbGrayed);
    EXPECT_EQ(log.entries.size(), 2u);
    EXPECT_FALSE(box->Checked());
}

TEST_F(ControlsTest, RadioButtonsAreExclusivePerParent) {
    TForm* form = ShowForm();
    auto* left = Place<TPanel>(form, 0, 0, 150, 100);
    auto* right = Place<TPanel>(form, 160, 0, 150, 100);
    auto makeRadio = [&](TPanel* panel, int y) {
        auto* radio = new TRadioButton(form);
        radio->SetParent(panel);
        radio->SetBounds(5, y, 120, 17);
        return radio;
    };
    TRadioButton* a1 = makeRadio(left, 5);
    TRadioButton* a2 = makeRadio(left, 30);
    TRadioButton* b1 = makeRadio(right, 5);
    EventLog log;
    a2->OnClick = TNotifyEvent::Bind<&EventLog::Clicked>(&log);
    a1->SetChecked(true);
    b1->SetChecked(true);
    testdriver::PumpUntilIdle();

    testdriver::Click(At(*a2, 6, 8));
    testdriver::PumpUntilIdle();
    EXPECT_TRUE(a2->Checked());
    EXPECT_FALSE(a1->Checked());
    EXPECT_TRUE(b1->Checked()) << "another parent's group is left alone";
    EXPECT_EQ(log.entries.size(), 1u);

    testdriver::Click(At(*a2, 6, 8));
    testdriver::PumpUntilIdle();
    EXPECT_TRUE(a2->Checked()) << "clicking a checked radio button keeps it checked";
    EXPECT_EQ(log.entries.size(), 1u);

    a1->SetChecked(true);
    EXPECT_FALSE(a2->Checked());
    EXPECT_EQ(log.entries.size(), 1u) << "being unchecked raises nothing";
}
