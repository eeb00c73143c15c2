// Choosing rows of a list view with the mouse and the keyboard, single and multiple.
#include <string>
#include <vector>

#include "ControlsFixture.h"
#include "platform/framework/controls/ListView.h"
#include "platform/testing/InputInjection.h"
#include "platform/testing/MessagePump.h"
#include "platform/user/Input.h"
#include "platform/user/Messages.h"

using namespace framework;

namespace {

TListView* PlaceList(TForm* form, int rows, bool multiSelect) {
    auto* list = new TListView(form);
    list->SetParent(form);
    list->SetBounds(10, 10, 250, 200);
    list->SetMultiSelect(multiSelect);
    list->AddColumn()->SetCaption("音轨");
    for (int i = 0; i < rows; ++i) list->AddItem()->SetCaption("Track " + std::to_string(i + 1));
    return list;
}

// The rows selected, by index.
std::vector<int> SelectedRows(const TListView& list) {
    std::vector<int> rows;
    for (int i = 0; i < list.ItemCount(); ++i)
        if (list.Items(i)->Selected()) rows.push_back(i);
    return rows;
}

class ListSelection : public ControlsTest {
  protected:
    win::POINT Row(int index) const {
        return At(*list, 40, list->HeaderHeight() + index * list->RowHeight() + list->RowHeight() / 2);
    }
    void ClickWith(int modifier, int index) {
        testdriver::PressKey(modifier);
        testdriver::Click(Row(index));
        testdriver::ReleaseKey(modifier);
        testdriver::PumpUntilIdle();
    }
    void Key(int virtualKey) {
        testdriver::PressKey(virtualKey);
        testdriver::ReleaseKey(virtualKey);
        testdriver::PumpUntilIdle();
    }
    void ShiftKey(int virtualKey) {
        testdriver::PressKey(win::VK_SHIFT);
        Key(virtualKey);
        testdriver::ReleaseKey(win::VK_SHIFT);
        testdriver::PumpUntilIdle();
    }

    TListView* list = nullptr;
};

}  // namespace

TEST_F(ListSelection, AClickChoosesTheRowUnderItAndTheKeysMoveTheChoice) {
    TForm* form = ShowForm();
    list = PlaceList(form, 5, false);
    testdriver::PumpUntilIdle();

    testdriver::Click(Row(2));
    testdriver::PumpUntilIdle();
    EXPECT_EQ(SelectedRows(*list), (std::vector<int>{2}));
    EXPECT_TRUE(list->Focused());
    EXPECT_EQ(list->ItemFocused(), list->Items(2));

    Key(win::VK_DOWN);
    EXPECT_EQ(SelectedRows(*list), (std::vector<int>{3}));
    Key(win::VK_HOME);
    EXPECT_EQ(SelectedRows(*list), (std::vector<int>{0}));
    Key(win::VK_UP);
    EXPECT_EQ(SelectedRows(*list), (std::vector<int>{0})) << "the first row is as far up as it goes";
    Key(win::VK_END);
    Key(win::VK_DOWN);
    EXPECT_EQ(SelectedRows(*list), (std::vector<int>{4})) << "the last row is as far down as it goes";
    ShiftKey(win::VK_UP);
    EXPECT_EQ(SelectedRows(*list), (std::vector<int>{3})) << "Shift does not extend a single selection";

    testdriver::Click(At(*list, 40, list->HeaderHeight() + 6 * list->RowHeight()));
    testdriver::PumpUntilIdle();
    EXPECT_TRUE(SelectedRows(*list).empty()) << "a press below the rows clears the choice";
}

TEST_F(ListSelection, ShiftExtendsFromTheAnchorAndARightPressKeepsAChosenGroup) {
    TForm* form = ShowForm();
    list = PlaceList(form, 8, true);
    testdriver::PumpUntilIdle();

    testdriver::Click(Row(1));
    testdriver::PumpUntilIdle();
    ClickWith(win::VK_SHIFT, 3);
    EXPECT_EQ(SelectedRows(*list), (std::vector<int>{1, 2, 3}));
    ShiftKey(win::VK_DOWN);
    EXPECT_EQ(SelectedRows(*list), (std::vector<int>{1, 2, 3, 4}));
    ClickWith(win::VK_SHIFT, 0);
    EXPECT_EQ(SelectedRows(*list), (std::vector<int>{0, 1})) << "the range runs from the anchor, row 1";

    ClickWith(win::VK_CONTROL, 5);
    EXPECT_EQ(SelectedRows(*list), (std::vector<int>{0, 1, 5}));
    testdriver::RightClick(Row(1));
    testdriver::PumpUntilIdle();
    EXPECT_EQ(SelectedRows(*list), (std::vector<int>{0, 1, 5})) << "a right press on a chosen row keeps the group";
    testdriver::RightClick(Row(6));
    testdriver::PumpUntilIdle();
    EXPECT_EQ(SelectedRows(*list), (std::vector<int>{6})) << "on another row it chooses that row alone";

    Key(win::VK_DOWN);
    EXPECT_EQ(SelectedRows(*list), (std::vector<int>{7}));
}
