// Main and popup menus: shortcuts, keyboard selection in a popup, automatic popup on a right click, AutoCheck,
// and caption changes that rebuild the native menu.
#include "ControlsFixture.h"
#include "platform/framework/controls/Label.h"
#include "platform/framework/controls/Panel.h"
#include "platform/framework/menus/MainMenu.h"
#include "platform/framework/menus/MenuItem.h"
#include "platform/framework/menus/PopupMenu.h"
#include "platform/testing/InputInjection.h"
#include "platform/testing/MessagePump.h"
#include "platform/user/Menu.h"
#include "platform/user/Messages.h"

using namespace framework;

namespace {

struct MenuEvents {
    int clicks = 0;
    TObject* lastSender = nullptr;
    int measured = 0;
    void Clicked(TObject* sender) {
        ++clicks;
        lastSender = sender;
    }
    // Chooses the second item with the keyboard once the popup is about to open.
    void ChooseSecond(TObject*) {
        testdriver::PressKey(win::VK_DOWN);
        testdriver::PressKey(win::VK_DOWN);
        testdriver::PressKey(win::VK_RETURN);
    }
    void Measure(TObject*, TCanvas*, int& width, int& height) {
        ++measured;
        width = 80;
        height = 20;
    }
};

TMenuItem* AddItem(TMenuItem* parent, TComponent* owner, const std::string& caption) {
    auto* item = new TMenuItem(owner);
    item->SetCaption(caption);
    parent->Add(item);
    return item;
}

}  // namespace

TEST_F(ControlsTest, AMainMenuShortcutClicksItsItem) {
    TForm* form = ShowForm();
    auto* menu = new TMainMenu(form);
    TMenuItem* file = AddItem(menu->Items(), form, "文件(&F)");
    TMenuItem* open = AddItem(file, form, "打开(&O)...");
    open->SetShortCut(ShortCut('O', ssCtrl));
    TMenuItem* help = AddItem(file, form, "帮助");
    help->SetShortCut(ShortCut(win::VK_F1, 0));
    help->SetEnabled(false);
    form->SetMenu(menu);
    MenuEvents events;
    open->OnClick = TNotifyEvent::Bind<&MenuEvents::Clicked>(&events);
    help->OnClick = TNotifyEvent::Bind<&MenuEvents::Clicked>(&events);
    testdriver::PumpUntilIdle();
    EXPECT_EQ(win::GetMenu(form->Handle()), menu->Handle());

    testdriver::PressKey(win::VK_CONTROL);
    testdriver::PressKey('O');
    testdriver::ReleaseKey('O');
    testdriver::ReleaseKey(win::VK_CONTROL);
    testdriver::PressKey(win::VK_F1);
    testdriver::ReleaseKey(win::VK_F1);
    app->ProcessMessages();
    EXPECT_EQ(events.clicks, 1) << "the disabled item's shortcut does nothing";
    EXPECT_EQ(events.lastSender, open);
    EXPECT_EQ(ShortCutToText(open->ShortCut()), "Ctrl+O");
}

TEST_F(ControlsTest, ARightClickOpensTheControlsPopupAndTheChosenItemIsClicked) {
    TForm* form = ShowForm();
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    panel->SetBounds(10, 10, 200, 100);
    auto* popup = new TPopupMenu(form);
    TMenuItem* first = AddItem(popup->Items(), form, "全选");
    TMenuItem* second = AddItem(popup->Items(), form, "反选");
    panel->SetPopupMenu(popup);
    MenuEvents events;
    first->OnClick = TNotifyEvent::Bind<&MenuEvents::Clicked>(&events);
    second->OnClick = TNotifyEvent::Bind<&MenuEvents::Clicked>(&events);
    popup->OnPopup = TNotifyEvent::Bind<&MenuEvents::ChooseSecond>(&events);
    testdriver::PumpUntilIdle();

    testdriver::RightClick(Centre(*panel));
    testdriver::PumpUntilIdle();
    EXPECT_EQ(events.clicks, 1);
    EXPECT_EQ(events.lastSender, second);
    EXPECT_EQ(popup->PopupComponent(), panel);
}

TEST_F(ControlsTest, AutoCheckTogglesOnClickWhileCheckedInCodeRaisesNothing) {
    TForm* form = ShowForm();
    auto* popup = new TPopupMenu(form);
    TMenuItem* item = AddItem(popup->Items(), form, "自动");
    item->SetAutoCheck(true);
    MenuEvents events;
    item->OnClick = TNotifyEvent::Bind<&MenuEvents::Clicked>(&events);
    item->SetChecked(true);
    EXPECT_EQ(events.clicks, 0);
    item->Click();
    EXPECT_FALSE(item->Checked());
    EXPECT_EQ(events.clicks, 1);
}

TEST_F(ControlsTest, ChangingACaptionRebuildsTheNativeMenuAndMeasuresAgain) {
    TForm* form = ShowForm();
    auto* menu = new TMainMenu(form);
    menu->SetOwnerDraw(true);
    TMenuItem* file = AddItem(menu->Items(), form, "文件");
    AddItem(file, form, "退出");
    MenuEvents events;
    file->OnMeasureItem = TMenuMeasureItemEvent::Bind<&MenuEvents::Measure>(&events);
    form->SetMenu(menu);
    testdriver::PumpUntilIdle();
    const int before = events.measured;
    EXPECT_GT(before, 0);

    file->SetCaption("");
    file->SetCaption("文件");
    testdriver::PumpUntilIdle();
    EXPECT_GT(events.measured, before);
    EXPECT_EQ(win::GetMenu(form->Handle()), menu->Handle());
    EXPECT_EQ(win::GetMenuItemCount(menu->Handle()), 1);
}
