// The flat paint of every kind of restyled control, read back at known places: rounded push-button corners, idle,
// hot, pressed and tinted faces, check box and radio fills and marks, the combo button strip and arrow rows, edit
// frames, the group box's frame line, panel bevels that only a paint redraws, list-view and progress-bar outlines;
// and no drawing object left behind after many repaints.
#include "ComponentsFixture.h"
#include "platform/framework/Exception.h"
#include "platform/framework/controls/BitBtn.h"
#include "platform/framework/controls/Button.h"
#include "platform/framework/controls/CheckBox.h"
#include "platform/framework/controls/ComboBox.h"
#include "platform/framework/controls/ControlMessages.h"
#include "platform/framework/controls/Edit.h"
#include "platform/framework/controls/GroupBox.h"
#include "platform/framework/controls/ListView.h"
#include "platform/framework/controls/Panel.h"
#include "platform/framework/controls/ProgressBar.h"
#include "platform/framework/controls/RadioButton.h"
#include "platform/framework/controls/SpeedButton.h"
#include "platform/framework/controls/SpinEdit.h"
#include "platform/framework/controls/UpDown.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/LiveObjects.h"
#include "platform/gdi/SysColors.h"
#include "platform/testing/InputInjection.h"
#include "platform/testing/MessagePump.h"
#include "platform/testing/Screen.h"
#include "platform/user/Messages.h"
#include "platform/user/Paint.h"
#include "platform/user/SystemMetrics.h"
#include "trackmill/components/ColorRoutines.h"
#include "trackmill/components/ControlSubClass.h"
#include "trackmill/components/FlatLook.h"

using namespace framework;
using components::DarkenColor;
using components::LightenColor;
using components::RestylerOf;
using components::TFlatLook;

namespace {

// Controls whose client rectangle can be made to fail, which every routine asks for once its canvas exists.
template <class Base>
struct Failing : Base {
    using Base::Base;
    win::RECT ClientRect() const override {
        if (fail) throw Exception("client rectangle unavailable");
        return Base::ClientRect();
    }
    bool fail = false;
};

win::COLORREF Rgb(TColor color) { return gdi::ResolveColor(color); }

class RestyledPaintingTest : public ComponentsTest {
  protected:
    void SetUp() override {
        ComponentsTest::SetUp();
        form = ShowForm();
    }

    void SwitchOn() {
        look = new TFlatLook(form);
        look->SetActive(true);
        testdriver::PumpUntilIdle();
    }

    // Paints the control again in the given state and reads a pixel of its client area.
    static win::COLORREF After(TControl& control, int x, int y) {
        control.Repaint();
        return testdriver::ScreenPixel(At(control, x, y).x, At(control, x, y).y);
    }
    static win::COLORREF Pixel(TControl& control, int x, int y) {
        return testdriver::ScreenPixel(At(control, x, y).x, At(control, x, y).y);
    }
    static win::COLORREF WindowPixel(TWinControl& control, int x, int y) {
        return testdriver::WindowPixel(control.Handle(), x, y);
    }

    TForm* form = nullptr;
    TFlatLook* look = nullptr;
};

TEST_F(RestyledPaintingTest, PushButtonsHaveRoundedCornersAndIdleHotPressedAndTintedFaces) {
    auto* button = Place<TButton>(form, 20, 20, 80, 26);
    auto* tinted = Place<TButton>(form, 120, 20, 80, 26);
    tinted->SetTag(1000);
    form->SetColor(0x336699);
    SwitchOn();
    auto& state = *RestylerOf(*button);
    EXPECT_EQ(After(*button, 0, 0), 0x336699u);
    EXPECT_EQ(Pixel(*button, 40, 3), Rgb(look->EffIconBackColor));
    // Raised: the dark edge runs down the right side.
    const TColor idleEdge = DarkenColor(clBtnShadow, 50);
    EXPECT_EQ(Pixel(*button, 79, 12), Rgb(idleEdge));
    EXPECT_EQ(Pixel(*button, 0, 12), Rgb(LightenColor(clBtnShadow, 30)));

    state.Hot = true;
    EXPECT_EQ(After(*button, 40, 3), Rgb(LightenColor(clBtnFace, 40)));
    state.LeftDown = true;
    const TColor hotEdge = DarkenColor(LightenColor(look->EffSelectBorderColor, 60), 50);
    EXPECT_EQ(After(*button, 0, 12), Rgb(hotEdge));
    EXPECT_EQ(Pixel(*button, 40, 0), Rgb(hotEdge));
    EXPECT_EQ(Pixel(*button, 79, 12), Rgb(LightenColor(LightenColor(look->EffSelectBorderColor, 60), 30)));

    EXPECT_EQ(After(*tinted, 40, 3), Rgb(LightenColor(0x336699, 16)));
    RestylerOf(*tinted)->Hot = true;
    EXPECT_EQ(After(*tinted, 40, 3), Rgb(LightenColor(0x336699, 40)));
}

// A number edit is a single-line edit: the same thin frame as a plain edit beside it, and its arrows are flat push
// buttons, each hot under the pointer.
TEST_F(RestyledPaintingTest, ASpinEditTakesTheFlatEditFrameAndFlatArrowButtons) {
    auto* edit = Place<TEdit>(form, 20, 20, 80, 21);
    auto* spin = Place<TSpinEdit>(form, 120, 20, 80, 21);
    SwitchOn();
    ASSERT_NE(RestylerOf(*spin), nullptr);
    EXPECT_FALSE(spin->Ctl3D());
    const int w = spin->Width();
    const int h = spin->Height();
    for (const win::POINT p :
         {win::POINT{0, 0}, win::POINT{1, 1}, win::POINT{w / 3, 0}, win::POINT{w / 3, 1}, win::POINT{0, h / 2},
          win::POINT{1, h / 2}, win::POINT{w / 3, h - 1}, win::POINT{w / 3, h - 2}})
        EXPECT_EQ(WindowPixel(*spin, p.x, p.y), WindowPixel(*edit, p.x, p.y)) << p.x << "," << p.y;

    auto* arrows = dynamic_cast<TUpDown*>(spin->Controls(0));
    ASSERT_NE(arrows, nullptr);
    ASSERT_NE(RestylerOf(*arrows), nullptr);
    const int half = arrows->ClientHeight() / 2;
    EXPECT_EQ(Pixel(*arrows, 2, 2), Rgb(look->EffIconBackColor));
    EXPECT_EQ(Pixel(*arrows, 2, half + 2), Rgb(look->EffIconBackColor));
    EXPECT_EQ(Pixel(*arrows, arrows->ClientWidth() - 1, 3), Rgb(DarkenColor(clBtnShadow, 50))) << "raised edge";
    testdriver::MoveMouse(At(*arrows, 5, 2));
    testdriver::PumpUntilIdle();
    EXPECT_EQ(Pixel(*arrows, 2, 2), Rgb(LightenColor(clBtnFace, 40))) << "the arrow under the pointer is hot";
    EXPECT_EQ(Pixel(*arrows, 2, half + 2), Rgb(look->EffIconBackColor));
}

TEST_F(RestyledPaintingTest, ABitButtonTaggedWithoutEdgeShowsOnlyAnOutlineLighterThanItsFace) {
    auto* plain = Place<TBitBtn>(form, 20, 20, 80, 26);
    auto* edgeless = Place<TBitBtn>(form, 120, 20, 80, 26);
    edgeless->SetTag(1003);  // both the missing edge and the reading-side caption
    form->SetColor(0x336699);
    SwitchOn();
    EXPECT_EQ(After(*plain, 79, 12), Rgb(DarkenColor(clBtnShadow, 50)));
    const TColor face = LightenColor(0x336699, 16);  // 1003 holds the bits of 1000
    EXPECT_EQ(After(*edgeless, 40, 3), Rgb(face));
    EXPECT_EQ(Pixel(*edgeless, 79, 12), Rgb(LightenColor(face, 30)));
    EXPECT_EQ(Pixel(*edgeless, 0, 12), Rgb(LightenColor(face, 30)));
}

TEST_F(RestyledPaintingTest, CheckBoxesAndRadioButtonsFillTheirBoxAndMarkTheirState) {
    auto* box = Place<TCheckBox>(form, 20, 20, 120, 20);
    auto* radio = Place<TRadioButton>(form, 20, 60, 120, 20);
    SwitchOn();
    const int t = win::GetSystemMetrics(win::SM_CXHTHUMB);
    const int top = 3 + (20 - 6 - t) / 2;
    // The box at the left, its frame two pixels inside the cleared square.
    EXPECT_EQ(After(*box, 2, top + 2), Rgb(clBtnShadow));
    EXPECT_EQ(Pixel(*box, 4, top + 4), Rgb(clWindow));
    RestylerOf(*box)->Hot = true;
    EXPECT_EQ(After(*box, 2, top + 2), Rgb(look->EffSelectBorderColor));
    EXPECT_EQ(Pixel(*box, 4, top + 4), Rgb(look->EffSelectColor));
    RestylerOf(*box)->Hot = false;
    box->SetAllowGrayed(true);
    box->SetState(cbGrayed);
    EXPECT_EQ(After(*box, 4, top + 4), 0xC0C0C0u);
    // The tick's lowest point sits 4 right of the inner box's left and 3 above its bottom.
    EXPECT_EQ(Pixel(*box, 2 + 4, top + t - 2 - 3), 0x808080u);
    box->SetState(cbChecked);
    EXPECT_EQ(After(*box, 2 + 4, top + t - 2 - 3), Rgb(clHighlight));

    radio->SetChecked(true);
    const int radioTop = 4 + (20 - 8 - t) / 2;
    const int centreX = (2 + (t - 1 - 2)) / 2;
    const int centreY = radioTop + (2 + (t - 1 - 2)) / 2;
    EXPECT_EQ(After(*radio, centreX, centreY), Rgb(clHighlight));
    radio->SetEnabled(false);
    EXPECT_EQ(After(*radio, centreX, centreY), Rgb(look->EffDisabledColor));
}

TEST_F(RestyledPaintingTest, ComboBoxesShowTheirButtonStripSeparatorAndArrowRowsOverTheirSunkenEdge) {
    auto* combo = Place<TComboBox>(form, 20, 20, 150, 21);
    SwitchOn();
    const int w = combo->Width();
    const int t = win::GetSystemMetrics(win::SM_CXHTHUMB);
    combo->Repaint();
    // The sunken edge is gone: the parent's colour outside, the combo's own inside.
    EXPECT_EQ(WindowPixel(*combo, 0, 10), Rgb(form->Color()));
    EXPECT_EQ(WindowPixel(*combo, 1, 10), Rgb(combo->Color()));
    EXPECT_EQ(WindowPixel(*combo, w - 4, 4), Rgb(clBtnFace));
    EXPECT_EQ(WindowPixel(*combo, w - t + 2, 5), Rgb(combo->Color()));
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(WindowPixel(*combo, w - 10 + row, 10 + row), Rgb(clBlack)) << row;
        EXPECT_EQ(WindowPixel(*combo, w - 5 - row - 1, 10 + row), Rgb(clBlack)) << row;
        EXPECT_NE(WindowPixel(*combo, w - 5 - row, 10 + row), Rgb(clBlack)) << row;
    }
    RestylerOf(*combo)->Hot = true;
    combo->Repaint();
    EXPECT_EQ(WindowPixel(*combo, w - 4, 4), Rgb(look->EffSelectColor));
    EXPECT_EQ(WindowPixel(*combo, w - t + 2, 5), Rgb(look->EffSelectBorderColor));
    EXPECT_EQ(WindowPixel(*combo, 0, 10), Rgb(look->EffSelectBorderColor));
}

TEST_F(RestyledPaintingTest, EditsListViewsAndProgressBarsGetThinFrames) {
    auto* edit = Place<TEdit>(form, 20, 20, 120, 21);
    auto* list = Place<TListView>(form, 20, 60, 200, 100);
    auto* bar = Place<TProgressBar>(form, 20, 180, 200, 16);
    form->SetColor(0x336699);
    SwitchOn();
    const TColor idle = DarkenColor(0x336699, 60);
    EXPECT_EQ(After(*edit, 0, 8), Rgb(idle));
    RestylerOf(*edit)->Hot = true;
    EXPECT_EQ(After(*edit, 0, 8), Rgb(LightenColor(look->EffSelectBorderColor, 60)));

    list->Repaint();
    EXPECT_FALSE(list->Ctl3D());
    EXPECT_EQ(WindowPixel(*list, 0, 50), Rgb(idle));
    RestylerOf(*list)->Hot = true;
    list->Repaint();
    EXPECT_EQ(WindowPixel(*list, 0, 50), Rgb(LightenColor(look->EffSelectBorderColor, 60)));

    bar->Repaint();
    EXPECT_EQ(WindowPixel(*bar, 100, 0), Rgb(idle));
    RestylerOf(*bar)->Hot = true;
    bar->Repaint();
    EXPECT_EQ(WindowPixel(*bar, 100, 0), Rgb(look->EffSelectBorderColor));
}

TEST_F(RestyledPaintingTest, PanelsAndGroupBoxesRedrawTheirBevelsOnlyWhenTheyPaint) {
    auto* panel = Place<TPanel>(form, 20, 20, 120, 40);
    auto* group = Place<TGroupBox>(form, 160, 20, 150, 80);
    group->SetCaption("Group");
    panel->SetColor(0x336699);
    SwitchOn();
    const TColor light = LightenColor(0x336699, 60);
    EXPECT_EQ(After(*panel, 0, 20), Rgb(light));
    EXPECT_EQ(Pixel(*panel, 119, 20), Rgb(DarkenColor(0x336699, 60)));
    win::HDC dc = win::GetDC(panel->Handle());
    win::SetPixel(dc, 0, 20, 0x00FF00);
    win::ReleaseDC(panel->Handle(), dc);
    panel->Perform(CM_MOUSEENTER, 0, 0);
    panel->Perform(CM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(Pixel(*panel, 0, 20), 0x00FF00u);

    group->Repaint();
    const TColor groupLight = LightenColor(group->Color(), 60);
    const TColor groupDark = DarkenColor(group->Color(), 60);
    // The frame's left line starts half a caption height down; the strip above it is the parent's colour.
    EXPECT_EQ(Pixel(*group, 3, 0), Rgb(form->Color()));
    EXPECT_EQ(Pixel(*group, 0, 60), Rgb(groupLight));
    EXPECT_EQ(Pixel(*group, 149, 60), Rgb(groupDark));
    EXPECT_EQ(Pixel(*group, 148, 79), Rgb(groupDark));
}

TEST_F(RestyledPaintingTest, SpeedButtonsDownShowTheLightSelectionFace) {
    auto* speed = Place<TSpeedButton>(form, 20, 20, 40, 24);
    speed->SetGroupIndex(1);
    speed->SetDown(true);
    SwitchOn();
    form->Repaint();
    EXPECT_EQ(Pixel(*speed, 20, 3), Rgb(look->EffSelectLightColor));
    EXPECT_EQ(Pixel(*speed, 20, 0), Rgb(DarkenColor(look->EffSelectBorderColor, 50)));
}

TEST_F(RestyledPaintingTest, NoDrawingObjectOutlivesAHundredRepaintsOfEveryKind) {
    Place<TButton>(form, 10, 10, 80, 26);
    Place<TBitBtn>(form, 100, 10, 80, 26);
    Place<TSpeedButton>(form, 190, 10, 40, 24);
    Place<TCheckBox>(form, 10, 50, 100, 20);
    Place<TRadioButton>(form, 120, 50, 100, 20);
    Place<TComboBox>(form, 10, 80, 120, 21);
    Place<TEdit>(form, 140, 80, 120, 21);
    Place<TPanel>(form, 10, 110, 100, 40);
    Place<TGroupBox>(form, 120, 110, 100, 60);
    Place<TListView>(form, 230, 110, 100, 60);
    Place<TProgressBar>(form, 10, 180, 200, 16);
    SwitchOn();
    form->Repaint();
    const gdi::LiveObjects before = gdi::CountLiveObjects();
    for (int i = 0; i < 100; ++i) {
        for (int c = 0; c < form->ControlCount(); ++c) {
            TControl* control = form->Controls(c);
            RestylerOf(*control)->Hot = i % 2 == 0;
            control->Perform(CM_MOUSEENTER, 0, 0);
            control->Repaint();
        }
    }
    EXPECT_EQ(gdi::CountLiveObjects(), before);
}

TEST_F(RestyledPaintingTest, ARoutineThatFailsPassesTheFailureOnAndLeavesNoDrawingObjectBehind) {
    auto* box = Place<Failing<TCheckBox>>(form, 10, 10, 100, 20);
    auto* button = Place<Failing<TButton>>(form, 10, 40, 80, 26);
    auto* panel = Place<Failing<TPanel>>(form, 10, 80, 100, 40);
    SwitchOn();
    // The walk takes push buttons by their exact class name only.
    components::RestyleControl(*look, *button);
    form->Repaint();
    const gdi::LiveObjects before = gdi::CountLiveObjects();
    auto failOnce = [](auto* control) {
        components::TControlSubClass& restyler = *RestylerOf(*control);
        restyler.LastMessage = win::WM_PAINT;
        control->fail = true;
        EXPECT_THROW(restyler.PaintControl(), Exception);
        control->fail = false;
    };
    for (int i = 0; i < 20; ++i) {
        failOnce(box);
        failOnce(button);
        failOnce(panel);
    }
    EXPECT_EQ(gdi::CountLiveObjects(), before);
    // Painting works again afterwards.
    EXPECT_EQ(After(*button, 0, 0), Rgb(form->Color()));
}

}  // namespace
