// The letter underlined in a button's caption: in a message box or a dialog it presses that button, typed alone
// where the focus takes no text or with Alt anywhere; Alt with a letter no button has still opens the menu bar.
#include <string>

#include "ControlsFixture.h"
#include "platform/framework/TTimer.h"
#include "platform/framework/controls/Button.h"
#include "platform/framework/controls/CheckBox.h"
#include "platform/framework/controls/Edit.h"
#include "platform/framework/forms/Application.h"
#include "platform/framework/forms/MessageBox.h"
#include "platform/framework/menus/MainMenu.h"
#include "platform/framework/menus/MenuItem.h"
#include "platform/testing/InputInjection.h"
#include "platform/testing/MessagePump.h"
#include "platform/user/Input.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Messages.h"
#include "platform/user/Window.h"

using namespace framework;

namespace {

// A letter key as a keyboard gives it: the key, the character it types, the release.
void Letter(char letter) {
    const char typed[2] = {letter, 0};
    const int key = letter >= 'a' ? letter - 'a' + 'A' : letter;
    testdriver::PressKey(key);
    testdriver::TypeText(typed);
    testdriver::ReleaseKey(key);
}

void AltLetter(char letter) {
    testdriver::PressKey(win::VK_MENU);
    Letter(letter);
    testdriver::ReleaseKey(win::VK_MENU);
}

// Gives the input once the modal window shows and has the keyboard, a tick of a timer later, as a user acts; a
// window still open a while after is cancelled with Escape, so that a test of keys that do nothing ends.
class WhenShown {
  public:
    explicit WhenShown(void (*input)(char), char letter) : input_(input), letter_(letter) {
        timer_.SetInterval(20);
        timer_.SetOnTimer(TNotifyEvent::Bind<&WhenShown::Tick>(this));
        timer_.SetEnabled(true);
    }

  private:
    void Tick(TObject*) {
        const win::HWND focus = win::GetFocus();
        const win::HWND top = win::GetAncestor(focus, win::GA_ROOT);
        if (!focus || top != win::GetActiveWindow() || top == Application->MainForm()->Handle()) return;
        if (ticksSinceInput_ < 0) {
            input_(letter_);
        } else if (ticksSinceInput_ == 25) {
            testdriver::PressKey(win::VK_ESCAPE);
            testdriver::ReleaseKey(win::VK_ESCAPE);
        }
        ++ticksSinceInput_;
    }

    void (*input_)(char);
    char letter_;
    int ticksSinceInput_ = -1;
    TTimer timer_{nullptr};
};

int AnswerTo(void (*input)(char), char letter) {
    const WhenShown when(input, letter);
    return win::MessageBox(nullptr, "文件已经更改，是否保存所做的更改？", "提示", win::MB_YESNOCANCEL);
}

}  // namespace

TEST_F(ControlsTest, TheUnderlinedLetterAnswersAMessageBoxAloneOrWithAlt) {
    ShowForm();
    SetMessageBoxResponder(nullptr);
    EXPECT_EQ(AnswerTo(Letter, 'n'), win::IDNO);
    EXPECT_EQ(AnswerTo(Letter, 'N'), win::IDNO);
    EXPECT_EQ(AnswerTo(AltLetter, 'n'), win::IDNO);
    EXPECT_EQ(AnswerTo(Letter, 'y'), win::IDYES);
    EXPECT_EQ(AnswerTo(AltLetter, 'y'), win::IDYES);
}

namespace {

// A dialog whose text field has the focus, with "打开(&O)", "取消" and a check box "只读(&R)".
struct OpenDialogLike {
    explicit OpenDialogLike() : form(nullptr) {
        form.SetBounds(120, 120, 300, 140);
        name = new TEdit(&form);
        name->SetParent(&form);
        name->SetBounds(10, 10, 200, 21);
        open = new TButton(&form);
        open->SetParent(&form);
        open->SetBounds(10, 60, 75, 25);
        open->SetCaption("打开(&O)");
        open->SetModalResult(mrOk);
        auto* cancel = new TButton(&form);
        cancel->SetParent(&form);
        cancel->SetBounds(100, 60, 75, 25);
        cancel->SetCaption("取消");
        cancel->SetModalResult(mrCancel);
        cancel->SetCancel(true);
        readOnly = new TCheckBox(&form);
        readOnly->SetParent(&form);
        readOnly->SetBounds(10, 95, 120, 17);
        readOnly->SetCaption("只读(&R)");
        form.SetActiveControl(name);
    }
    TForm form;
    TEdit* name;
    TButton* open;
    TCheckBox* readOnly;
};

}  // namespace

TEST_F(ControlsTest, InADialogALetterTypedIntoAFieldIsTextAndWithAltItPressesItsButton) {
    ShowForm();
    OpenDialogLike dialog;
    const WhenShown when(
        [](char) {
            Letter('o');
            Letter('r');
            AltLetter('r');
            AltLetter('o');
        },
        0);
    EXPECT_EQ(dialog.form.ShowModal(), mrOk);
    EXPECT_EQ(dialog.name->Text(), "or") << "typed into the focused field";
    EXPECT_TRUE(dialog.readOnly->Checked()) << "Alt+R pressed the check box";
}

TEST_F(ControlsTest, WhereTheFocusTakesNoTextALetterAloneTogglesTheCheckBoxItBelongsTo) {
    ShowForm();
    OpenDialogLike dialog;
    dialog.form.SetActiveControl(dialog.open);
    const WhenShown when(
        [](char) {
            Letter('r');
            Letter('r');
            Letter('r');
            Letter('o');
        },
        0);
    EXPECT_EQ(dialog.form.ShowModal(), mrOk);
    EXPECT_TRUE(dialog.readOnly->Checked());
    EXPECT_EQ(dialog.name->Text(), "");
}

TEST_F(ControlsTest, AltWithALetterNoButtonHasStillOpensTheMenuBarItem) {
    TForm* form = ShowForm();
    auto* menu = new TMainMenu(form);
    auto* file = new TMenuItem(form);
    file->SetCaption("文件(&F)");
    menu->Items()->Add(file);
    auto* exit = new TMenuItem(form);
    exit->SetCaption("退出(&X)");
    int exits = 0;
    struct Counter {
        int* count;
        void Clicked(TObject*) { ++*count; }
    } counter{&exits};
    exit->OnClick = TNotifyEvent::Bind<&Counter::Clicked>(&counter);
    file->Add(exit);
    form->SetMenu(menu);
    auto* button = new TButton(form);
    button->SetParent(form);
    button->SetCaption("确定(&K)");
    testdriver::PumpUntilIdle();
    AltLetter('f');
    Letter('x');
    testdriver::PumpUntilIdle();
    EXPECT_EQ(exits, 1);
}
