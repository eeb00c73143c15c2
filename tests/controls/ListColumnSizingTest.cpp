// A list view's columns are sized by dragging their dividers in the header; over a divider the pointer shows the
// sizing shape, elsewhere the arrow.
#include <string>
#include <utility>

#include "ControlsFixture.h"
#include "platform/framework/controls/ListView.h"
#include "platform/gdi/SysColors.h"
#include "platform/testing/InputInjection.h"
#include "platform/testing/MessagePump.h"
#include "platform/testing/Screen.h"
#include "platform/user/Cursor.h"
#include "platform/user/Input.h"

using namespace framework;

namespace {

class ListColumnSizingTest : public ControlsTest {
  protected:
    TListView* list = nullptr;

    void SetUp() override {
        ControlsTest::SetUp();
        TForm* form = ShowForm();
        list = new TListView(form);
        list->SetParent(form);
        list->SetBounds(10, 10, 400, 150);
        list->SetRowSelect(true);
        for (const auto& [caption, width] : {std::pair{"编号", 90}, std::pair{"标题", 120}}) {
            TListColumn* column = list->AddColumn();
            column->SetCaption(caption);
            column->SetWidth(width);
        }
        for (int i = 0; i < 3; ++i) list->AddItem()->SetCaption("音轨 " + std::to_string(i + 1));
        list->Items(1)->SetSelected(true);
        testdriver::PumpUntilIdle();
    }
    int HeaderMiddle() const { return list->HeaderHeight() / 2; }
    user::PointerShape ShapeAt(int x, int y) {
        testdriver::MoveMouse(At(*list, x, y));
        testdriver::PumpUntilIdle();
        return user::ShapeOf(win::GetCursor());
    }
    win::COLORREF HeaderPixel(int x) {
        const win::POINT at = At(*list, x, HeaderMiddle());
        return testdriver::ScreenPixel(at.x, at.y);
    }
};

TEST_F(ListColumnSizingTest, ThePointerShowsTheSizingShapeOverADividerOnly) {
    EXPECT_EQ(ShapeAt(90, HeaderMiddle()), user::PointerShape::SizeWestEast);
    EXPECT_EQ(ShapeAt(87, HeaderMiddle()), user::PointerShape::SizeWestEast);
    EXPECT_EQ(ShapeAt(210, HeaderMiddle()), user::PointerShape::SizeWestEast);
    EXPECT_EQ(ShapeAt(40, HeaderMiddle()), user::PointerShape::Arrow);
    EXPECT_EQ(ShapeAt(90, list->HeaderHeight() + 5), user::PointerShape::Arrow) << "below the header: a row";
    EXPECT_EQ(ShapeAt(300, HeaderMiddle()), user::PointerShape::Arrow) << "past the last column";
}

TEST_F(ListColumnSizingTest, DraggingADividerResizesItsColumnAndChoosesNoRow) {
    const win::COLORREF face = win::GetSysColor(win::COLOR_BTNFACE);
    ASSERT_NE(HeaderPixel(89), face) << "the first section's edge";
    ShapeAt(91, HeaderMiddle());
    user::InputMouseButton(user::MouseButton::Left, true, At(*list, 91, HeaderMiddle()));
    testdriver::PumpUntilIdle();
    EXPECT_EQ(ShapeAt(150, HeaderMiddle() + 40), user::PointerShape::SizeWestEast) << "the drag keeps the shape";
    EXPECT_EQ(list->Columns(0)->Width(), 149) << "the pointer keeps its place by the edge";
    EXPECT_EQ(list->Columns(1)->Width(), 120);
    ShapeAt(60, HeaderMiddle());
    user::InputMouseButton(user::MouseButton::Left, false, At(*list, 60, HeaderMiddle()));
    testdriver::PumpUntilIdle();
    EXPECT_EQ(list->Columns(0)->Width(), 59);
    EXPECT_EQ(HeaderPixel(89), face) << "the old edge is gone";
    EXPECT_NE(HeaderPixel(58), face) << "the edge is drawn where the column ends now";
    EXPECT_TRUE(list->Items(1)->Selected());
    EXPECT_EQ(list->SelCount(), 1);

    // A column dragged to nothing is found again at its divider and widened.
    user::InputMouseButton(user::MouseButton::Left, true, At(*list, 59, HeaderMiddle()));
    testdriver::PumpUntilIdle();
    ShapeAt(-30, HeaderMiddle());
    user::InputMouseButton(user::MouseButton::Left, false, At(*list, -30, HeaderMiddle()));
    testdriver::PumpUntilIdle();
    EXPECT_EQ(list->Columns(0)->Width(), 0);
    user::InputMouseButton(user::MouseButton::Left, true, At(*list, 1, HeaderMiddle()));
    testdriver::PumpUntilIdle();
    ShapeAt(41, HeaderMiddle());
    user::InputMouseButton(user::MouseButton::Left, false, At(*list, 41, HeaderMiddle()));
    testdriver::PumpUntilIdle();
    EXPECT_EQ(list->Columns(0)->Width(), 40);
    EXPECT_EQ(list->Columns(1)->Width(), 120);
}

}  // namespace
