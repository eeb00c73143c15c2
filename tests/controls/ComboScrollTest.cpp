// A combo box's drop-down list with more items than rows scrolls: keys keep the highlight in view, the wheel and
// the scroll bar move the rows, and a click picks the item under it.
#include <string>

#include "ControlsFixture.h"
#include "platform/framework/controls/ComboBox.h"
#include "platform/framework/controls/ComboList.h"
#include "platform/testing/InputInjection.h"
#include "platform/testing/MessagePump.h"
#include "platform/user/ClassicGeometry.h"
#include "platform/user/Input.h"
#include "platform/user/Messages.h"
#include "platform/user/Window.h"

using namespace framework;

namespace {

void Key(int virtualKey) {
    testdriver::PressKey(virtualKey);
    testdriver::ReleaseKey(virtualKey);
}

}  // namespace

TEST_F(ControlsTest, AComboListOfFortyItemsScrollsWithKeysWheelAndScrollBarAndPicksTheRowClicked) {
    TForm* form = ShowForm();
    auto* combo = new TComboBox(form);
    combo->SetParent(form);
    combo->SetBounds(10, 10, 150, 21);
    combo->SetStyle(csDropDownList);
    for (int i = 0; i < 40; ++i) combo->Items().Add("Track " + std::to_string(i + 1));
    combo->SetItemIndex(0);
    combo->SetFocus();
    testdriver::PumpUntilIdle();

    Key(win::VK_F1 + 3);  // F4
    app->ProcessMessages();
    ASSERT_TRUE(combo->DroppedDown());
    TComboList* list = combo->DroppedList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->Rows(), combo->DropDownCount());
    EXPECT_EQ(list->HotIndex(), 0);

    // Keys move the highlight and keep it in view; the choice waits for Enter.
    Key(win::VK_END);
    app->ProcessMessages();
    EXPECT_EQ(list->HotIndex(), 39);
    EXPECT_EQ(list->TopIndex(), 40 - list->Rows());
    Key(win::VK_PRIOR);
    app->ProcessMessages();
    EXPECT_EQ(list->HotIndex(), 39 - (list->Rows() - 1));
    EXPECT_EQ(list->TopIndex(), list->HotIndex());
    Key(win::VK_HOME);
    Key(win::VK_DOWN);
    Key(win::VK_DOWN);
    app->ProcessMessages();
    EXPECT_EQ(list->HotIndex(), 2);
    EXPECT_EQ(list->TopIndex(), 0);
    EXPECT_EQ(combo->ItemIndex(), 0) << "moving in the open list is not yet a choice";

    // Two wheel notches towards the user scroll six rows; the list's own scroll bar: a click on the down arrow one.
    const win::POINT onRows = list->ClientToScreen(win::POINT{20, list->ItemHeight() / 2});
    testdriver::MoveMouse(onRows);
    user::InputMouseWheel(-2 * win::WHEEL_DELTA);
    app->ProcessMessages();
    EXPECT_EQ(list->TopIndex(), 6);
    const int barX = list->ClientWidth() - user::classic::kScrollBarSize / 2;
    testdriver::Click(list->ClientToScreen(win::POINT{barX, list->ClientHeight() - 4}));
    app->ProcessMessages();
    EXPECT_EQ(list->TopIndex(), 7);
    EXPECT_TRUE(combo->DroppedDown()) << "a click on the scroll bar is no pick";
    // A click on the track below the thumb pages down.
    testdriver::Click(list->ClientToScreen(win::POINT{barX, list->ClientHeight() - user::classic::kScrollBarSize - 2}));
    app->ProcessMessages();
    EXPECT_EQ(list->TopIndex(), 7 + list->Rows() - 1);

    // A click on the second row shown picks the item shown there.
    const int expected = list->TopIndex() + 1;
    testdriver::Click(list->ClientToScreen(win::POINT{20, list->ItemHeight() + list->ItemHeight() / 2}));
    app->ProcessMessages();
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->ItemIndex(), expected);
    EXPECT_EQ(combo->Text(), "Track " + std::to_string(expected + 1));

    // Opened again, the list shows the chosen item.
    Key(win::VK_F1 + 3);
    app->ProcessMessages();
    ASSERT_TRUE(combo->DroppedDown());
    EXPECT_EQ(combo->DroppedList()->HotIndex(), expected);
    EXPECT_LE(combo->DroppedList()->TopIndex(), expected);
    EXPECT_GT(combo->DroppedList()->TopIndex() + combo->DroppedList()->Rows(), expected);
    Key(win::VK_RETURN);
    app->ProcessMessages();
    EXPECT_EQ(combo->ItemIndex(), expected);
}

TEST_F(ControlsTest, AnEditableCombosListOpensOnTheItemItsTextNames) {
    TForm* form = ShowForm();
    auto* combo = new TComboBox(form);
    combo->SetParent(form);
    combo->SetBounds(10, 10, 150, 21);
    for (int i = 0; i < 40; ++i) combo->Items().Add("Track " + std::to_string(i + 1));
    combo->SetText("Track 30");
    combo->SetFocus();
    testdriver::PumpUntilIdle();

    Key(win::VK_F1 + 3);  // F4
    app->ProcessMessages();
    ASSERT_TRUE(combo->DroppedDown());
    const TComboList* list = combo->DroppedList();
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(list->HotIndex(), 29);
    EXPECT_LE(list->TopIndex(), 29);
    EXPECT_GT(list->TopIndex() + list->Rows(), 29);
    Key(win::VK_ESCAPE);
    app->ProcessMessages();

    combo->SetText("no such track");
    Key(win::VK_F1 + 3);
    app->ProcessMessages();
    EXPECT_EQ(combo->DroppedList()->HotIndex(), -1);
    EXPECT_EQ(combo->DroppedList()->TopIndex(), 0);
}
