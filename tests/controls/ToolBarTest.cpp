// Tool bars and speed buttons: layout, check and drop-down buttons, custom drawing, button groups.
#include "ControlsFixture.h"
#include "platform/framework/controls/SpeedButton.h"
#include "platform/framework/controls/ToolBar.h"
#include "platform/framework/controls/ToolButton.h"
#include "platform/framework/menus/MenuItem.h"
#include "platform/framework/menus/PopupMenu.h"
#include "platform/gdi/SysColors.h"
#include "platform/testing/InputInjection.h"
#include "platform/testing/MessagePump.h"
#include "platform/testing/Screen.h"
#include "platform/user/Messages.h"

using namespace framework;

namespace {

struct BarEvents {
    int clicks = 0;
    int customDraws = 0;
    bool drawDefault = true;
    void Clicked(TObject*) { ++clicks; }
    void Draw(TToolBar*, TToolButton*, TCustomDrawState, bool& defaultDraw) {
        ++customDraws;
        defaultDraw = drawDefault;
    }
    void ChooseFirst(TObject*) {
        testdriver::PressKey(win::VK_DOWN);
        testdriver::PressKey(win::VK_RETURN);
    }
};

TToolButton* AddButton(TForm* form, TToolBar* bar, TToolButtonStyle style) {
    auto* button = new TToolButton(form);
    button->SetParent(bar);
    button->SetStyle(style);
    return button;
}

}  // namespace

TEST_F(ControlsTest, ToolButtonsAreLaidOutFromTheIndentWithNarrowSeparators) {
    TForm* form = ShowForm();
    auto* bar = new TToolBar(form);
    bar->SetParent(form);
    bar->SetBounds(0, 0, 300, 29);
    bar->SetIndent(4);
    TToolButton* first = AddButton(form, bar, tbsButton);
    TToolButton* separator = AddButton(form, bar, tbsSeparator);
    TToolButton* second = AddButton(form, bar, tbsCheck);
    EXPECT_EQ(first->Left(), 4);
    EXPECT_EQ(first->Width(), 23);
    EXPECT_EQ(separator->Left(), 27);
    EXPECT_EQ(separator->Width(), 8);
    EXPECT_EQ(second->Left(), 35);
    EXPECT_EQ(bar->ButtonCount(), 3);
    EXPECT_EQ(second->Index(), 2);

    delete separator;
    EXPECT_EQ(bar->ButtonCount(), 2);
    EXPECT_EQ(second->Left(), 27) << "the bar closes the gap";
}

TEST_F(ControlsTest, ACheckButtonStaysDownAndADropDownButtonOpensItsMenu) {
    TForm* form = ShowForm();
    auto* bar = new TToolBar(form);
    bar->SetParent(form);
    bar->SetBounds(0, 0, 300, 29);
    TToolButton* check = AddButton(form, bar, tbsCheck);
    TToolButton* drop = AddButton(form, bar, tbsDropDown);
    auto* menu = new TPopupMenu(form);
    auto* item = new TMenuItem(form);
    item->SetCaption("MP3");
    menu->Items()->Add(item);
    drop->SetDropdownMenu(menu);
    BarEvents events;
    item->OnClick = TNotifyEvent::Bind<&BarEvents::Clicked>(&events);
    menu->OnPopup = TNotifyEvent::Bind<&BarEvents::ChooseFirst>(&events);
    testdriver::PumpUntilIdle();

    testdriver::Click(Centre(*check));
    testdriver::PumpUntilIdle();
    EXPECT_TRUE(check->Down());
    testdriver::Click(Centre(*check));
    testdriver::PumpUntilIdle();
    EXPECT_FALSE(check->Down());

    testdriver::Click(Centre(*drop));
    testdriver::PumpUntilIdle();
    EXPECT_EQ(events.clicks, 1);
    EXPECT_EQ(menu->PopupComponent(), drop);
    delete menu;
    EXPECT_EQ(drop->DropdownMenu(), nullptr) << "the button forgets a menu that is freed";
}

TEST_F(ControlsTest, CustomDrawingCanReplaceTheClassicLook) {
    TForm* form = ShowForm();
    auto* bar = new TToolBar(form);
    bar->SetParent(form);
    bar->SetBounds(0, 0, 300, 29);
    TToolButton* button = AddButton(form, bar, tbsCheck);
    button->SetDown(true);
    BarEvents events;
    bar->OnCustomDrawButton = TTBCustomDrawBtnEvent::Bind<&BarEvents::Draw>(&events);
    testdriver::PumpUntilIdle();
    const win::POINT corner = button->ClientToScreen(win::POINT{0, 0});
    EXPECT_GT(events.customDraws, 0);
    EXPECT_EQ(testdriver::ScreenPixel(corner.x, corner.y), win::GetSysColor(win::COLOR_BTNSHADOW))
        << "default drawing: a down button is sunken";

    events.drawDefault = false;
    button->Repaint();
    EXPECT_EQ(testdriver::ScreenPixel(corner.x, corner.y), win::GetSysColor(win::COLOR_BTNFACE))
        << "the handler took over; nothing classic was drawn";
}

TEST_F(ControlsTest, SpeedButtonsOfAGroupAreDownOneAtATime) {
    TForm* form = ShowForm();
    auto makeButton = [&](int x) {
        auto* button = new TSpeedButton(form);
        button->SetParent(form);
        button->SetBounds(x, 10, 40, 25);
        button->SetGroupIndex(1);
        return button;
    };
    TSpeedButton* play = makeButton(10);
    TSpeedButton* pause = makeButton(60);
    BarEvents events;
    pause->OnClick = TNotifyEvent::Bind<&BarEvents::Clicked>(&events);
    play->SetDown(true);
    testdriver::PumpUntilIdle();

    testdriver::Click(Centre(*pause));
    testdriver::PumpUntilIdle();
    EXPECT_TRUE(pause->Down());
    EXPECT_FALSE(play->Down());
    EXPECT_EQ(events.clicks, 1);
    testdriver::Click(Centre(*pause));
    testdriver::PumpUntilIdle();
    EXPECT_TRUE(pause->Down()) << "without AllowAllUp one button stays down";
}

TEST_F(ControlsTest, ACaptionSetAfterTheButtonJoinedTheBarWidensItToFit) {
    TForm* form = ShowForm();
    auto* bar = new TToolBar(form);
    bar->SetParent(form);
    bar->SetBounds(0, 0, 300, 41);
    bar->SetShowCaptions(true);
    TToolButton* first = AddButton(form, bar, tbsButton);
    first->SetCaption("参数");
    TToolButton* last = AddButton(form, bar, tbsButton);
    last->SetCaption("退出");
    testdriver::PumpUntilIdle();
    EXPECT_GT(first->Width(), 23);
    EXPECT_EQ(last->Width(), first->Width()) << "captions of one size get buttons of one size";
    EXPECT_EQ(last->Left(), first->Left() + first->Width());
}
