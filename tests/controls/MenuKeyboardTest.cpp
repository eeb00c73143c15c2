// The menu bar from the keyboard: F10 and a lone Alt select it, Alt+letter opens the item with that mnemonic, the
// arrows move, Enter chooses, Esc closes one level, a letter chooses the item with that mnemonic.
#include <initializer_list>
#include <string>
#include <vector>

#include "ControlsFixture.h"
#include "platform/framework/menus/MainMenu.h"
#include "platform/framework/menus/MenuItem.h"
#include "platform/testing/InputInjection.h"
#include "platform/testing/MessagePump.h"
#include "platform/user/Messages.h"

using namespace framework;

namespace {

struct Chosen {
    std::vector<std::string> names;
    void Clicked(TObject* sender) { names.push_back(static_cast<TMenuItem*>(sender)->Caption()); }
};

class KeyboardMenu {
  public:
    explicit KeyboardMenu(TForm* form, bool ownerDraw = false) : menu_(new TMainMenu(form)) {
        menu_->SetOwnerDraw(ownerDraw);
        TMenuItem* file = Add(menu_->Items(), form, "文件(&F)");
        Add(file, form, "&Open");
        Add(file, form, "-");
        TMenuItem* recent = Add(file, form, "&Recent");
        Add(recent, form, "First &one");
        Add(recent, form, "&Second one");
        Add(file, form, "E&xit");
        TMenuItem* edit = Add(menu_->Items(), form, "&Edit");
        Add(edit, form, "&Copy");
        Add(edit, form, "&Paste");
        Add(edit, form, "Save &&&Quit");
        form->SetMenu(menu_);
    }
    Chosen chosen;

  private:
    TMenuItem* Add(TMenuItem* parent, TComponent* owner, const std::string& caption) {
        auto* item = new TMenuItem(owner);
        item->SetCaption(caption);
        parent->Add(item);
        if (caption != "-") item->OnClick = TNotifyEvent::Bind<&Chosen::Clicked>(&chosen);
        return item;
    }
    TMainMenu* menu_;
};

void Tap(int virtualKey) {
    testdriver::PressKey(virtualKey);
    testdriver::ReleaseKey(virtualKey);
}

void Taps(std::initializer_list<int> keys) {
    for (int key : keys) Tap(key);
}

void AltWith(int virtualKey) {
    testdriver::PressKey(win::VK_MENU);
    Tap(virtualKey);
    testdriver::ReleaseKey(win::VK_MENU);
}

}  // namespace

TEST_F(ControlsTest, F10AndTheArrowsWalkTheMenuBarAndEnterChooses) {
    TForm* form = ShowForm();
    KeyboardMenu menu(form);
    testdriver::PumpUntilIdle();

    Taps({win::VK_F10, win::VK_RIGHT, win::VK_DOWN, win::VK_DOWN, win::VK_RETURN});
    testdriver::PumpUntilIdle();
    Taps({win::VK_F10, win::VK_RETURN, win::VK_UP, win::VK_RETURN});
    testdriver::PumpUntilIdle();
    // Left from the first bar item wraps to the last; Right on an item with a sub-menu opens it.
    Taps({win::VK_F10, win::VK_LEFT, win::VK_LEFT, win::VK_DOWN, win::VK_DOWN, win::VK_RIGHT, win::VK_DOWN,
          win::VK_RETURN});
    testdriver::PumpUntilIdle();
    EXPECT_EQ(menu.chosen.names, (std::vector<std::string>{"&Paste", "E&xit", "&Second one"}));
}

TEST_F(ControlsTest, ALoneAltSelectsTheBarAndEscapeClosesOneLevelAtATime) {
    TForm* form = ShowForm();
    KeyboardMenu menu(form);
    testdriver::PumpUntilIdle();

    // Esc from the dropped menu goes back to the bar; Down drops it again with its first item selected.
    Tap(win::VK_MENU);
    Taps({win::VK_DOWN, win::VK_ESCAPE, win::VK_DOWN, win::VK_RETURN});
    testdriver::PumpUntilIdle();
    Tap(win::VK_MENU);
    Taps({win::VK_RETURN, win::VK_ESCAPE, win::VK_ESCAPE});
    testdriver::PumpUntilIdle();
    EXPECT_EQ(menu.chosen.names, (std::vector<std::string>{"&Open"}));

    // A second lone Alt closes the bar again; a key then reaches the form as usual.
    Tap(win::VK_MENU);
    Tap(win::VK_MENU);
    testdriver::PumpUntilIdle();
    Tap(win::VK_RETURN);
    testdriver::PumpUntilIdle();
    EXPECT_EQ(menu.chosen.names.size(), 1u);
}

TEST_F(ControlsTest, AltAndAMnemonicOpenItsMenuWhereALetterChoosesAnItem) {
    TForm* form = ShowForm();
    KeyboardMenu menu(form);
    testdriver::PumpUntilIdle();

    AltWith('F');
    testdriver::TypeText("X");
    testdriver::PumpUntilIdle();
    AltWith('E');
    testdriver::TypeText("q");
    testdriver::PumpUntilIdle();
    // A letter on a sub-menu item opens it; the next one chooses inside it.
    AltWith('F');
    testdriver::TypeText("rs");
    testdriver::PumpUntilIdle();
    // Alt with a letter no bar item has opens nothing: the Enter after it chooses nothing either.
    AltWith('Z');
    Tap(win::VK_RETURN);
    testdriver::PumpUntilIdle();
    // A letter no item has leaves the menu open until Esc.
    AltWith('E');
    testdriver::TypeText("z");
    Taps({win::VK_ESCAPE, win::VK_ESCAPE});
    testdriver::PumpUntilIdle();
    EXPECT_EQ(menu.chosen.names, (std::vector<std::string>{"E&xit", "Save &&&Quit", "&Second one"}));
}

TEST_F(ControlsTest, OwnerDrawnMenusFindTheirMnemonicsInTheItemsCaptions) {
    TForm* form = ShowForm();
    KeyboardMenu menu(form, true);
    testdriver::PumpUntilIdle();

    AltWith('E');
    testdriver::TypeText("p");
    testdriver::PumpUntilIdle();
    AltWith('F');
    testdriver::TypeText("ro");
    testdriver::PumpUntilIdle();
    AltWith('F');
    testdriver::TypeText("z");
    Taps({win::VK_ESCAPE, win::VK_ESCAPE});
    testdriver::PumpUntilIdle();
    EXPECT_EQ(menu.chosen.names, (std::vector<std::string>{"&Paste", "First &one"}));
}
