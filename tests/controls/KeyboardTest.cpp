// Keys through the application's loop: the key events a control raises before acting on a key, and Enter and
// Escape for a form's default and cancel buttons.
#include <string>
#include <vector>

#include "ControlsFixture.h"
#include "platform/framework/controls/Button.h"
#include "platform/framework/controls/ComboBox.h"
#include "platform/framework/controls/Edit.h"
#include "platform/framework/controls/Panel.h"
#include "platform/testing/InputInjection.h"
#include "platform/testing/MessagePump.h"
#include "platform/user/Messages.h"

using namespace framework;

namespace {

template <class Control>
Control* Place(TWinControl* parent, int x, int y, int width, int height) {
    auto* control = new Control(parent);
    control->SetParent(parent);
    control->SetBounds(x, y, width, height);
    return control;
}

void Key(int virtualKey) {
    testdriver::PressKey(virtualKey);
    testdriver::ReleaseKey(virtualKey);
}

struct KeyLog {
    std::vector<std::string> entries;
    bool swallowBackspace = false;
    void Down(TObject*, int& key, TShiftState) {
        entries.push_back("down " + std::to_string(key));
        if (swallowBackspace && key == win::VK_BACK) key = 0;
    }
    void Up(TObject*, int& key, TShiftState) { entries.push_back("up " + std::to_string(key)); }
    // Upper-cases ASCII letters and drops digits, as an input filter does.
    void Press(TObject*, char32_t& key) {
        entries.push_back("press");
        if (key >= U'a' && key <= U'z') key = key - U'a' + U'A';
        if (key >= U'0' && key <= U'9') key = 0;
    }
};

struct Clicks {
    std::vector<std::string> names;
    void Ok(TObject*) { names.push_back("ok"); }
    void Cancel(TObject*) { names.push_back("cancel"); }
    void Disabled(TObject*) { names.push_back("disabled"); }
};

}  // namespace

TEST_F(ControlsTest, KeyEventsRunBeforeTheEditActsAndCanChangeOrSwallowTheKey) {
    TForm* form = ShowForm();
    auto* edit = Place<TEdit>(form, 10, 10, 150, 21);
    KeyLog log;
    edit->OnKeyDown = TKeyEvent::Bind<&KeyLog::Down>(&log);
    edit->OnKeyUp = TKeyEvent::Bind<&KeyLog::Up>(&log);
    edit->OnKeyPress = TKeyPressEvent::Bind<&KeyLog::Press>(&log);
    edit->SetFocus();

    testdriver::TypeText("ab1c");
    Key(win::VK_BACK);
    app->ProcessMessages();
    EXPECT_EQ(edit->Text(), "AB");
    EXPECT_EQ(log.entries, (std::vector<std::string>{"press", "press", "press", "press", "down 8", "up 8"}));

    log.swallowBackspace = true;
    Key(win::VK_BACK);
    app->ProcessMessages();
    EXPECT_EQ(edit->Text(), "AB") << "a key set to 0 by OnKeyDown is not acted on";
}

TEST_F(ControlsTest, EnterAndEscapeClickTheDefaultAndCancelButtonsFromAnyControl) {
    TForm* form = ShowForm();
    auto* edit = Place<TEdit>(form, 10, 10, 150, 21);
    auto* ok = Place<TButton>(form, 10, 40, 75, 25);
    auto* cancel = Place<TButton>(form, 90, 40, 75, 25);
    ok->SetDefault(true);
    cancel->SetCancel(true);
    Clicks clicks;
    ok->OnClick = TNotifyEvent::Bind<&Clicks::Ok>(&clicks);
    cancel->OnClick = TNotifyEvent::Bind<&Clicks::Cancel>(&clicks);
    edit->SetFocus();
    testdriver::TypeText("x");

    Key(win::VK_RETURN);
    app->ProcessMessages();
    Key(win::VK_ESCAPE);
    app->ProcessMessages();
    EXPECT_EQ(clicks.names, (std::vector<std::string>{"ok", "cancel"}));
    EXPECT_EQ(edit->Text(), "x") << "the edit did not see the keys";
    EXPECT_TRUE(edit->Focused());
}

TEST_F(ControlsTest, ADefaultButtonThatCannotBeSeenOrUsedIgnoresEnter) {
    TForm* form = ShowForm();
    auto* page = Place<TPanel>(form, 0, 0, 200, 100);
    auto* hidden = Place<TButton>(page, 10, 10, 75, 25);
    auto* disabled = Place<TButton>(form, 10, 120, 75, 25);
    auto* edit = Place<TEdit>(form, 10, 160, 150, 21);
    hidden->SetDefault(true);
    disabled->SetDefault(true);
    disabled->SetEnabled(false);
    Clicks clicks;
    hidden->OnClick = TNotifyEvent::Bind<&Clicks::Ok>(&clicks);
    disabled->OnClick = TNotifyEvent::Bind<&Clicks::Disabled>(&clicks);
    page->Hide();
    edit->SetFocus();

    Key(win::VK_RETURN);
    app->ProcessMessages();
    EXPECT_TRUE(clicks.names.empty()) << "a default button on a hidden panel, or a disabled one, is not clicked";

    page->Show();
    Key(win::VK_RETURN);
    app->ProcessMessages();
    EXPECT_EQ(clicks.names, (std::vector<std::string>{"ok"}));
}

TEST_F(ControlsTest, AnOpenComboListTakesEnterAndEscapeBeforeTheFormsButtons) {
    TForm* form = ShowForm();
    auto* combo = Place<TComboBox>(form, 10, 10, 150, 21);
    auto* ok = Place<TButton>(form, 10, 40, 75, 25);
    auto* cancel = Place<TButton>(form, 90, 40, 75, 25);
    ok->SetDefault(true);
    cancel->SetCancel(true);
    Clicks clicks;
    ok->OnClick = TNotifyEvent::Bind<&Clicks::Ok>(&clicks);
    cancel->OnClick = TNotifyEvent::Bind<&Clicks::Cancel>(&clicks);
    combo->SetStyle(csDropDownList);
    combo->Items().Add("one");
    combo->Items().Add("two");
    combo->SetFocus();

    Key(win::VK_F1 + 3);  // F4
    app->ProcessMessages();
    ASSERT_TRUE(combo->DroppedDown());
    Key(win::VK_ESCAPE);
    app->ProcessMessages();
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_TRUE(clicks.names.empty()) << "Escape closed the list, not the form";

    Key(win::VK_ESCAPE);
    app->ProcessMessages();
    EXPECT_EQ(clicks.names, (std::vector<std::string>{"cancel"})) << "with the list closed, Escape is the form's";
}
