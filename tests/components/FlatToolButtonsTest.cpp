// Tool bar buttons painted by the flat look, on a bitmap standing in for the tool bar's canvas: the separator before
// a button by its Tag, the hot, checked and indeterminate fills and the frame, a transparent tool bar, images and
// an image index out of range, disabled captions, and the drop-down button's two frames and arrow.
#include <set>

#include "ComponentsFixture.h"
#include "TestColors.h"
#include "platform/framework/controls/ToolBar.h"
#include "platform/framework/controls/ToolButton.h"
#include "platform/framework/graphics/Bitmap.h"
#include "platform/framework/graphics/Canvas.h"
#include "platform/framework/graphics/ImageList.h"
#include "platform/framework/menus/PopupMenu.h"
#include "platform/gdi/LiveObjects.h"
#include "platform/testing/Settings.h"
#include "trackmill/components/ColorRoutines.h"
#include "trackmill/components/FlatLook.h"

using namespace framework;
using components::DarkenColor;
using components::LightenColor;
using components::TFlatLook;

namespace {

constexpr TColor kFace = Rgb(212, 208, 200);
constexpr TColor kHighlight = Rgb(10, 36, 106);
constexpr TColor kShadow = Rgb(128, 128, 128);
constexpr TColor kRed = Rgb(255, 0, 0);
constexpr TColor kUnderneath = Rgb(1, 99, 1);  // what the tool bar's canvas held before

class FlatToolButtonsTest : public ComponentsTest {
  protected:
    void SetUp() override {
        ComponentsTest::SetUp();
        testdriver::SetSystemColor(15, kFace);
        testdriver::SetSystemColor(13, kHighlight);
        testdriver::SetSystemColor(16, kShadow);
        form = ShowForm();
        bar = new TToolBar(form);
        bar->SetParent(form);
        bar->SetBounds(0, 0, 380, 40);
        bar->SetButtonWidth(40);
        bar->SetButtonHeight(36);
        images = new TImageList(form);
        images->SetSize(16, 16);
        TBitmap image;
        image.SetSize(16, 16);
        image.Canvas().Brush().SetColor(kRed);
        image.Canvas().FillRect(win::RECT{4, 4, 12, 12});
        images->AddMasked(image, kWhite);
        bar->SetImages(images);
        look = new TFlatLook(form);
        surface.SetSize(380, 40);
        Clear();
    }
    void TearDown() override {
        bar->Canvas().SetHandle(nullptr);
        ComponentsTest::TearDown();
    }

    TToolButton* Button(TToolButtonStyle style = tbsButton, int image = -1) {
        auto* button = new TToolButton(form);
        button->SetParent(bar);
        button->SetStyle(style);
        button->SetImageIndex(image);
        return button;
    }
    void Clear() {
        surface.Canvas().Brush().SetColor(kUnderneath);
        surface.Canvas().FillRect(win::RECT{0, 0, 380, 40});
    }
    // Paints the button on the surface as the tool bar's custom drawing would; returns defaultDraw.
    bool Paint(TToolButton* button, TCustomDrawState state) {
        bar->Canvas().SetHandle(surface.Canvas().Handle());
        bool defaultDraw = true;
        look->ToolbarCustomDrawButton(bar, button, state, defaultDraw);
        bar->Canvas().SetHandle(nullptr);
        return defaultDraw;
    }
    TColor At(int x, int y) { return surface.Canvas().Pixel(x, y); }
    std::set<TColor> ColoursIn(const win::RECT& r) {
        std::set<TColor> colours;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) colours.insert(At(x, y));
        return colours;
    }

    TForm* form = nullptr;
    TToolBar* bar = nullptr;
    TImageList* images = nullptr;
    TFlatLook* look = nullptr;
    TBitmap surface;
};

TEST_F(FlatToolButtonsTest, TheSeparatorBeforeAButtonShowsALineOnlyWithAPositiveTag) {
    TToolButton* plainSeparator = Button(tbsSeparator);
    TToolButton* first = Button();
    TToolButton* lineSeparator = Button(tbsDivider);
    lineSeparator->SetTag(1);
    TToolButton* second = Button();
    const TColor background = LightenColor(kFace, 16);
    const TColor line = DarkenColor(kFace, 30);

    EXPECT_FALSE(Paint(first, 0));
    const win::RECT plain = plainSeparator->BoundsRect();
    EXPECT_EQ(ColoursIn(plain), std::set<TColor>{background});
    EXPECT_EQ(ColoursIn(first->BoundsRect()), std::set<TColor>{background});

    Paint(second, 0);
    const win::RECT gap = lineSeparator->BoundsRect();
    const int middle = gap.left + (gap.right - gap.left) / 2;
    EXPECT_EQ(At(middle, gap.top + 1), background);
    EXPECT_EQ(At(middle, gap.top + 2), line);
    EXPECT_EQ(At(middle, gap.bottom - 2), line);
    EXPECT_EQ(At(middle, gap.bottom - 1), background);
    EXPECT_EQ(At(middle - 1, gap.top + 10), background);
    EXPECT_EQ(At(middle + 1, gap.top + 10), background);
}

TEST_F(FlatToolButtonsTest, HotCheckedAndIndeterminateButtonsAreFilledAndFramed) {
    TToolButton* button = Button();
    const win::RECT b = button->BoundsRect();
    const TColor hot = LightenColor(kHighlight, 68);
    const TColor light = LightenColor(kHighlight, 80);
    const TColor mid = LightenColor(kHighlight, 50);
    const int x = b.left + 10;
    const int y = b.top + 10;

    Paint(button, cdsHot);
    EXPECT_EQ(At(x, y), hot);
    EXPECT_EQ(At(b.left, y), kHighlight);  // the frame from (left, top + 1) to (right - 1, bottom - 1)
    EXPECT_EQ(At(b.right - 1, y), kHighlight);
    EXPECT_EQ(At(x, b.top + 1), kHighlight);
    EXPECT_EQ(At(x, b.bottom - 1), kHighlight);
    EXPECT_EQ(At(x, b.top), LightenColor(kFace, 16));  // the top row keeps the background

    Paint(button, cdsHot | cdsChecked);
    EXPECT_EQ(At(x, y), mid);
    button->SetDown(true);
    Paint(button, cdsHot);
    EXPECT_EQ(At(x, y), mid);
    button->SetDown(false);
    Paint(button, cdsChecked);
    EXPECT_EQ(At(x, y), light);
    EXPECT_EQ(At(b.left, y), kHighlight);
    Paint(button, cdsIndeterminate);
    EXPECT_EQ(At(x, y), hot);
    EXPECT_EQ(At(b.left, y), hot);  // filled, not framed
    Paint(button, 0);
    EXPECT_EQ(ColoursIn(b), std::set<TColor>{LightenColor(kFace, 16)});

    // Own colours on a true-colour display: the hot fill is the select colour lightened, not the working one.
    look->SetUseSystemColors(false);
    look->SetSelectColor(Rgb(200, 0, 0));
    Paint(button, cdsHot);
    EXPECT_EQ(At(x, y), LightenColor(Rgb(200, 0, 0), 68));
}

TEST_F(FlatToolButtonsTest, ATransparentToolBarKeepsItsBackgroundAndShowsOnlySelections) {
    TToolButton* button = Button();
    bar->SetTransparent(true);
    const win::RECT b = button->BoundsRect();
    Paint(button, 0);
    EXPECT_EQ(ColoursIn(b), std::set<TColor>{kUnderneath});
    Paint(button, cdsHot);
    EXPECT_EQ(At(b.left + 10, b.top + 10), LightenColor(kHighlight, 68));
    EXPECT_EQ(At(b.left + 10, b.top), kUnderneath);
}

TEST_F(FlatToolButtonsTest, ImagesAreCentredDimmedRaisedOrLeftOutWhenTheIndexIsOutOfRange) {
    TToolButton* button = Button(tbsButton, 0);
    const win::RECT b = button->BoundsRect();
    // Centred: left = (40 - 16) / 2 = 12, top + 2 + 1: the red square from (left + 16, top + 7).
    const int x = b.left + 16;
    const int y = b.top + 7;
    Paint(button, 0);
    EXPECT_EQ(At(x, y), LightenColor(kRed, 30));
    EXPECT_EQ(At(x - 1, y), LightenColor(kFace, 16));
    Paint(button, cdsHot);
    EXPECT_EQ(At(x - 1, y - 1), kRed);                                           // raised by one
    EXPECT_EQ(At(x + 8, y + 8), DarkenColor(LightenColor(kHighlight, 68), 50));  // its shadow

    TToolButton* beyond = Button(tbsButton, 5);
    Paint(beyond, 0);
    EXPECT_EQ(ColoursIn(beyond->BoundsRect()), std::set<TColor>{LightenColor(kFace, 16)});
}

TEST_F(FlatToolButtonsTest, ADisabledCaptionIsDrawnInTheDisabledColour) {
    bar->SetShowCaptions(true);
    TToolButton* button = Button();
    button->SetCaption("Exit");
    const win::RECT b = button->BoundsRect();
    Paint(button, 0);
    const std::set<TColor> enabled = ColoursIn(b);
    EXPECT_TRUE(enabled.count(kBlack));
    button->SetEnabled(false);
    Paint(button, cdsDisabled);
    const std::set<TColor> disabled = ColoursIn(b);
    EXPECT_TRUE(disabled.count(LightenColor(kShadow, 10)));
    EXPECT_FALSE(disabled.count(kBlack));
}

TEST_F(FlatToolButtonsTest, ADropDownButtonHasTwoFramesAndAnArrow) {
    TToolButton* button = Button(tbsDropDown);
    const win::RECT b = button->BoundsRect();
    Paint(button, cdsHot);
    const int divider = b.right - 1 - 14;
    const int y = b.top + 10;
    EXPECT_EQ(At(b.left, y), kHighlight);
    EXPECT_EQ(At(divider, y), kHighlight);
    EXPECT_EQ(At(b.right - 1, y), kHighlight);
    EXPECT_EQ(At(divider - 1, y), LightenColor(kHighlight, 68));
    EXPECT_EQ(At(divider + 1, y), LightenColor(kHighlight, 68));
    // The arrow: five, three and one pixels from (right - 10, top + (height - 3) / 2 + 1).
    const int ax = b.right - 10;
    const int ay = b.top + (b.bottom - b.top - 3) / 2 + 1;
    for (int i = 0; i < 5; ++i) EXPECT_EQ(At(ax + i, ay), kBlack);
    EXPECT_EQ(At(ax + 5, ay), LightenColor(kHighlight, 68));
    EXPECT_EQ(At(ax + 2, ay + 2), kBlack);
    EXPECT_EQ(At(ax + 1, ay + 2), LightenColor(kHighlight, 68));
}

TEST_F(FlatToolButtonsTest, APressedButtonWithAMenuLooksLikeASelectedBarItemInTheFlatStyle) {
    auto* menu = new TPopupMenu(form);
    TToolButton* button = Button(tbsDropDown);
    button->SetDropdownMenu(menu);
    bar->SetColor(kFace);
    const win::RECT b = button->BoundsRect();
    Paint(button, cdsSelected);
    // From one pixel below the top: the outline ends three pixels before the right edge, a two-pixel shadow right
    // of it below its top two rows, which keep the tool bar's colour.
    EXPECT_EQ(At(b.left, b.top + 10), kHighlight);
    EXPECT_EQ(At(b.right - 3, b.top + 10), kHighlight);
    EXPECT_EQ(At(b.right - 2, b.top + 10), DarkenColor(kFace, 70));
    EXPECT_EQ(At(b.right - 1, b.bottom - 1), DarkenColor(kFace, 70));
    EXPECT_EQ(At(b.right - 1, b.top + 1), kFace);
    EXPECT_EQ(At(b.right - 2, b.top + 2), kFace);
    EXPECT_EQ(At(b.left + 10, b.top + 10), LightenColor(kHighlight, 68));
}

TEST_F(FlatToolButtonsTest, NoDrawingObjectIsLeftBehind) {
    bar->SetShowCaptions(true);
    TToolButton* separator = Button(tbsSeparator);
    separator->SetTag(1);
    TToolButton* button = Button(tbsDropDown, 0);
    button->SetCaption("Open");
    auto paintAll = [&](int i) {
        button->SetEnabled(i % 4 != 3);
        Paint(button, i % 2 ? cdsHot : cdsChecked);
    };
    paintAll(0);
    const gdi::LiveObjects before = gdi::CountLiveObjects();
    for (int i = 0; i < 100; ++i) paintAll(i);
    button->SetEnabled(true);
    EXPECT_EQ(gdi::CountLiveObjects(), before);
}

}  // namespace
