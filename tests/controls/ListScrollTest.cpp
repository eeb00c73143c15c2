// A list view with more rows than fit: its scroll bar's parts and how the mouse, the wheel and the keys scroll it;
// and the wheel passed up by a window with nothing to scroll.
#include "ControlsFixture.h"
#include "platform/framework/controls/Edit.h"
#include "platform/framework/controls/ListView.h"
#include "platform/framework/controls/VerticalScrollBar.h"
#include "platform/gdi/SysColors.h"
#include "platform/testing/InputInjection.h"
#include "platform/testing/MessagePump.h"
#include "platform/testing/Screen.h"
#include "platform/testing/Settings.h"
#include "platform/user/Input.h"
#include "platform/user/Messages.h"

using namespace framework;
using Part = VerticalScrollBar::Part;

namespace {

TEST(VerticalScrollBarTest, ArrowsTrackAndAThumbAsTallAsTheSeenShare) {
    // 100 rows, 20 seen: the thumb is a fifth of the 168-pixel track and sits by the position.
    const VerticalScrollBar top(win::RECT{200, 0, 216, 200}, 100, 20, 0);
    EXPECT_EQ(top.UpArrow().top, 0);
    EXPECT_EQ(top.UpArrow().bottom, 16);
    EXPECT_EQ(top.DownArrow().top, 184);
    EXPECT_EQ(top.Track().top, 16);
    EXPECT_EQ(top.Track().bottom, 184);
    EXPECT_EQ(top.Thumb().top, 16);
    EXPECT_EQ(top.Thumb().bottom - top.Thumb().top, 33);
    EXPECT_EQ(top.MaxPosition(), 80);
    const VerticalScrollBar end(win::RECT{200, 0, 216, 200}, 100, 20, 80);
    EXPECT_EQ(end.Thumb().bottom, 184);
    const VerticalScrollBar half(win::RECT{200, 0, 216, 200}, 100, 20, 40);
    EXPECT_EQ(half.Thumb().top, 16 + (168 - 33) / 2);
}

TEST(VerticalScrollBarTest, WhichPartAPointIsOnAndWhereADragPutsThePosition) {
    const VerticalScrollBar bar(win::RECT{200, 0, 216, 200}, 100, 20, 40);
    EXPECT_EQ(bar.HitTest({205, 3}), Part::UpArrow);
    EXPECT_EQ(bar.HitTest({205, 195}), Part::DownArrow);
    EXPECT_EQ(bar.HitTest({205, 30}), Part::PageUp);
    EXPECT_EQ(bar.HitTest({205, bar.Thumb().top + 5}), Part::Thumb);
    EXPECT_EQ(bar.HitTest({205, 180}), Part::PageDown);
    EXPECT_EQ(bar.HitTest({199, 100}), Part::None);
    EXPECT_EQ(bar.PositionAtThumbTop(16), 0);
    EXPECT_EQ(bar.PositionAtThumbTop(-50), 0);
    EXPECT_EQ(bar.PositionAtThumbTop(184 - 33), 80);
    EXPECT_EQ(bar.PositionAtThumbTop(500), 80);
    EXPECT_EQ(bar.PositionAtThumbTop(bar.Thumb().top), 40);
}

TEST(VerticalScrollBarTest, AThumbKeepsAUsableSizeAndAShortBarSharesItsArrows) {
    const VerticalScrollBar many(win::RECT{0, 0, 16, 200}, 100000, 10, 0);
    EXPECT_EQ(many.Thumb().bottom - many.Thumb().top, 8);
    const VerticalScrollBar tiny(win::RECT{0, 0, 16, 20}, 50, 1, 3);
    EXPECT_EQ(tiny.UpArrow().bottom, 10);
    EXPECT_EQ(tiny.DownArrow().top, 10);
    EXPECT_EQ(tiny.Thumb().bottom, tiny.Thumb().top) << "no room for a thumb";
    EXPECT_EQ(tiny.PositionAtThumbTop(5), 3);
    const VerticalScrollBar fits(win::RECT{0, 0, 16, 200}, 5, 10, 7);
    EXPECT_EQ(fits.MaxPosition(), 0);
    EXPECT_EQ(fits.Position(), 0);
}

class ListScrollTest : public ControlsTest {
  protected:
    TListView* list = nullptr;

    void MakeList(TForm* form, int rows) {
        list = new TListView(form);
        list->SetParent(form);
        list->SetBounds(10, 10, 300, 150);
        list->SetMultiSelect(true);
        list->SetRowSelect(true);
        TListColumn* name = list->AddColumn();
        name->SetCaption("名称");
        name->SetWidth(200);
        for (int i = 0; i < rows; ++i) list->AddItem()->SetCaption("行 " + std::to_string(i + 1));
        testdriver::PumpUntilIdle();
    }
    win::POINT OnBar(int y) const { return At(*list, list->ClientWidth() - 8, y); }
    void Key(int key) {
        testdriver::PressKey(key);
        testdriver::ReleaseKey(key);
        testdriver::PumpUntilIdle();
    }
};

TEST_F(ListScrollTest, TheBarComesWithMoreRowsThanFitAndRowsStopAtIt) {
    MakeList(ShowForm(), 4);
    EXPECT_FALSE(list->ScrollBarShown());
    const int rows = list->VisibleRows();
    for (int i = 4; i <= rows; ++i) list->AddItem()->SetCaption("x");
    EXPECT_TRUE(list->ScrollBarShown());
    testdriver::PumpUntilIdle();
    // Drawn at the right edge: an arrow button's face, and no row text under it.
    const win::COLORREF face = win::GetSysColor(win::COLOR_BTNFACE);
    const win::POINT arrowFace = At(*list, list->ClientWidth() - 14, list->ClientHeight() - 14);
    EXPECT_EQ(testdriver::ScreenPixel(arrowFace.x, arrowFace.y), face);
    EXPECT_EQ(list->ItemAt(list->ClientWidth() - 5, list->HeaderHeight() + 2), -1);
    EXPECT_EQ(list->ItemAt(list->ClientWidth() - 20, list->HeaderHeight() + 2), 0);

    while (list->ItemCount() > rows) list->DeleteItem(list->ItemCount() - 1);
    EXPECT_FALSE(list->ScrollBarShown());
    EXPECT_EQ(list->TopIndex(), 0);
}

// The track on each side of the thumb is checkered in the control's own coordinates, as drawing it pixel by pixel
// by the parity of x + y did: white dots on the face, dark ones while the track is held down.
TEST_F(ListScrollTest, TheTrackIsCheckeredAndDarkensWhileHeld) {
    MakeList(ShowForm(), 60);
    list->SetTopIndex(20);
    testdriver::PumpUntilIdle();
    auto mismatches = [this](bool belowHeld) {
        const VerticalScrollBar bar = list->ScrollBar();
        const win::COLORREF face = win::GetSysColor(win::COLOR_BTNFACE);
        int wrong = 0;
        for (int y = bar.Track().top; y < bar.Track().bottom; ++y) {
            if (y >= bar.Thumb().top && y < bar.Thumb().bottom) continue;
            const bool held = belowHeld && y >= bar.Thumb().bottom;
            const win::COLORREF dot = win::GetSysColor(held ? win::COLOR_3DDKSHADOW : win::COLOR_BTNHIGHLIGHT);
            for (int x = bar.Track().left; x < bar.Track().right; ++x) {
                const win::POINT at = At(*list, x, y);
                if (testdriver::ScreenPixel(at.x, at.y) != ((x + y) % 2 ? face : dot)) ++wrong;
            }
        }
        return wrong;
    };
    EXPECT_EQ(mismatches(false), 0);
    const win::POINT below = OnBar(list->ScrollBar().Track().bottom - 3);
    user::InputMouseButton(user::MouseButton::Left, true, below);
    testdriver::PumpUntilIdle();
    EXPECT_EQ(mismatches(true), 0);
    user::InputMouseButton(user::MouseButton::Left, false, below);
    testdriver::PumpUntilIdle();
}

TEST_F(ListScrollTest, At120DpiTheBarIsTwentyPixelsWideAndItsArrowsTwentyTall) {
    testdriver::SetDpi(120);
    MakeList(ShowForm(), 40);
    const int right = list->ClientWidth();
    const int bottom = list->ClientHeight();
    // 19 pixels in from the right: the bar at 120 dpi (a row at 96), and 18 up from the bottom: its down arrow
    // (the track at 96).
    testdriver::Click(At(*list, right - 19, bottom - 18));
    testdriver::PumpUntilIdle();
    EXPECT_EQ(list->TopIndex(), 1);
    EXPECT_EQ(list->SelCount(), 0);
    // One pixel further left is a row again.
    testdriver::Click(At(*list, right - 21, list->HeaderHeight() + 2));
    testdriver::PumpUntilIdle();
    EXPECT_EQ(list->TopIndex(), 1);
    ASSERT_EQ(list->SelCount(), 1);
    EXPECT_EQ(list->Selected()->Index(), 1);
}

TEST_F(ListScrollTest, ArrowsPagesAndTheThumbScrollWithoutSelecting) {
    MakeList(ShowForm(), 40);
    const int page = list->VisibleRows() - 1;
    testdriver::Click(OnBar(list->ClientHeight() - 4));  // down arrow
    testdriver::PumpUntilIdle();
    EXPECT_EQ(list->TopIndex(), 1);
    testdriver::Click(OnBar(4));  // up arrow
    testdriver::PumpUntilIdle();
    EXPECT_EQ(list->TopIndex(), 0);
    testdriver::Click(OnBar(list->ClientHeight() - 24));  // the track below the thumb
    testdriver::PumpUntilIdle();
    EXPECT_EQ(list->TopIndex(), page);
    testdriver::Click(OnBar(20));  // the track above it
    testdriver::PumpUntilIdle();
    EXPECT_EQ(list->TopIndex(), 0);
    EXPECT_EQ(list->SelCount(), 0) << "the bar is no row";
    EXPECT_TRUE(list->Focused()) << "a press on the bar still focuses the list";

    // The thumb dragged to the end and half-way back.
    const win::RECT thumb = list->ScrollBar().Thumb();
    testdriver::MoveMouse(OnBar(thumb.top + 3));
    user::InputMouseButton(user::MouseButton::Left, true, OnBar(thumb.top + 3));
    testdriver::MoveMouse(OnBar(list->ClientHeight() + 40));
    testdriver::PumpUntilIdle();
    EXPECT_EQ(list->TopIndex(), list->ItemCount() - list->VisibleRows());
    const VerticalScrollBar bar = list->ScrollBar();
    const int middle = bar.Track().top + (bar.Track().bottom - bar.Track().top - (thumb.bottom - thumb.top)) / 2;
    testdriver::MoveMouse(OnBar(middle + 3));
    user::InputMouseButton(user::MouseButton::Left, false, OnBar(middle + 3));
    testdriver::PumpUntilIdle();
    EXPECT_NEAR(list->TopIndex(), (list->ItemCount() - list->VisibleRows()) / 2, 1);
    testdriver::MoveMouse(OnBar(4));
    testdriver::PumpUntilIdle();
    EXPECT_NEAR(list->TopIndex(), (list->ItemCount() - list->VisibleRows()) / 2, 1) << "released: no more dragging";
}

TEST_F(ListScrollTest, TheWheelScrollsThreeRowsANotchAndAddsUpSmallTurns) {
    MakeList(ShowForm(), 40);
    const win::POINT over = At(*list, 50, 60);
    testdriver::Wheel(over, -2);
    testdriver::PumpUntilIdle();
    EXPECT_EQ(list->TopIndex(), 6);
    testdriver::Wheel(over, 1);
    testdriver::PumpUntilIdle();
    EXPECT_EQ(list->TopIndex(), 3);
    user::InputMouseWheel(-win::WHEEL_DELTA / 2);
    testdriver::PumpUntilIdle();
    EXPECT_EQ(list->TopIndex(), 3) << "half a notch";
    user::InputMouseWheel(-win::WHEEL_DELTA / 2);
    testdriver::PumpUntilIdle();
    EXPECT_EQ(list->TopIndex(), 6);
    testdriver::Wheel(over, 50);
    testdriver::PumpUntilIdle();
    EXPECT_EQ(list->TopIndex(), 0);
    testdriver::Wheel(over, -50);
    testdriver::PumpUntilIdle();
    EXPECT_EQ(list->TopIndex(), list->ItemCount() - list->VisibleRows());
}

TEST_F(ListScrollTest, KeysMoveTheFocusedRowAndKeepItInView) {
    MakeList(ShowForm(), 40);
    const int rows = list->VisibleRows();
    testdriver::Click(At(*list, 50, list->HeaderHeight() + 2));
    testdriver::PumpUntilIdle();
    for (int i = 0; i < rows; ++i) Key(win::VK_DOWN);
    EXPECT_EQ(list->ItemFocused()->Index(), rows);
    EXPECT_EQ(list->TopIndex(), 1);
    Key(win::VK_NEXT);
    EXPECT_EQ(list->ItemFocused()->Index(), rows + rows - 1);
    EXPECT_EQ(list->TopIndex(), rows);
    EXPECT_EQ(list->SelCount(), 1);
    Key(win::VK_END);
    EXPECT_EQ(list->TopIndex(), 40 - rows);
    Key(win::VK_PRIOR);
    EXPECT_EQ(list->ItemFocused()->Index(), 39 - (rows - 1));
    Key(win::VK_HOME);
    EXPECT_EQ(list->TopIndex(), 0);
    EXPECT_TRUE(list->Items(0)->Selected());
}

TEST_F(ListScrollTest, AWindowThatDoesNotScrollPassesTheWheelToItsParent) {
    TForm* form = ShowForm();
    int turns = 0;
    struct Counter {
        int* turns;
        void Handle(TMessage& message) { *turns += win::GET_WHEEL_DELTA_WPARAM(message.WParam); }
    } counter{&turns};
    form->SetMessageHandler(win::WM_MOUSEWHEEL, TMessageHandler::Bind<&Counter::Handle>(&counter));
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    edit->SetBounds(10, 200, 100, 21);
    MakeList(form, 3);  // fits: nothing to scroll either
    testdriver::PumpUntilIdle();
    testdriver::Wheel(Centre(*edit), -1);
    testdriver::Wheel(At(*list, 50, 60), 2);
    testdriver::PumpUntilIdle();
    EXPECT_EQ(turns, -win::WHEEL_DELTA + 2 * win::WHEEL_DELTA);
    EXPECT_EQ(list->TopIndex(), 0);
}

}  // namespace
