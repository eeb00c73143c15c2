// The image panel button on the headless screen: where its menu opens (above when it fits, below otherwise), from
// the menu measured as it paints, shown before or not, at 96 and 120 pixels per inch; presses on the panel and on
// its picture; and a picture that stays where it belongs whatever order the presses and releases come in.
#include <string>
#include <vector>

#include "ComponentsFixture.h"
#include "platform/framework/controls/Image.h"
#include "platform/framework/menus/MenuItem.h"
#include "platform/framework/menus/PopupMenu.h"
#include "platform/testing/InputInjection.h"
#include "platform/testing/MessagePump.h"
#include "platform/testing/Settings.h"
#include "platform/user/ClassicGeometry.h"
#include "platform/user/Input.h"
#include "platform/user/Menu.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Messages.h"
#include "platform/user/Window.h"
#include "trackmill/components/AfStartButton.h"

using namespace framework;
using components::TAfStartButton;
using user::classic::kPopupMargin;
using user::classic::kPopupSeparatorHeight;
using user::classic::kPopupTextItemHeight;

namespace {

constexpr int kButtonHeight = 26;

// Counts the menu's openings and closes each one at once, as a user pressing Escape would.
struct MenuWatch {
    int popups = 0;
    int clicks = 0;
    void Opened(TObject*) {
        ++popups;
        testdriver::PressKey(win::VK_ESCAPE);
    }
    void Clicked(TObject*) { ++clicks; }
};

class AfStartButtonTest : public ComponentsTest {
  protected:
    void SetUp() override {
        ComponentsTest::SetUp();
        form = ShowForm();
        button = new TAfStartButton(form);
        button->SetParent(form);
        button->SetBounds(6, 100, 84, kButtonHeight);
        button->SetCaption("     开 始");
        button->OnClick = TNotifyEvent::Bind<&MenuWatch::Clicked>(&watch);
        image = new TImage(form);
        image->Picture().Bitmap().SetSize(18, 18);
        button->Setm_Image(image);
        testdriver::PumpUntilIdle();
    }

    // A popup menu with these captions ("-" a separator), given to the button.
    TPopupMenu* Menu(const std::vector<std::string>& captions) {
        auto* menu = new TPopupMenu(form);
        for (const std::string& caption : captions) {
            auto* item = new TMenuItem(form);
            item->SetCaption(caption);
            menu->Items()->Add(item);
        }
        menu->OnPopup = TNotifyEvent::Bind<&MenuWatch::Opened>(&watch);
        button->Setm_PopupMenu(menu);
        return menu;
    }

    // Moves the form so that the button's top edge is at this screen row.
    void ButtonTopAt(int screenY) {
        const int shift = screenY - button->ClientOrigin().y;
        form->SetBounds(form->Left(), form->Top() + shift, form->Width(), form->Height());
        testdriver::PumpUntilIdle();
        ASSERT_EQ(button->ClientOrigin().y, screenY);
    }

    // Clicks the button as a user would and tells where the menu's window opened, from the rectangle its first item
    // had while open.
    win::POINT ClickAndSeeWhereTheMenuOpened(TPopupMenu* menu) {
        const int before = watch.popups;
        testdriver::Click(At(*button, 50, kButtonHeight / 2));
        testdriver::PumpUntilIdle();
        EXPECT_EQ(watch.popups, before + 1);
        win::RECT first{};
        EXPECT_TRUE(win::GetMenuItemRect(nullptr, menu->Handle(), 0, &first));
        const int frame = user::classic::Current().popupMargin;
        return win::POINT{first.left - frame, first.top - frame};
    }

    win::LRESULT SendMouse(win::UINT msg, int x, int y) {
        return win::SendMessage(button->Handle(), msg, msg == win::WM_LBUTTONUP ? 0 : win::MK_LBUTTON,
                                win::MAKELPARAM(x, y));
    }

    void ExpectRaised() {
        EXPECT_EQ(button->BevelOuter(), bvRaised);
        EXPECT_EQ(image->Left(), 0);
        EXPECT_EQ(image->Top(), (kButtonHeight - 18) / 2);
    }
    void ExpectLowered() {
        EXPECT_EQ(button->BevelOuter(), bvLowered);
        EXPECT_EQ(image->Left(), 1);
        EXPECT_EQ(image->Top(), (kButtonHeight - 18) / 2 + 1);
    }

    TForm* form = nullptr;
    TAfStartButton* button = nullptr;
    TImage* image = nullptr;
    MenuWatch watch;
    testdriver::ScopedSettings settings;
};

TEST_F(AfStartButtonTest, AdoptsItsPictureAtTheLeftVerticallyCentredAndTransparent) {
    EXPECT_EQ(image->Parent(), button);
    EXPECT_TRUE(image->AutoSize());
    EXPECT_TRUE(image->Transparent());
    EXPECT_EQ(image->Width(), 18);
    EXPECT_EQ(image->Height(), 18);
    ExpectRaised();

    auto* tall = new TImage(form);
    tall->Picture().Bitmap().SetSize(10, 40);
    button->Setm_Image(tall);
    EXPECT_EQ(tall->Top(), 0) << "a picture taller than the button sits at the top";
    EXPECT_EQ(tall->Left(), 0);
}

TEST_F(AfStartButtonTest, TheMenusBottomEdgeMeetsTheButtonsTopEdgeOnEveryOpeningShownBeforeOrNot) {
    TPopupMenu* menu = Menu({"新建", "打开", "-", "保存", "退出"});
    ButtonTopAt(300);

    // 4 items, 1 separator and the frame, as the menu paints them, before it was ever shown and after.
    const int laidOut = 4 * kPopupTextItemHeight + kPopupSeparatorHeight + 2 * kPopupMargin;
    for (int opening = 0; opening < 2; ++opening) {
        const win::POINT at = ClickAndSeeWhereTheMenuOpened(menu);
        EXPECT_EQ(at.y, 300 - laidOut) << "opening " << opening;
        EXPECT_EQ(at.x, button->ClientOrigin().x);
        win::RECT last{};
        ASSERT_TRUE(win::GetMenuItemRect(nullptr, menu->Handle(), 4, &last));
        EXPECT_EQ(last.bottom + kPopupMargin, 300);
    }
    EXPECT_EQ(watch.clicks, 2) << "OnClick fires before the menu opens";

    // A changed menu is built anew: its new layout counts from the first opening on.
    auto* added = new TMenuItem(form);
    added->SetCaption("恢复");
    menu->Items()->Add(added);
    EXPECT_EQ(ClickAndSeeWhereTheMenuOpened(menu).y, 300 - laidOut - kPopupTextItemHeight);
}

TEST_F(AfStartButtonTest, AMenuThatDoesNotFitAboveOpensBelowTheButton) {
    TPopupMenu* menu = Menu({"新建", "打开", "-", "保存", "退出"});
    ButtonTopAt(60);
    EXPECT_EQ(ClickAndSeeWhereTheMenuOpened(menu).y, 60 + kButtonHeight);
    EXPECT_EQ(ClickAndSeeWhereTheMenuOpened(menu).y, 60 + kButtonHeight);

    // A menu exactly as high as the room above: below.
    const int laidOut = 4 * kPopupTextItemHeight + kPopupSeparatorHeight + 2 * kPopupMargin;
    ButtonTopAt(laidOut);
    EXPECT_EQ(ClickAndSeeWhereTheMenuOpened(menu).y, laidOut + kButtonHeight);
    ButtonTopAt(laidOut + 1);
    EXPECT_EQ(ClickAndSeeWhereTheMenuOpened(menu).y, 1);
}

TEST_F(AfStartButtonTest, At120PixelsPerInchTheMenuIsMeasuredAtThatResolutionFromTheFirstOpening) {
    testdriver::SetDpi(120);
    TPopupMenu* menu = Menu({"新建", "打开", "-", "保存", "退出"});
    ButtonTopAt(300);
    // The menu's own heights at 120 dpi: items of 23, a separator of 10, and the frame, wider too.
    const user::classic::Geometry& geometry = user::classic::Current();
    ASSERT_EQ(geometry.popupTextItemHeight, 23);
    ASSERT_EQ(geometry.popupSeparatorHeight, 10);
    const int laidOut = 4 * 23 + 10 + 2 * geometry.popupMargin;
    EXPECT_EQ(ClickAndSeeWhereTheMenuOpened(menu).y, 300 - laidOut);
    EXPECT_EQ(ClickAndSeeWhereTheMenuOpened(menu).y, 300 - laidOut);
}

TEST_F(AfStartButtonTest, ASeparatorFirstIsMeasuredAsASeparator) {
    TPopupMenu* menu = Menu({"-", "新建", "打开"});
    ButtonTopAt(300);
    const int laidOut = 2 * kPopupTextItemHeight + kPopupSeparatorHeight + 2 * kPopupMargin;
    EXPECT_EQ(ClickAndSeeWhereTheMenuOpened(menu).y, 300 - laidOut);
    EXPECT_EQ(ClickAndSeeWhereTheMenuOpened(menu).y, 300 - laidOut);
}

TEST_F(AfStartButtonTest, WithoutAMenuAClickOnlyFiresOnClick) {
    testdriver::Click(At(*button, 50, kButtonHeight / 2));
    testdriver::PumpUntilIdle();
    EXPECT_EQ(watch.clicks, 1);
    EXPECT_EQ(watch.popups, 0);
    ExpectRaised();
}

TEST_F(AfStartButtonTest, APressOnThePictureLowersTheButtonAsAPressOnThePanelDoes) {
    const win::POINT onPicture = At(*image, 9, 9);
    const win::POINT onPanel = At(*button, 60, kButtonHeight / 2);
    for (const win::POINT at : {onPanel, onPicture}) {
        user::InputMouseMove(at);
        user::InputMouseButton(user::MouseButton::Left, true, at);
        testdriver::PumpUntilIdle();
        ExpectLowered();
        user::InputMouseButton(user::MouseButton::Left, false, at);
        testdriver::PumpUntilIdle();
        ExpectRaised();
    }
    EXPECT_EQ(watch.clicks, 2);

    // A right press lowers it too.
    user::InputMouseButton(user::MouseButton::Right, true, onPicture);
    testdriver::PumpUntilIdle();
    ExpectLowered();
    user::InputMouseButton(user::MouseButton::Right, false, onPicture);
    testdriver::PumpUntilIdle();
    ExpectRaised();
}

TEST_F(AfStartButtonTest, AClickOnThePicturePopsTheMenuUp) {
    Menu({"新建", "打开"});
    testdriver::Click(At(*image, 9, 9));
    testdriver::PumpUntilIdle();
    EXPECT_EQ(watch.popups, 1);
    EXPECT_EQ(watch.clicks, 1);
    ExpectRaised();
}

TEST_F(AfStartButtonTest, ReleasesWithoutTheirPressLeaveThePictureWhereItBelongs) {
    Menu({"新建", "打开"});
    // Half of the cycles on the picture, half on the panel; each ends with a release whose press the button never
    // saw, like that of the click that dismisses its menu.
    for (int cycle = 0; cycle < 50; ++cycle) {
        const int x = cycle % 2 ? 9 : 60;
        SendMouse(win::WM_LBUTTONDOWN, x, 9);
        ExpectLowered();
        SendMouse(win::WM_LBUTTONUP, x, 9);
        ExpectRaised();
        SendMouse(win::WM_LBUTTONUP, x, 9);
        ExpectRaised();
        if (HasFailure()) FAIL() << "cycle " << cycle;
    }
    EXPECT_EQ(watch.popups, 50);
}

TEST_F(AfStartButtonTest, ForgetsTheMenuAndThePictureWhenTheyAreFreed) {
    TPopupMenu* menu = Menu({"新建"});
    delete menu;
    EXPECT_EQ(button->m_PopupMenu(), nullptr);
    delete image;
    image = nullptr;
    EXPECT_EQ(button->m_Image(), nullptr);

    SendMouse(win::WM_LBUTTONDOWN, 9, 9);
    EXPECT_EQ(button->BevelOuter(), bvLowered);
    SendMouse(win::WM_LBUTTONUP, 9, 9);
    EXPECT_EQ(button->BevelOuter(), bvRaised);
    EXPECT_EQ(watch.clicks, 1);
    EXPECT_EQ(watch.popups, 0);
}

TEST_F(AfStartButtonTest, APictureTakenAwayDoesNotCallBackIntoAFreedButton) {
    image->SetParent(form);
    delete button;
    image->Click();
    image->MouseDown(mbLeft, 0, 1, 1);
    image->MouseUp(mbLeft, 0, 1, 1);
    EXPECT_EQ(watch.clicks, 0);
}

}  // namespace
