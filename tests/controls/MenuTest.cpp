// Main and popup menus: shortcuts, keyboard selection in a popup, automatic popup on a right click, AutoCheck,
// caption changes that rebuild the native menu, and owner-drawn items without handlers in the classic look.
#include <functional>
#include <vector>

#include "ControlsFixture.h"
#include "platform/framework/controls/Label.h"
#include "platform/framework/controls/Panel.h"
#include "platform/framework/menus/MainMenu.h"
#include "platform/framework/menus/MenuItem.h"
#include "platform/framework/menus/PopupMenu.h"
#include "platform/testing/InputInjection.h"
#include "platform/testing/MessagePump.h"
#include "platform/testing/Screen.h"
#include "platform/user/Menu.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Messages.h"
#include "platform/user/Window.h"

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

// Every pixel of a window, row by row, with its size.
struct WindowPicture {
    int width = 0;
    int height = 0;
    std::vector<win::COLORREF> pixels;
    bool operator==(const WindowPicture&) const = default;
};

WindowPicture PictureOf(win::HWND hwnd) {
    win::RECT r{};
    win::GetWindowRect(hwnd, &r);
    WindowPicture picture{r.right - r.left, r.bottom - r.top, {}};
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) picture.pixels.push_back(testdriver::WindowPixel(hwnd, x, y));
    return picture;
}

// Opens the menu at a screen point and, once its window has painted, hands that window to `whileOpen` and closes
// the menu.
class OpenMenu {
  public:
    OpenMenu(TApplication& app, std::function<void(win::HWND popup)> whileOpen)
        : app_(app), whileOpen_(std::move(whileOpen)) {
        app_.HookMainWindow(TWindowHook::Bind<&OpenMenu::Hook>(this));
    }
    ~OpenMenu() { app_.UnhookMainWindow(TWindowHook::Bind<&OpenMenu::Hook>(this)); }
    void Popup(TPopupMenu& menu, int x, int y) {
        at_ = win::POINT{x + 5, y + 5};
        // Timers come after paints: the timer fires inside the tracking loop once the popup has painted.
        win::SetTimer(app_.Handle(), kTimer, 1, nullptr);
        menu.Popup(x, y);
    }

  private:
    static constexpr win::UINT_PTR kTimer = 77;
    bool Hook(TMessage& message) {
        if (message.Msg != win::WM_TIMER || message.WParam != kTimer) return false;
        win::KillTimer(app_.Handle(), kTimer);
        whileOpen_(win::WindowFromPoint(at_));
        win::EndMenu();
        return true;
    }
    TApplication& app_;
    std::function<void(win::HWND)> whileOpen_;
    win::POINT at_{};
};

}  // namespace

TEST_F(ControlsTest, AnOwnerDrawnMenuWithoutHandlersLooksExactlyLikeTheClassicOne) {
    TForm* form = ShowForm();
    auto* popup = new TPopupMenu(form);
    TMenuItem* open = AddItem(popup->Items(), form, "打开(&O)");
    open->SetShortCut(ShortCut('O', ssCtrl));
    AddItem(popup->Items(), form, "已选")->SetChecked(true);
    TMenuItem* radio = AddItem(popup->Items(), form, "单选");
    radio->SetRadioItem(true);
    radio->SetChecked(true);
    AddItem(popup->Items(), form, "-");
    AddItem(popup->Items(), form, "不可用")->SetEnabled(false);
    TMenuItem* more = AddItem(popup->Items(), form, "更多");
    AddItem(more, form, "子项");
    testdriver::PumpUntilIdle();

    WindowPicture classic;
    WindowPicture ownerDrawn;
    WindowPicture* target = &classic;
    OpenMenu menu(*app, [&](win::HWND window) {
        // The first item selected, so that the selected look is compared too.
        testdriver::PressKey(win::VK_DOWN);
        testdriver::PumpUntilIdle();
        *target = PictureOf(window);
    });
    menu.Popup(*popup, 150, 150);
    popup->SetOwnerDraw(true);
    target = &ownerDrawn;
    menu.Popup(*popup, 150, 150);

    ASSERT_GT(classic.width, 60);
    ASSERT_GT(classic.height, 5 * 18);
    EXPECT_EQ(ownerDrawn.width, classic.width);
    EXPECT_EQ(ownerDrawn.height, classic.height);
    EXPECT_TRUE(ownerDrawn == classic) << "every pixel of the popup window";
}

TEST_F(ControlsTest, AnOwnerDrawnMenuBarWithoutHandlersLooksExactlyLikeTheClassicOne) {
    TForm* form = ShowForm();
    auto* menu = new TMainMenu(form);
    AddItem(AddItem(menu->Items(), form, "文件(&F)"), form, "退出");
    AddItem(menu->Items(), form, "帮助")->SetEnabled(false);
    form->SetMenu(menu);
    testdriver::PumpUntilIdle();
    const WindowPicture classic = PictureOf(form->Handle());
    menu->SetOwnerDraw(true);
    testdriver::PumpUntilIdle();
    EXPECT_TRUE(PictureOf(form->Handle()) == classic);
}

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
