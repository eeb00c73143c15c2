// Selecting text in an edit with the keys and the mouse, the clipboard's cut, copy and paste, and a text longer
// than the edit scrolling with its caret.
#include "ControlsFixture.h"
#include "platform/framework/controls/Edit.h"
#include "platform/framework/controls/LineEditor.h"
#include "platform/gdi/SysColors.h"
#include "platform/testing/InputInjection.h"
#include "platform/testing/MessagePump.h"
#include "platform/testing/Screen.h"
#include "platform/user/Clipboard.h"
#include "platform/user/Input.h"
#include "platform/user/Messages.h"

using namespace framework;

namespace {

TEST(LineEditorSelectionTest, ExtendingMovesKeepTheAnchorAndPlainMovesCollapse) {
    LineEditor editor;
    editor.SetText("中文ab");
    editor.Home();
    editor.Right(true);
    editor.Right(true);
    EXPECT_EQ(editor.SelectedText(), "中文");
    editor.Left(true);
    EXPECT_EQ(editor.SelectedText(), "中");
    editor.Right();
    EXPECT_EQ(editor.Caret(), 3u) << "collapsed to the selection's end";
    EXPECT_FALSE(editor.HasSelection());
    editor.End(true);
    EXPECT_EQ(editor.SelectedText(), "文ab");
    editor.Left();
    EXPECT_EQ(editor.Caret(), 3u) << "collapsed to the selection's start";
    editor.Select(1, 5);  // inside code points: snapped to their starts
    EXPECT_EQ(editor.SelectedText(), "中");
    editor.SelectAll();
    EXPECT_EQ(editor.SelectionStart(), 0u);
    EXPECT_EQ(editor.SelectionEnd(), editor.Text().size());
}

TEST(LineEditorSelectionTest, TypingPastingAndDeletingReplaceTheSelection) {
    LineEditor editor;
    editor.SetText("hello world");
    editor.Select(0, 5);
    EXPECT_TRUE(editor.Insert(U'J', 0));
    EXPECT_EQ(editor.Text(), "J world");
    editor.Select(2, 7);
    EXPECT_TRUE(editor.Backspace());
    EXPECT_EQ(editor.Text(), "J ");
    EXPECT_TRUE(
        editor.InsertText("a\tb\x01"
                          "c\nnext line",
                          0));
    EXPECT_EQ(editor.Text(), "J abc") << "one line, without control characters";
    editor.SelectAll();
    EXPECT_TRUE(editor.Delete());
    EXPECT_EQ(editor.Text(), "");
    EXPECT_FALSE(editor.InsertText("\r\n", 0));
    EXPECT_TRUE(
        editor.InsertText("ab\xFF"
                          "c\xE4\xB8",
                          0))
        << "broken sequences are dropped";
    EXPECT_EQ(editor.Text(), "abc");
}

TEST(LineEditorSelectionTest, PastingStopsAtTheLimitCountingWhatItReplaces) {
    LineEditor editor;
    editor.SetText("1234");
    EXPECT_TRUE(editor.InsertText("五六七", 6));
    EXPECT_EQ(editor.Text(), "1234五六");
    editor.Select(0, 2);
    EXPECT_TRUE(editor.InsertText("xyz", 6));
    EXPECT_EQ(editor.Text(), "xy34五六");
    editor.SetText("ab cd  ef");
    editor.SelectWordAt(4);
    EXPECT_EQ(editor.SelectedText(), "cd");
    editor.SelectWordAt(6);
    EXPECT_EQ(editor.SelectedText(), "  ");
}

class EditSelectionTest : public ControlsTest {
  protected:
    TEdit* edit = nullptr;
    int changes = 0;

    void MakeEdit(const std::string& text, int width = 150) {
        TForm* form = ShowForm();
        edit = new TEdit(form);
        edit->SetParent(form);
        edit->SetBounds(10, 10, width, 21);
        edit->SetText(text);
        edit->OnChange = TNotifyEvent::Bind<&EditSelectionTest::Changed>(this);
        testdriver::Click(Centre(*edit));
        testdriver::PumpUntilIdle();
        changes = 0;
    }
    void Changed(TObject*) { ++changes; }
    void Chord(int modifier, int key) {
        testdriver::PressKey(modifier);
        testdriver::PressKey(key);
        testdriver::ReleaseKey(key);
        testdriver::ReleaseKey(modifier);
        testdriver::PumpUntilIdle();
    }
    void Key(int key) {
        testdriver::PressKey(key);
        testdriver::ReleaseKey(key);
        testdriver::PumpUntilIdle();
    }
};

TEST_F(EditSelectionTest, ShiftWithTheArrowsSelectsAndTypingReplacesIt) {
    MakeEdit("hello world");
    Key(win::VK_HOME);
    for (int i = 0; i < 5; ++i) Chord(win::VK_SHIFT, win::VK_RIGHT);
    EXPECT_EQ(edit->SelText(), "hello");
    EXPECT_EQ(edit->SelStart(), 0);
    EXPECT_EQ(edit->SelLength(), 5);
    testdriver::TypeText("J");
    testdriver::PumpUntilIdle();
    EXPECT_EQ(edit->Text(), "J world");
    Chord(win::VK_SHIFT, win::VK_END);
    Key(win::VK_DELETE);
    EXPECT_EQ(edit->Text(), "J");
    EXPECT_EQ(changes, 2);
}

TEST_F(EditSelectionTest, CutCopyAndPasteGoThroughTheClipboard) {
    MakeEdit("/home/user/speech");
    user::SetClipboardText("");
    Chord(win::VK_CONTROL, 'A');
    Chord(win::VK_CONTROL, 'C');
    EXPECT_EQ(user::ClipboardText(), "/home/user/speech");
    Key(win::VK_END);
    Chord(win::VK_CONTROL, 'V');
    EXPECT_EQ(edit->Text(), "/home/user/speech/home/user/speech");
    for (int i = 0; i < 6; ++i) Chord(win::VK_SHIFT, win::VK_LEFT);
    Chord(win::VK_CONTROL, 'X');
    EXPECT_EQ(user::ClipboardText(), "speech");
    EXPECT_EQ(edit->Text(), "/home/user/speech/home/user/");
    Chord(win::VK_SHIFT, win::VK_INSERT);
    EXPECT_EQ(edit->Text(), "/home/user/speech/home/user/speech");
    Key(win::VK_HOME);
    for (int i = 0; i < 5; ++i) Chord(win::VK_SHIFT, win::VK_RIGHT);
    Chord(win::VK_CONTROL, win::VK_INSERT);
    EXPECT_EQ(user::ClipboardText(), "/home");
    Chord(win::VK_SHIFT, win::VK_DELETE);
    EXPECT_EQ(edit->Text(), "/user/speech/home/user/speech");
    user::SetClipboardText("line one\r\nline two");
    edit->SelectAll();
    Chord(win::VK_CONTROL, 'V');
    EXPECT_EQ(edit->Text(), "line one");

    edit->SetReadOnly(true);
    edit->SelectAll();
    Chord(win::VK_CONTROL, 'X');
    Chord(win::VK_CONTROL, 'V');
    EXPECT_EQ(edit->Text(), "line one") << "read-only: nothing cut or pasted";
    Chord(win::VK_CONTROL, 'C');
    EXPECT_EQ(user::ClipboardText(), "line one") << "but copied";
}

TEST_F(EditSelectionTest, TheMouseSelectsByDraggingShiftClickAndDoubleClick) {
    MakeEdit("one two three", 300);
    const int textLeft = 1;
    testdriver::Click(At(*edit, textLeft, 10));
    testdriver::PumpUntilIdle();
    EXPECT_EQ(edit->SelStart(), 0);
    EXPECT_EQ(edit->SelLength(), 0);
    user::InputMouseButton(user::MouseButton::Left, true, At(*edit, textLeft, 10));
    testdriver::MoveMouse(At(*edit, 250, 10));
    user::InputMouseButton(user::MouseButton::Left, false, At(*edit, 250, 10));
    testdriver::PumpUntilIdle();
    EXPECT_EQ(edit->SelText(), "one two three") << "dragged past the end";
    testdriver::Click(At(*edit, textLeft, 10));
    testdriver::PressKey(win::VK_SHIFT);
    testdriver::Click(At(*edit, 250, 10));
    testdriver::ReleaseKey(win::VK_SHIFT);
    testdriver::PumpUntilIdle();
    EXPECT_EQ(edit->SelLength(), 13);
    // A point inside "two", found by where single clicks put the caret (far enough apart to be no double click).
    int insideTwo = -1;
    for (int x = 1; x < 200 && insideTwo < 0; x += 5) {
        testdriver::Click(At(*edit, x, 10));
        testdriver::PumpUntilIdle();
        if (edit->SelStart() == 5 || edit->SelStart() == 6) insideTwo = x;
    }
    ASSERT_GE(insideTwo, 0);
    user::ResetInputState();
    testdriver::DoubleClick(At(*edit, insideTwo, 10));
    testdriver::PumpUntilIdle();
    EXPECT_EQ(edit->SelText(), "two");
}

TEST_F(EditSelectionTest, AFocusedSelectionIsDrawnHighlighted) {
    MakeEdit("........");
    edit->SelectAll();
    testdriver::PumpUntilIdle();
    // The top of the text row: dots stand at its bottom, so only the highlight is there.
    const win::POINT inside = At(*edit, 4, 5);
    EXPECT_EQ(testdriver::ScreenPixel(inside.x, inside.y), win::GetSysColor(win::COLOR_HIGHLIGHT));
    edit->SetSelStart(0);
    testdriver::PumpUntilIdle();
    EXPECT_NE(testdriver::ScreenPixel(inside.x, inside.y), win::GetSysColor(win::COLOR_HIGHLIGHT));
}

TEST_F(EditSelectionTest, ALongTextScrollsToKeepTheCaretInsideAndClicksFollowTheScroll) {
    const std::string text(120, 'm');
    MakeEdit(text, 120);
    Key(win::VK_END);
    testdriver::Click(At(*edit, edit->ClientWidth() - 2, 10));
    testdriver::PumpUntilIdle();
    EXPECT_GE(edit->SelStart(), 118) << "the right edge shows the end of the text";
    testdriver::Click(At(*edit, 1, 10));
    testdriver::PumpUntilIdle();
    EXPECT_GT(edit->SelStart(), 60) << "the left edge shows text well after its start";
    Key(win::VK_HOME);
    testdriver::Click(At(*edit, 1, 10));
    testdriver::PumpUntilIdle();
    EXPECT_EQ(edit->SelStart(), 0) << "back at the start";
}

}  // namespace
