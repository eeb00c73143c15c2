// A form's stored layout, made at 96 dpi, is scaled by dpi / 96 when it has been built: client size, bounds, pixel
// fonts, list columns, tool bar buttons, pictures and image lists. At 96 dpi it stays as stored.
#include <memory>

#include "ControlsFixture.h"
#include "platform/framework/MulDiv.h"
#include "platform/framework/controls/BitBtn.h"
#include "platform/framework/controls/Button.h"
#include "platform/framework/controls/CheckBox.h"
#include "platform/framework/controls/CheckBoxPainting.h"
#include "platform/framework/controls/GroupBox.h"
#include "platform/framework/controls/Image.h"
#include "platform/framework/controls/ListView.h"
#include "platform/framework/controls/ToolBar.h"
#include "platform/framework/controls/ToolButton.h"
#include "platform/framework/graphics/Bitmap.h"
#include "platform/framework/graphics/Canvas.h"
#include "platform/framework/graphics/ImageList.h"
#include "platform/testing/Settings.h"
#include "platform/user/ClassicGeometry.h"
#include "platform/user/WindowStyles.h"

using namespace framework;

namespace {

constexpr TColor kKey = clFuchsia;
constexpr TColor kInk = 0x204080;

// A small layout as a window's layout code stores it.
struct StoredForm {
    std::unique_ptr<TForm> form;
    TGroupBox* group = nullptr;
    TButton* button = nullptr;
    TCheckBox* check = nullptr;
    TListView* list = nullptr;
    TToolBar* bar = nullptr;
    TToolButton* wide = nullptr;
    TImage* image = nullptr;
    TImageList* images = nullptr;
    TBitBtn* glyphButton = nullptr;
};

// A square picture in the key colour with an inked square from (4, 4) to (12, 12).
void DrawPicture(TBitmap& bitmap, int size) {
    bitmap.SetSize(size, size);
    bitmap.Canvas().Brush().SetColor(kKey);
    bitmap.Canvas().FillRect(win::RECT{0, 0, size, size});
    bitmap.Canvas().Brush().SetColor(kInk);
    bitmap.Canvas().FillRect(win::RECT{4, 4, 12, 12});
}

template <class Control>
Control* Put(TForm* form, TWinControl* parent, int x, int y, int width, int height) {
    auto* control = new Control(form);
    control->SetParent(parent);
    control->SetBounds(x, y, width, height);
    return control;
}

StoredForm BuildAt(TApplication* app, int dpi) {
    testdriver::SetDpi(dpi);
    StoredForm s;
    s.form = std::make_unique<TForm>(app);
    TForm* form = s.form.get();
    form->BeginLoading();
    form->SetBorderStyle(bsDialog);
    form->Font().SetHeight(-12);
    form->SetClientSize(391, 301);
    s.group = Put<TGroupBox>(form, form, 8, 6, 305, 97);
    s.button = Put<TButton>(form, s.group, 11, 37, 75, 25);
    s.check = Put<TCheckBox>(form, s.group, 11, 68, 221, 17);
    s.check->SetCaption("抓轨完成后保留WAV文件");
    s.list = Put<TListView>(form, form, 8, 110, 375, 120);
    s.list->Font().SetHeight(-11);
    for (int width : {90, 231, 55}) s.list->AddColumn()->SetWidth(width);
    s.images = new TImageList(form);
    s.images->SetSize(16, 16);
    TBitmap tile;
    DrawPicture(tile, 16);
    s.images->AddMasked(tile, kKey);
    s.bar = Put<TToolBar>(form, form, 0, 235, 391, 41);
    s.bar->SetButtonHeight(35);
    s.bar->SetIndent(10);
    s.bar->SetShowCaptions(true);
    s.bar->SetImages(s.images);
    auto* plain = new TToolButton(form);
    plain->SetParent(s.bar);
    plain->SetImageIndex(0);
    s.wide = new TToolButton(form);
    s.wide->SetCaption("Corvane");
    s.wide->SetParent(s.bar);
    s.image = Put<TImage>(form, form, 324, 12, 32, 32);
    DrawPicture(s.image->Picture().Bitmap(), 32);
    s.image->SetTransparent(true);
    s.image->PictureChanged();
    s.glyphButton = Put<TBitBtn>(form, form, 200, 267, 75, 25);
    DrawPicture(s.glyphButton->Glyph(), 16);
    s.glyphButton->SetNumGlyphs(1);
    form->EndLoading();
    return s;
}

int Scaled(int value, int dpi) { return MulDiv(value, dpi, 96); }

void ExpectBounds(const TControl& control, const win::RECT& expected, const char* what) {
    const win::RECT r = control.BoundsRect();
    EXPECT_EQ(r.left, expected.left) << what;
    EXPECT_EQ(r.top, expected.top) << what;
    EXPECT_EQ(r.right, expected.right) << what;
    EXPECT_EQ(r.bottom, expected.bottom) << what;
}

class FormScalingTest : public ControlsTest {
  protected:
    testdriver::ScopedSettings settings;
};

TEST_F(FormScalingTest, At96DpiTheLayoutStaysAsStored) {
    const StoredForm s = BuildAt(app.get(), 96);
    EXPECT_EQ(s.form->ClientWidth(), 391);
    EXPECT_EQ(s.form->ClientHeight(), 301);
    ExpectBounds(*s.group, win::RECT{8, 6, 313, 103}, "group");
    ExpectBounds(*s.button, win::RECT{11, 37, 86, 62}, "button");
    ExpectBounds(*s.check, win::RECT{11, 68, 232, 85}, "check box");
    EXPECT_EQ(s.check->Font().Height(), -12);
    EXPECT_EQ(s.list->Font().Height(), -11);
    EXPECT_EQ(s.list->Columns(1)->Width(), 231);
    EXPECT_EQ(s.bar->ButtonHeight(), 35);
    EXPECT_EQ(s.bar->Indent(), 10);
    EXPECT_EQ(s.wide->Width(), 7 * 7 + 8);
    EXPECT_EQ(s.image->Picture().Width(), 32);
    EXPECT_EQ(s.images->Width(), 16);
    EXPECT_EQ(s.glyphButton->Glyph().Width(), 16);
    EXPECT_EQ(s.glyphButton->Spacing(), 4);
}

// The same layout built at 96 dpi is what the scaled one is compared with.
class FormScalingAtTest : public FormScalingTest, public ::testing::WithParamInterface<int> {};

TEST_P(FormScalingAtTest, BoundsFontsAndColumnsScaleFromThe96DpiLayout) {
    const int dpi = GetParam();
    StoredForm designed = BuildAt(app.get(), 96);
    const win::RECT group = designed.group->BoundsRect();
    const win::RECT button = designed.button->BoundsRect();
    const win::RECT check = designed.check->BoundsRect();
    const win::RECT designedBar = designed.bar->BoundsRect();
    const int clientWidth = designed.form->ClientWidth();
    const int clientHeight = designed.form->ClientHeight();
    designed.form.reset();

    const StoredForm s = BuildAt(app.get(), dpi);
    EXPECT_EQ(s.form->ClientWidth(), Scaled(clientWidth, dpi));
    EXPECT_EQ(s.form->ClientHeight(), Scaled(clientHeight, dpi));
    const win::RECT frame = user::classic::NonClientInsets(win::WS_CAPTION | win::WS_SYSMENU | win::WS_DLGFRAME, 0);
    EXPECT_EQ(s.form->Width(), Scaled(clientWidth, dpi) + frame.left + frame.right) << "the frame is the display's";
    // Edge by edge, so that controls that met at 96 dpi still meet.
    const auto scaled = [dpi](const win::RECT& r) {
        return win::RECT{Scaled(r.left, dpi), Scaled(r.top, dpi), Scaled(r.right, dpi), Scaled(r.bottom, dpi)};
    };
    ExpectBounds(*s.group, scaled(group), "group");
    ExpectBounds(*s.button, scaled(button), "button inside the group");
    ExpectBounds(*s.check, scaled(check), "check box");
    ExpectBounds(*s.bar, scaled(designedBar), "tool bar");
    EXPECT_EQ(s.check->Font().Height(), Scaled(-12, dpi));
    EXPECT_EQ(s.form->Font().Height(), Scaled(-12, dpi));
    EXPECT_EQ(s.list->Font().Height(), Scaled(-11, dpi)) << "a font of its own";
    EXPECT_EQ(s.list->Columns(0)->Width(), Scaled(90, dpi));
    EXPECT_EQ(s.list->Columns(1)->Width(), Scaled(231, dpi));
    EXPECT_EQ(s.list->Columns(2)->Width(), Scaled(55, dpi));
    EXPECT_EQ(s.bar->ButtonHeight(), Scaled(35, dpi));
    EXPECT_EQ(s.bar->Indent(), Scaled(10, dpi));
    EXPECT_EQ(s.bar->Buttons(0)->Left(), Scaled(10, dpi));
    EXPECT_EQ(s.bar->Buttons(0)->Height(), Scaled(35, dpi));
    EXPECT_EQ(s.wide->Width(), Scaled(7 * 7 + 8, dpi)) << "room for the caption grows with its font";
}

TEST_P(FormScalingAtTest, PicturesAndImageListsAreResampledWithTheirTransparencyKept) {
    const int dpi = GetParam();
    const StoredForm s = BuildAt(app.get(), dpi);
    TBitmap& picture = s.image->Picture().Bitmap();
    ASSERT_EQ(picture.Width(), Scaled(32, dpi));
    EXPECT_EQ(picture.Height(), Scaled(32, dpi));
    EXPECT_EQ(s.image->Width(), Scaled(32, dpi));
    const int inkFrom = Scaled(4, dpi);
    const int inkTo = Scaled(12, dpi);
    EXPECT_EQ(picture.Canvas().Pixel(inkFrom + 1, inkFrom + 1), kInk) << "the inked square moved with the scale";
    EXPECT_EQ(picture.Canvas().Pixel(inkTo - 2, inkTo - 2), kInk);
    EXPECT_EQ(picture.Canvas().Pixel(inkTo + 1, inkTo + 1), kKey) << "transparent around it";
    EXPECT_EQ(picture.Canvas().Pixel(0, picture.Height() - 1), kKey) << "the transparent corner stays the key";
    // Every pixel is either the key or the ink: nothing is tinted by the key at the edges.
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) {
            const TColor c = picture.Canvas().Pixel(x, y);
            ASSERT_TRUE(c == kKey || c == kInk) << x << "," << y;
        }

    EXPECT_EQ(s.images->Width(), Scaled(16, dpi));
    EXPECT_EQ(s.images->Height(), Scaled(16, dpi));
    ASSERT_EQ(s.images->Count(), 1);
    TBitmap drawn;
    drawn.SetSize(s.images->Width(), s.images->Height());
    drawn.Canvas().Brush().SetColor(clWhite);
    drawn.Canvas().FillRect(win::RECT{0, 0, drawn.Width(), drawn.Height()});
    s.images->Draw(drawn.Canvas(), 0, 0, 0);
    EXPECT_EQ(drawn.Canvas().Pixel(inkFrom + 1, inkFrom + 1), kInk);
    EXPECT_EQ(drawn.Canvas().Pixel(inkTo + 1, inkTo + 1), clWhite) << "the mask was scaled too";

    EXPECT_EQ(s.glyphButton->Glyph().Width(), Scaled(16, dpi));
    EXPECT_EQ(s.glyphButton->Spacing(), Scaled(4, dpi));
}

// The box grows with the display; the caption starts clear of it.
TEST_P(FormScalingAtTest, ACheckBoxCaptionStartsClearOfItsGrownBox) {
    const int dpi = GetParam();
    const StoredForm s = BuildAt(app.get(), dpi);
    const CheckBoxLayout layout = LayOutCheckBox(*s.check, true);
    EXPECT_EQ(layout.box.right - layout.box.left, Scaled(13, dpi));
    EXPECT_GE(layout.text.left - layout.box.right, Scaled(4, dpi) - 1);
    EXPECT_LT(layout.box.bottom - layout.box.top, s.check->Height());
}

INSTANTIATE_TEST_SUITE_P(Resolutions, FormScalingAtTest, ::testing::Values(120, 144, 192));

}  // namespace
