// Typing into an edit, and its native border.
#include "ControlsFixture.h"
#include "platform/framework/controls/Edit.h"
#include "platform/testing/InputInjection.h"
#include "platform/testing/MessagePump.h"
#include "platform/user/Messages.h"
#include "platform/user/Window.h"

using namespace framework;

namespace {

struct ChangeCounter {
    int changes = 0;
    void Changed(TObject*) { ++changes; }
};

TEdit* PlaceEdit(TForm* form) {
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    edit->SetBounds(10, 10, 150, 21);
    return edit;
}

}  // namespace

TEST_F(ControlsTest, TypingEditsTheTextByCodePoint) {
    TForm* form = ShowForm();
    TEdit* edit = PlaceEdit(form);
    ChangeCounter counter;
    edit->OnChange = TNotifyEvent::Bind<&ChangeCounter::Changed>(&counter);
    testdriver::PumpUntilIdle();

    testdriver::Click(Centre(*edit));
    testdriver::PumpUntilIdle();
    testdriver::TypeText("ab中");
    testdriver::PumpUntilIdle();
    EXPECT_EQ(edit->Text(), "ab中");
    EXPECT_EQ(counter.changes, 3);
    EXPECT_EQ(edit->Perform(win::EM_GETMODIFY, 0, 0), 1);

    testdriver::PressKey(win::VK_BACK);
    testdriver::ReleaseKey(win::VK_BACK);
    testdriver::PressKey(win::VK_LEFT);
    testdriver::ReleaseKey(win::VK_LEFT);
    testdriver::TypeText("x");
    testdriver::PumpUntilIdle();
    EXPECT_EQ(edit->Text(), "axb");
}

TEST_F(ControlsTest, MaxLengthCountsCodePointsAndCodeChangesRaiseOnChange) {
    TForm* form = ShowForm();
    TEdit* edit = PlaceEdit(form);
    ChangeCounter counter;
    edit->OnChange = TNotifyEvent::Bind<&ChangeCounter::Changed>(&counter);
    edit->SetMaxLength(3);
    edit->SetText("中文");
    EXPECT_EQ(counter.changes, 1);
    EXPECT_EQ(edit->Perform(win::EM_GETMODIFY, 0, 0), 0) << "text set by code is not a modification";
    edit->SetFocus();
    testdriver::TypeText("ab");
    testdriver::PumpUntilIdle();
    EXPECT_EQ(edit->Text(), "中文a");
}

TEST_F(ControlsTest, TheEditBorderFollowsCtl3DAndBorderStyleWithoutANewWindow) {
    TForm* form = ShowForm();
    TEdit* edit = PlaceEdit(form);
    const win::HWND hwnd = edit->Handle();
    EXPECT_EQ(edit->ClientWidth(), 150 - 4) << "sunken 2 px";
    edit->SetCtl3D(false);
    EXPECT_EQ(edit->ClientWidth(), 150 - 2) << "one black line";
    edit->SetBorderStyle(bsNone);
    EXPECT_EQ(edit->ClientWidth(), 150);
    EXPECT_EQ(edit->Handle(), hwnd);
}

// Tab is the message loop's business, as on the platform: the application's loop runs it.
TEST_F(ControlsTest, TabMovesTheFocusInChildOrderSkippingDisabledControls) {
    TForm* form = ShowForm();
    TEdit* first = PlaceEdit(form);
    TEdit* disabled = PlaceEdit(form);
    disabled->SetEnabled(false);
    TEdit* last = PlaceEdit(form);
    first->SetFocus();
    testdriver::PressKey(win::VK_TAB);
    testdriver::ReleaseKey(win::VK_TAB);
    app->ProcessMessages();
    EXPECT_TRUE(last->Focused());
    testdriver::PressKey(win::VK_TAB);
    app->ProcessMessages();
    EXPECT_TRUE(first->Focused()) << "the order wraps around";
    testdriver::PressKey(win::VK_SHIFT);
    testdriver::PressKey(win::VK_TAB);
    testdriver::ReleaseKey(win::VK_SHIFT);
    app->ProcessMessages();
    EXPECT_TRUE(last->Focused());
}
