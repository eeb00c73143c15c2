// Combo box selection, list view check boxes and selection, and the value controls.
#include "ControlsFixture.h"
#include "platform/framework/controls/ComboBox.h"
#include "platform/framework/controls/ListView.h"
#include "platform/framework/controls/PageControl.h"
#include "platform/framework/controls/ProgressBar.h"
#include "platform/framework/controls/SpinEdit.h"
#include "platform/framework/controls/TrackBar.h"
#include "platform/testing/InputInjection.h"
#include "platform/testing/MessagePump.h"
#include "platform/user/Input.h"
#include "platform/user/Messages.h"

using namespace framework;

namespace {

struct Changes {
    int count = 0;
    void Changed(TObject*) { ++count; }
};

template <class Control>
Control* Place(TForm* form, int x, int y, int width, int height) {
    auto* control = new Control(form);
    control->SetParent(form);
    control->SetBounds(x, y, width, height);
    return control;
}

}  // namespace

TEST_F(ControlsTest, AComboBoxPickRaisesOnChangeButItemIndexInCodeDoesNot) {
    TForm* form = ShowForm();
    auto* combo = Place<TComboBox>(form, 10, 10, 150, 21);
    combo->SetStyle(csDropDownList);
    combo->Items().Add("44100 Hz");
    combo->Items().Add("22050 Hz");
    combo->Items().Add("8000 Hz");
    Changes changes;
    combo->OnChange = TNotifyEvent::Bind<&Changes::Changed>(&changes);
    combo->SetItemIndex(0);
    EXPECT_EQ(changes.count, 0);
    EXPECT_EQ(combo->Text(), "44100 Hz");
    testdriver::PumpUntilIdle();

    testdriver::Click(Centre(*combo));
    testdriver::PumpUntilIdle();
    ASSERT_TRUE(combo->DroppedDown());
    // The list opens under the combo box, one row per item.
    const int rowHeight = std::max(13, -combo->Font().Height() + 4);
    testdriver::Click(At(*combo, 20, combo->ClientHeight() + 4 + 2 * rowHeight + rowHeight / 2));
    testdriver::PumpUntilIdle();
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(combo->Text(), "8000 Hz");
    EXPECT_EQ(changes.count, 1);

    testdriver::PressKey(win::VK_UP);
    testdriver::PumpUntilIdle();
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(changes.count, 2);
}

TEST_F(ControlsTest, TypingIntoAnEditableComboRaisesOnChange) {
    TForm* form = ShowForm();
    auto* combo = Place<TComboBox>(form, 10, 10, 150, 21);
    combo->Items().Add("128");
    Changes changes;
    combo->OnChange = TNotifyEvent::Bind<&Changes::Changed>(&changes);
    combo->SetFocus();
    testdriver::TypeText("128");
    testdriver::PumpUntilIdle();
    EXPECT_EQ(combo->Text(), "128");
    EXPECT_EQ(combo->ItemIndex(), 0) << "typed text that names an item selects it";
    EXPECT_EQ(changes.count, 3);
}

TEST_F(ControlsTest, ListViewCheckBoxesAndCtrlClickMultiSelection) {
    TForm* form = ShowForm();
    auto* list = Place<TListView>(form, 10, 10, 300, 200);
    list->SetCheckboxes(true);
    list->SetMultiSelect(true);
    list->SetRowSelect(true);
    TListColumn* title = list->AddColumn();
    title->SetCaption("曲目");
    title->SetWidth(150);
    TListColumn* length = list->AddColumn();
    length->SetCaption("长度");
    length->SetWidth(80);
    length->SetAlignment(taRightJustify);
    for (const char* name : {"第一首", "第二首", "第三首"}) {
        TListItem* item = list->AddItem();
        item->SetCaption(name);
        item->SubItems().Add("3:15");
    }
    Changes clicks;
    list->OnClick = TNotifyEvent::Bind<&Changes::Changed>(&clicks);
    testdriver::PumpUntilIdle();
    auto rowY = [&](int index) { return list->HeaderHeight() + index * list->RowHeight() + list->RowHeight() / 2; };

    testdriver::Click(At(*list, 10, rowY(1)));
    testdriver::PumpUntilIdle();
    EXPECT_TRUE(list->Items(1)->Checked());
    EXPECT_FALSE(list->Items(0)->Checked());

    testdriver::Click(At(*list, 80, rowY(0)));
    testdriver::PressKey(win::VK_CONTROL);
    testdriver::Click(At(*list, 80, rowY(2)));
    testdriver::ReleaseKey(win::VK_CONTROL);
    testdriver::PumpUntilIdle();
    EXPECT_EQ(list->SelCount(), 2);
    EXPECT_EQ(list->Selected(), list->Items(0));
    EXPECT_TRUE(list->Items(2)->Selected());
    EXPECT_EQ(clicks.count, 3);

    testdriver::Click(At(*list, 80, rowY(1)));
    testdriver::PumpUntilIdle();
    EXPECT_EQ(list->SelCount(), 1) << "a plain click selects one item only";

    testdriver::PressKey(win::VK_SPACE);
    testdriver::PumpUntilIdle();
    EXPECT_FALSE(list->Items(1)->Checked()) << "space toggles the focused item's check box";

    list->DeleteItem(1);
    EXPECT_EQ(list->ItemCount(), 2);
    EXPECT_EQ(list->SelCount(), 0);
}

TEST_F(ControlsTest, TrackBarPositionInCodeRaisesOnChangeAndProgressClamps) {
    TForm* form = ShowForm();
    auto* track = Place<TTrackBar>(form, 10, 10, 200, 33);
    track->SetMax(400);
    track->SetFrequency(40);
    Changes changes;
    track->OnChange = TNotifyEvent::Bind<&Changes::Changed>(&changes);
    track->SetPosition(120);
    EXPECT_EQ(changes.count, 1);
    track->SetPosition(120);
    EXPECT_EQ(changes.count, 1);
    track->SetPosition(999);
    EXPECT_EQ(track->Position(), 400);

    auto* progress = Place<TProgressBar>(form, 10, 60, 200, 16);
    progress->SetPosition(150);
    EXPECT_EQ(progress->Position(), 100);
    progress->SetMax(0);
    EXPECT_EQ(progress->Position(), 0);
    testdriver::PumpUntilIdle();
}

TEST_F(ControlsTest, SpinEditArrowsStepWithinTheLimits) {
    TForm* form = ShowForm();
    auto* spin = Place<TSpinEdit>(form, 10, 10, 60, 21);
    spin->SetMaxValue(100);
    spin->SetMaxLength(3);
    spin->SetEditorEnabled(false);
    spin->SetValue(99);
    testdriver::PumpUntilIdle();

    const win::POINT upper = At(*spin, spin->ClientWidth() - 5, 3);
    testdriver::Click(upper);
    testdriver::Click(upper);
    testdriver::PumpUntilIdle();
    EXPECT_EQ(spin->Value(), 100);
    spin->SetFocus();
    testdriver::TypeText("5");
    testdriver::PressKey(win::VK_DOWN);
    testdriver::PumpUntilIdle();
    EXPECT_EQ(spin->Value(), 99) << "the editor is off: only the arrows change the value";
}

TEST_F(ControlsTest, APageControlShowsTheActiveSheetAndRaisesItsOnShow) {
    TForm* form = ShowForm();
    auto* pages = Place<TPageControl>(form, 10, 10, 300, 200);
    auto* first = new TTabSheet(form);
    first->SetCaption("常规");
    first->SetPageControl(pages);
    auto* second = new TTabSheet(form);
    second->SetCaption("高级");
    second->SetPageControl(pages);
    Changes shown;
    second->OnShow = TNotifyEvent::Bind<&Changes::Changed>(&shown);
    EXPECT_EQ(pages->ActivePage(), first);
    EXPECT_TRUE(first->Visible());
    EXPECT_FALSE(second->Visible());
    testdriver::PumpUntilIdle();

    const win::RECT tab = pages->TabRect(1);
    testdriver::Click(At(*pages, (tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2));
    testdriver::PumpUntilIdle();
    EXPECT_EQ(pages->ActivePage(), second);
    EXPECT_EQ(shown.count, 1);
    EXPECT_FALSE(first->Visible());
}
