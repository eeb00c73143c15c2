// The classic look of each control kind, read back from the screen at chosen points (never inside glyphs).
#include "ControlsFixture.h"
#include "platform/framework/controls/CheckBox.h"
#include "platform/framework/controls/ClassicPainter.h"
#include "platform/framework/controls/Edit.h"
#include "platform/framework/controls/GroupBox.h"
#include "platform/framework/controls/Label.h"
#include "platform/framework/controls/ListView.h"
#include "platform/framework/controls/Panel.h"
#include "platform/framework/controls/ProgressBar.h"
#include "platform/framework/controls/RadioButton.h"
#include "platform/framework/controls/StatusBar.h"
#include "platform/framework/graphics/Bitmap.h"
#include "platform/framework/graphics/Canvas.h"
#include "platform/gdi/SysColors.h"
#include "platform/testing/MessagePump.h"
#include "platform/testing/Screen.h"
#include "platform/testing/Settings.h"

using namespace framework;

namespace {

template <class Control>
Control* Place(TForm* form, int x, int y, int width, int height) {
    auto* control = new Control(form);
    control->SetParent(form);
    control->SetBounds(x, y, width, height);
    return control;
}

win::COLORREF Pixel(const TControl& control, int x, int y) {
    const win::POINT p = control.ClientToScreen(win::POINT{x, y});
    return testdriver::ScreenPixel(p.x, p.y);
}

win::COLORREF Sys(int index) { return win::GetSysColor(index); }

}  // namespace

TEST_F(ControlsTest, ACheckBoxShowsItsMarkOnlyWhenChecked) {
    TForm* form = ShowForm();
    auto* box = Place<TCheckBox>(form, 10, 10, 120, 17);
    testdriver::PumpUntilIdle();
    // The 13-pixel box is centred vertically at the left; the mark's first column starts two rows into the
    // 7 x 7 mark, which sits three pixels inside the box.
    const int top = (17 - 13) / 2;
    EXPECT_EQ(Pixel(*box, 0, top), Sys(win::COLOR_BTNSHADOW)) << "outer ring, top-left";
    EXPECT_EQ(Pixel(*box, 12, top + 12), Sys(win::COLOR_BTNHIGHLIGHT)) << "outer ring, bottom-right";
    EXPECT_EQ(Pixel(*box, 1, top + 1), Sys(win::COLOR_3DDKSHADOW)) << "inner ring";
    EXPECT_EQ(Pixel(*box, 3, top + 5), Sys(win::COLOR_WINDOW));
    box->SetChecked(true);
    testdriver::PumpUntilIdle();
    EXPECT_EQ(Pixel(*box, 3, top + 5), Sys(win::COLOR_WINDOWTEXT));
    EXPECT_EQ(Pixel(*box, 3, top + 4), Sys(win::COLOR_WINDOW)) << "above the mark";
    box->SetEnabled(false);
    testdriver::PumpUntilIdle();
    EXPECT_EQ(Pixel(*box, 3, top + 5), Sys(win::COLOR_BTNSHADOW)) << "a disabled mark is grey";
    EXPECT_EQ(Pixel(*box, 3, top + 4), Sys(win::COLOR_BTNFACE)) << "on the face colour";
}

TEST_F(ControlsTest, ACheckedRadioButtonHasADotInTheMiddle) {
    TForm* form = ShowForm();
    auto* radio = Place<TRadioButton>(form, 10, 10, 120, 17);
    testdriver::PumpUntilIdle();
    const int top = (17 - 13) / 2;
    // The circle is 12 pixels across; its centre is (6, top + 6).
    EXPECT_EQ(Pixel(*radio, 6, top + 6), Sys(win::COLOR_WINDOW));
    radio->SetChecked(true);
    testdriver::PumpUntilIdle();
    EXPECT_EQ(Pixel(*radio, 6, top + 6), Sys(win::COLOR_WINDOWTEXT));
    EXPECT_EQ(Pixel(*radio, 3, top + 6), Sys(win::COLOR_WINDOW)) << "the dot is small";
}

TEST_F(ControlsTest, PanelBevelsAreRaisedLoweredAndNested) {
    TForm* form = ShowForm();
    auto* raised = Place<TPanel>(form, 10, 10, 100, 50);
    auto* lowered = Place<TPanel>(form, 120, 10, 100, 50);
    lowered->SetBevelOuter(bvLowered);
    auto* nested = Place<TPanel>(form, 230, 10, 100, 50);
    nested->SetBevelWidth(2);
    nested->SetBorderWidth(3);
    nested->SetBevelInner(bvLowered);
    testdriver::PumpUntilIdle();

    EXPECT_EQ(Pixel(*raised, 0, 0), Sys(win::COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(Pixel(*raised, 99, 49), Sys(win::COLOR_BTNSHADOW));
    EXPECT_EQ(Pixel(*lowered, 0, 0), Sys(win::COLOR_BTNSHADOW));
    EXPECT_EQ(Pixel(*lowered, 99, 49), Sys(win::COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(Pixel(*nested, 1, 1), Sys(win::COLOR_BTNHIGHLIGHT)) << "two rings of the outer bevel";
    EXPECT_EQ(Pixel(*nested, 2, 2), Sys(win::COLOR_BTNFACE)) << "then the border";
    EXPECT_EQ(Pixel(*nested, 5, 5), Sys(win::COLOR_BTNSHADOW)) << "then the inner bevel, 2 + 3 in";
    EXPECT_EQ(Pixel(*nested, 94, 44), Sys(win::COLOR_BTNHIGHLIGHT));
}

TEST_F(ControlsTest, AGroupBoxFrameIsEtchedAndBrokenForItsCaption) {
    TForm* form = ShowForm();
    auto* group = Place<TGroupBox>(form, 10, 10, 150, 80);
    group->SetCaption("组");
    testdriver::PumpUntilIdle();
    int half = -1;
    for (int y = 0; y < 20 && half < 0; ++y)
        if (Pixel(*group, 0, y) == Sys(win::COLOR_BTNSHADOW)) half = y;
    ASSERT_GE(half, 0) << "the frame's left edge starts at half the caption's height";
    EXPECT_EQ(Pixel(*group, 1, half + 1), Sys(win::COLOR_BTNHIGHLIGHT)) << "etched: a light line inside the dark one";
    EXPECT_EQ(Pixel(*group, 3, half), Sys(win::COLOR_BTNSHADOW)) << "top line before the caption";
    EXPECT_EQ(Pixel(*group, 7, half), Sys(win::COLOR_BTNFACE)) << "the caption's gap";
    EXPECT_EQ(Pixel(*group, 140, half), Sys(win::COLOR_BTNSHADOW)) << "top line after the caption";
    EXPECT_EQ(Pixel(*group, 149, 79), Sys(win::COLOR_BTNHIGHLIGHT));
}

TEST_F(ControlsTest, AProgressBarFillsInProportionToItsPosition) {
    TForm* form = ShowForm();
    auto* bar = Place<TProgressBar>(form, 10, 10, 202, 16);
    bar->SetPosition(50);
    testdriver::PumpUntilIdle();
    // A one-pixel sunken frame, then 200 pixels of which the first half is filled.
    EXPECT_EQ(Pixel(*bar, 0, 0), Sys(win::COLOR_BTNSHADOW));
    EXPECT_EQ(Pixel(*bar, 1, 8), Sys(win::COLOR_HIGHLIGHT));
    EXPECT_EQ(Pixel(*bar, 100, 8), Sys(win::COLOR_HIGHLIGHT));
    EXPECT_EQ(Pixel(*bar, 101, 8), Sys(win::COLOR_BTNFACE));
    bar->SetMax(0);
    testdriver::PumpUntilIdle();
    EXPECT_EQ(Pixel(*bar, 1, 8), Sys(win::COLOR_BTNFACE)) << "an empty range shows nothing done";
}

TEST_F(ControlsTest, AnEditIsWhiteWhenEnabledAndFaceColouredWhenNot) {
    TForm* form = ShowForm();
    auto* edit = Place<TEdit>(form, 10, 10, 100, 21);
    testdriver::PumpUntilIdle();
    EXPECT_EQ(Pixel(*edit, edit->ClientWidth() - 2, 2), Sys(win::COLOR_WINDOW));
    edit->SetEnabled(false);
    testdriver::PumpUntilIdle();
    EXPECT_EQ(Pixel(*edit, edit->ClientWidth() - 2, 2), Sys(win::COLOR_BTNFACE));
}

TEST_F(ControlsTest, AStatusBarPanelIsSunkenBelowATwoPixelGap) {
    TForm* form = ShowForm();
    auto* status = Place<TStatusBar>(form, 0, 250, 300, 20);
    status->SetSimpleText("就绪");
    testdriver::PumpUntilIdle();
    EXPECT_EQ(Pixel(*status, 0, 1), Sys(win::COLOR_BTNFACE));
    EXPECT_EQ(Pixel(*status, 0, 2), Sys(win::COLOR_BTNSHADOW));
    EXPECT_EQ(Pixel(*status, 200, 19), Sys(win::COLOR_BTNHIGHLIGHT));
}

TEST_F(ControlsTest, AListViewHighlightsTheSelectedRowWhileFocused) {
    TForm* form = ShowForm();
    auto* list = Place<TListView>(form, 10, 10, 200, 100);
    list->SetRowSelect(true);
    list->AddColumn()->SetWidth(150);
    list->AddItem()->SetCaption("a");
    list->AddItem()->SetCaption("b");
    list->Items(1)->SetSelected(true);
    testdriver::PumpUntilIdle();
    const int y = list->HeaderHeight() + list->RowHeight() + 1;
    EXPECT_EQ(Pixel(*list, 120, y), Sys(win::COLOR_BTNFACE)) << "unfocused: a quiet highlight";
    EXPECT_EQ(Pixel(*list, 120, list->HeaderHeight() + 1), Sys(win::COLOR_WINDOW));
    EXPECT_EQ(Pixel(*list, 170, y), Sys(win::COLOR_WINDOW)) << "the row ends with the columns";
    list->SetFocus();
    testdriver::PumpUntilIdle();
    EXPECT_EQ(Pixel(*list, 120, y + 2), Sys(win::COLOR_HIGHLIGHT));
    EXPECT_EQ(Pixel(*list, 0, 0), Sys(win::COLOR_BTNHIGHLIGHT)) << "the header is raised";
    EXPECT_EQ(Pixel(*list, 149, list->HeaderHeight() - 1), Sys(win::COLOR_3DDKSHADOW));
}

TEST_F(ControlsTest, AnAutoSizedLabelFollowsItsCaptionAndATransparentOneLeavesTheBackground) {
    TForm* form = ShowForm();
    form->SetColor(clWhite);
    auto* label = Place<TLabel>(form, 10, 10, 10, 10);
    label->SetCaption("短");
    const int narrow = label->Width();
    label->SetCaption("长得多的标签");
    EXPECT_GT(label->Width(), narrow * 4);
    EXPECT_GT(label->Height(), 0);
    auto* opaque = Place<TLabel>(form, 10, 40, 10, 10);
    opaque->SetParentColor(false);
    opaque->SetColor(clYellow);
    opaque->SetCaption("  ");
    testdriver::PumpUntilIdle();
    EXPECT_EQ(Pixel(*opaque, 1, 1), static_cast<win::COLORREF>(clYellow));
    opaque->SetTransparent(true);
    testdriver::PumpUntilIdle();
    EXPECT_EQ(Pixel(*opaque, 1, 1), static_cast<win::COLORREF>(clWhite));
}

TEST_F(ControlsTest, AClassicPaintFunctionDrawsWithThePaletteItIsGivenByDefaultTheSystemColours) {
    testdriver::ScopedSettings settings;
    testdriver::SetSystemColor(win::COLOR_BTNFACE, 0x336699);
    TBitmap bitmap;
    bitmap.SetSize(40, 20);
    const win::HDC dc = bitmap.Canvas().Handle();
    classic::PushButton(dc, win::RECT{0, 0, 40, 20}, classic::State{});
    EXPECT_EQ(bitmap.Canvas().Pixel(20, 10), 0x336699u) << "the colours as they are when painting";
    EXPECT_EQ(bitmap.Canvas().Pixel(0, 0), Sys(win::COLOR_BTNHIGHLIGHT));

    const gdi::Palette flat =
        gdi::Palette::System().Set(win::COLOR_BTNFACE, 0x0000FF).Set(win::COLOR_BTNHIGHLIGHT, 0x00FF00);
    classic::PushButton(dc, win::RECT{0, 0, 40, 20}, classic::State{}, flat);
    EXPECT_EQ(bitmap.Canvas().Pixel(20, 10), 0x0000FFu);
    EXPECT_EQ(bitmap.Canvas().Pixel(0, 0), 0x00FF00u);
    EXPECT_EQ(bitmap.Canvas().Pixel(39, 19), Sys(win::COLOR_3DDKSHADOW)) << "what the palette leaves is the system's";
}
