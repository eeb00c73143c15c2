// Menu items painted by the flat look, read back pixel by pixel under fixed system colours: measuring, the popup
// item's margin, icon column and text area, selection, disabled items, glyphs, separators, check and radio marks,
// the bar item's selected and hot looks, default items, the frame request posted to the application window, and
// no drawing object left behind.
#include <set>
#include <string>

#include "ComponentsFixture.h"
#include "TestColors.h"
#include "platform/framework/graphics/Bitmap.h"
#include "platform/framework/graphics/Canvas.h"
#include "platform/framework/menus/MainMenu.h"
#include "platform/framework/menus/MenuItem.h"
#include "platform/framework/menus/PopupMenu.h"
#include "platform/gdi/LiveObjects.h"
#include "platform/gdi/SysColors.h"
#include "platform/testing/Settings.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Messages.h"
#include "platform/user/Paint.h"
#include "trackmill/components/ColorRoutines.h"
#include "trackmill/components/FlatLook.h"
#include "trackmill/components/GlyphRoutines.h"
#include "trackmill/components/PopupMenuFrame.h"

using namespace framework;
using components::DarkenColor;
using components::LightenColor;
using components::TFlatLook;

namespace {

constexpr TColor kFace = Rgb(212, 208, 200);
constexpr TColor kHighlight = Rgb(10, 36, 106);
constexpr TColor kShadow = Rgb(128, 128, 128);
constexpr TColor kRed = Rgb(255, 0, 0);

// A popup item's rectangle in the target: 200 by 23 at (10, 5). Its bitmap lands four pixels further left.
constexpr win::RECT kPopupRect{10, 5, 210, 28};

class FlatMenuItemsTest : public ComponentsTest {
  protected:
    void SetUp() override {
        ComponentsTest::SetUp();
        testdriver::SetSystemColor(15, kFace);
        testdriver::SetSystemColor(13, kHighlight);
        testdriver::SetSystemColor(16, kShadow);
        testdriver::SetSystemColor(7, kBlack);
        form = ShowForm();
        popup = new TPopupMenu(form);
        look = new TFlatLook(form);
        TFont font;
        font.SetName("Tahoma");
        font.SetHeight(-11);
        font.SetColor(clMenuText);
        look->SetFont(font);
        target.SetSize(240, 40);
    }

    TMenuItem* Item(TMenuItem* parent, const std::string& caption) {
        auto* item = new TMenuItem(form);
        item->SetCaption(caption);
        parent->Add(item);
        return item;
    }
    TMenuItem* PopupItem(const std::string& caption) { return Item(popup->Items(), caption); }

    // The item's own 16 x 16 glyph: white (its transparent colour) with a red square from (4, 4) to (11, 11).
    static void GiveGlyph(TMenuItem* item) {
        TBitmap& glyph = item->Bitmap();
        glyph.SetSize(16, 16);
        glyph.Canvas().Brush().SetColor(kRed);
        glyph.Canvas().FillRect(win::RECT{4, 4, 12, 12});
    }

    void Activate() { look->SetActive(true); }
    void Draw(TMenuItem* item, bool selected, const win::RECT& rect = kPopupRect) {
        look->DrawMenuItem(item, target.Canvas(), selected, rect);
    }
    TColor At(int x, int y) { return target.Canvas().Pixel(x, y); }

    // The frame requests waiting for the application window, taken from its queue.
    std::vector<win::MSG> TakeFrameRequests() {
        std::vector<win::MSG> requests;
        win::MSG msg;
        while (win::PeekMessage(&msg, app->Handle(), components::kFrameRequestItem, components::kFrameRequestWindow,
                                win::PM_REMOVE))
            requests.push_back(msg);
        return requests;
    }

    TForm* form = nullptr;
    TPopupMenu* popup = nullptr;
    TFlatLook* look = nullptr;
    TBitmap target;
};

TEST_F(FlatMenuItemsTest, MeasuringFollowsTheTextTheGlyphAndTheKindOfItem) {
    TMenuItem* open = PopupItem("Open");
    TMenuItem* amp = PopupItem("A&B");
    TMenuItem* separator = PopupItem("-");
    TMenuItem* parent = PopupItem("Open");
    Item(parent, "Inner");
    TMenuItem* wide = PopupItem("Open");
    wide->Bitmap().SetSize(32, 20);
    TMenuItem* shortcut = PopupItem("Open");
    shortcut->SetShortCut(ShortCut('O', ssCtrl));
    TCanvas& canvas = target.Canvas();
    auto measure = [&](TMenuItem* item, int width = 0, int height = 0) {
        look->MenuMeasureItem(item, &canvas, width, height);
        return win::SIZE{width, height};
    };

    // Inactive, nothing is measured.
    EXPECT_EQ(measure(open).cx, 0);
    Activate();
    canvas.Font().Assign(look->Font());
    ASSERT_EQ(canvas.TextHeight("Open"), 14);
    EXPECT_EQ(measure(open).cy, 24);  // 14 + round(10.5), the half going to the even 10
    look->Font().SetHeight(-10);
    canvas.Font().Assign(look->Font());
    ASSERT_EQ(canvas.TextHeight("Open"), 13);
    const int openWidth = canvas.TextWidth("Open") + 5 + 24;  // a popup item's glyph is at least IconWidth wide
    EXPECT_EQ(measure(open).cx, openWidth);
    EXPECT_EQ(measure(open).cy, 23);  // 13 + round(9.75)
    EXPECT_EQ(measure(amp).cx, canvas.TextWidth("A&B") + 5 - canvas.TextWidth("&") + 24);
    EXPECT_EQ(measure(separator).cy, 4);
    EXPECT_EQ(measure(separator, 0, 40).cy, 4);
    EXPECT_EQ(measure(separator).cx, 5 + 24);
    EXPECT_EQ(measure(parent).cx, openWidth + 6);
    EXPECT_EQ(measure(wide).cx, openWidth - 24 + 32);
    EXPECT_EQ(measure(wide).cy, 26);  // the glyph's height + 6 beats the text's 23
    EXPECT_EQ(measure(shortcut).cx, canvas.TextWidth("OpenCtrl+OWWW") + 5 + 24);
    // A larger incoming measure stays.
    EXPECT_EQ(measure(open, 500, 40).cx, 500);
    EXPECT_EQ(measure(open, 500, 40).cy, 40);

    // A bar item has no icon column.
    auto* bar = new TMainMenu(form);
    TMenuItem* file = Item(bar->Items(), "Open");
    EXPECT_EQ(look->GetGlyphSize(file, bar).cx, 0);
    EXPECT_EQ(look->GetGlyphSize(open, nullptr).cx, 24);
    EXPECT_EQ(look->GetGlyphSize(wide, nullptr).cx, 32);
}

TEST_F(FlatMenuItemsTest, APopupItemHasAMarginAnIconColumnAndATextArea) {
    TMenuItem* item = PopupItem("Open");
    Activate();
    Draw(item, false);
    const TColor background = LightenColor(kFace, 86);
    const TColor icons = LightenColor(kFace, 16);
    EXPECT_EQ(At(6, 15), background);  // the four pixels left of the rectangle
    EXPECT_EQ(At(9, 15), background);
    EXPECT_EQ(At(10, 15), icons);
    EXPECT_EQ(At(33, 6), icons);
    EXPECT_EQ(At(34, 6), background);
    EXPECT_EQ(At(209, 27), background);
    EXPECT_EQ(At(5, 15), kWhite);  // nothing outside
    EXPECT_EQ(At(210, 15), kWhite);
    // The caption is drawn in the text area, right of the icon column.
    std::set<TColor> textColours;
    for (int x = 34; x < 120; ++x)
        for (int y = 5; y < 28; ++y) textColours.insert(At(x, y));
    EXPECT_GT(textColours.size(), 1u);
    EXPECT_TRUE(textColours.count(Rgb(0, 0, 0)));
}

TEST_F(FlatMenuItemsTest, TheSelectedItemIsFramedAndFilledAndADisabledOneIsNot) {
    TMenuItem* item = PopupItem("Open");
    Activate();
    const TColor background = LightenColor(kFace, 86);
    const TColor fill = LightenColor(kHighlight, 68);
    Draw(item, true);
    EXPECT_EQ(At(150, 5), background);  // the row above the frame
    EXPECT_EQ(At(150, 6), kHighlight);  // the frame, one pixel inside
    EXPECT_EQ(At(150, 8), fill);
    EXPECT_EQ(At(150, 26), fill);
    EXPECT_EQ(At(150, 27), kHighlight);
    EXPECT_EQ(At(10, 15), kHighlight);  // over the icon column
    EXPECT_EQ(At(209, 15), kHighlight);

    // A flat menu's frame leaves the rightmost column.
    look->SetFlatMenu(true);
    Draw(item, true);
    EXPECT_EQ(At(208, 15), kHighlight);
    EXPECT_EQ(At(209, 15), background);
    TakeFrameRequests();

    item->SetEnabled(false);
    Draw(item, true);
    EXPECT_EQ(At(150, 8), background);
    EXPECT_EQ(At(150, 6), background);
    EXPECT_EQ(At(10, 15), LightenColor(kFace, 16));
}

TEST_F(FlatMenuItemsTest, GlyphsAreDimmedWhenIdleRaisedWhenSelectedAndGreyWhenDisabled) {
    TMenuItem* item = PopupItem("Open");
    GiveGlyph(item);
    Activate();
    // A 16-pixel glyph sits (24 - 16) / 2 - 1 = 3 right of the icon column and 3 down: its square from (17, 12).
    Draw(item, false);
    EXPECT_EQ(At(17, 12), LightenColor(kRed, 30));
    EXPECT_EQ(At(24, 19), LightenColor(kRed, 30));
    EXPECT_EQ(At(16, 12), LightenColor(kFace, 16));  // the white of the glyph is transparent

    // Selected: raised by one pixel left and up, undimmed, over its shadow.
    Draw(item, true);
    EXPECT_EQ(At(16, 11), kRed);
    EXPECT_EQ(At(23, 18), kRed);
    EXPECT_EQ(At(25, 20), DarkenColor(LightenColor(kHighlight, 68), 50));
    EXPECT_EQ(At(24, 20), DarkenColor(LightenColor(kHighlight, 68), 50));

    // Disabled and selected: counted hot, so not raised, but greyed and lightened.
    item->SetEnabled(false);
    Draw(item, true);
    EXPECT_EQ(At(17, 12), LightenColor(components::GrayColor(kRed, 10), 40));
    EXPECT_EQ(At(17, 12), Rgb(159, 159, 159));
    EXPECT_EQ(At(150, 8), LightenColor(kFace, 86));
}

TEST_F(FlatMenuItemsTest, ASeparatorIsOneLineStartingSevenPixelsIntoTheTextArea) {
    TMenuItem* separator = PopupItem("-");
    Activate();
    Draw(separator, false);
    // The text area starts at the end of the icon column (x 34); the line lies at the middle of 24 rows.
    const TColor line = LightenColor(kShadow, 25);
    EXPECT_EQ(At(41, 17), line);
    EXPECT_EQ(At(209, 17), line);
    EXPECT_EQ(At(40, 17), LightenColor(kFace, 86));
    EXPECT_EQ(At(100, 16), LightenColor(kFace, 86));
    EXPECT_EQ(At(100, 18), LightenColor(kFace, 86));
}

TEST_F(FlatMenuItemsTest, CheckAndRadioMarksWithAndWithoutGlyph) {
    TMenuItem* check = PopupItem("Check");
    check->SetChecked(true);
    TMenuItem* radio = PopupItem("Radio");
    radio->SetRadioItem(true);
    radio->SetChecked(true);
    TMenuItem* glyphCheck = PopupItem("Glyph");
    GiveGlyph(glyphCheck);
    glyphCheck->SetChecked(true);
    TMenuItem* unchecked = PopupItem("Plain");
    Activate();
    const TColor light = LightenColor(kHighlight, 80);
    const TColor mid = LightenColor(kHighlight, 50);

    // Without a glyph a 10 x 10 box centred in the icon column, (17, 12) to (27, 22), and a black tick.
    Draw(check, false);
    EXPECT_EQ(At(17, 13), kHighlight);
    EXPECT_EQ(At(26, 12), kHighlight);
    EXPECT_EQ(At(25, 20), light);
    EXPECT_EQ(At(18, 17), kBlack);
    EXPECT_EQ(At(21, 19), kBlack);
    EXPECT_EQ(At(16, 13), LightenColor(kFace, 16));
    Draw(check, true);
    EXPECT_EQ(At(25, 20), mid);
    check->SetEnabled(false);
    Draw(check, false);
    EXPECT_EQ(At(17, 13), LightenColor(kShadow, 10));
    EXPECT_EQ(At(18, 17), LightenColor(kShadow, 10));

    // A radio item: a ring and a dot in the pen's colour.
    Draw(radio, false);
    EXPECT_EQ(At(22, 17), kHighlight);
    EXPECT_EQ(At(17, 12), LightenColor(kFace, 16));  // the ring's corner is outside it

    // With a glyph the box frames the icon column, (11, 7) to (31, 27), behind the undimmed glyph.
    Draw(glyphCheck, false);
    EXPECT_EQ(At(11, 10), kHighlight);
    EXPECT_EQ(At(29, 25), light);
    EXPECT_EQ(At(17, 12), kRed);

    Draw(unchecked, false);
    EXPECT_EQ(At(22, 17), LightenColor(kFace, 16));
}

TEST_F(FlatMenuItemsTest, TheSelectedBarItemHasAShadowAndAnItemUnderTheMouseIsHot) {
    auto* bar = new TMainMenu(form);
    TMenuItem* file = Item(bar->Items(), "File");
    Item(file, "Open");
    Activate();
    const win::RECT rect{0, 0, 60, 20};
    const TColor base = kFace;
    Draw(file, true, rect);
    // Four strips, each narrower and starting lower, darker to the left.
    EXPECT_EQ(At(59, 19), DarkenColor(base, 10));
    EXPECT_EQ(At(57, 19), DarkenColor(base, 30));
    EXPECT_EQ(At(56, 19), DarkenColor(base, 60));
    EXPECT_EQ(At(54, 19), DarkenColor(base, 100));
    EXPECT_EQ(At(53, 19), DarkenColor(base, 100));
    EXPECT_EQ(At(52, 19), kHighlight);  // the outline's right edge
    EXPECT_EQ(At(0, 10), kHighlight);
    EXPECT_EQ(At(30, 0), kHighlight);
    EXPECT_EQ(At(45, 17), LightenColor(kHighlight, 68));
    EXPECT_EQ(At(59, 1), base);  // the rounded corner

    // Under the mouse, unselected: filled up to seven pixels before the right edge.
    testdriver::SetCursor(win::POINT{form->Left() + 20, form->Top() + 10});
    Draw(file, false, rect);
    EXPECT_EQ(At(45, 17), LightenColor(kHighlight, 68));
    EXPECT_EQ(At(52, 10), kHighlight);
    EXPECT_EQ(At(53, 10), kFace);
    testdriver::SetCursor(win::POINT{form->Left() + 200, form->Top() + 10});
    Draw(file, false, rect);
    EXPECT_EQ(At(45, 17), kFace);
    EXPECT_EQ(At(0, 10), kFace);
}

TEST_F(FlatMenuItemsTest, ADefaultItemIsShadedFromTheBackgroundUnderIt) {
    TMenuItem* plain = PopupItem("Extract");
    TMenuItem* isDefault = PopupItem("Extract");
    isDefault->SetDefault(true);
    Activate();
    auto coloursOf = [this](TMenuItem* item) {
        Draw(item, false);
        std::set<TColor> colours;
        for (int x = 34; x < 120; ++x)
            for (int y = 5; y < 28; ++y) colours.insert(At(x, y));
        return colours;
    };
    const TColor background = LightenColor(kFace, 86);
    const std::set<TColor> plainColours = coloursOf(plain);
    const std::set<TColor> defaultColours = coloursOf(isDefault);
    for (const int amount : {30, 60}) {
        EXPECT_FALSE(plainColours.count(DarkenColor(background, amount))) << amount;
        EXPECT_TRUE(defaultColours.count(DarkenColor(background, amount))) << amount;
    }
}

TEST_F(FlatMenuItemsTest, OnTwoHundredFiftySixColoursThePopupIsWhiteAndGlyphsAreNotDimmed) {
    TMenuItem* item = PopupItem("Open");
    GiveGlyph(item);
    auto* bar = new TMainMenu(form);
    TMenuItem* file = Item(bar->Items(), "File");
    Activate();
    testdriver::SetBitsPerPixel(8);
    look->SetGradient(true);    // no gradient without true colour
    look->SetColor(clBtnFace);  // stale: the next item recomputes on its own bitmap
    Draw(item, false);
    EXPECT_FALSE(look->HighColor);
    EXPECT_EQ(At(150, 8), kWhite);
    EXPECT_EQ(At(12, 6), kFace);
    EXPECT_EQ(At(17, 12), kRed);
    Draw(item, true);
    EXPECT_EQ(At(150, 8), kWhite);
    EXPECT_EQ(At(150, 6), kHighlight);

    // The selected bar item has the plain flat look: a two-pixel shadow, its top two pixels in the bar's colour.
    Draw(file, true, win::RECT{0, 0, 60, 20});
    EXPECT_EQ(At(57, 10), kHighlight);
    EXPECT_EQ(At(58, 10), DarkenColor(kFace, 70));
    EXPECT_EQ(At(59, 19), DarkenColor(kFace, 70));
    EXPECT_EQ(At(59, 1), kFace);
    EXPECT_EQ(At(56, 10), kWhite);
}

TEST_F(FlatMenuItemsTest, AGradientRisesFastBesideTheIconColumnAndStopsAt96) {
    TMenuItem* item = PopupItem("Open");
    look->SetGradient(true);
    Activate();
    Draw(item, false);
    const TColor icons = LightenColor(kFace, 16);
    EXPECT_EQ(At(10, 6), LightenColor(icons, 1));
    EXPECT_EQ(At(11, 6), LightenColor(icons, 4));
    EXPECT_EQ(At(38, 6), LightenColor(icons, 85));
    EXPECT_EQ(At(39, 6), LightenColor(icons, 86));
    EXPECT_EQ(At(49, 6), LightenColor(icons, 96));
    EXPECT_EQ(At(200, 6), LightenColor(icons, 96));
}

TEST_F(FlatMenuItemsTest, RightToLeftTheIconColumnAndTheSeparatorAreMirrored) {
    popup->SetBiDiMode(bdRightToLeft);
    TMenuItem* item = PopupItem("Open");
    TMenuItem* separator = PopupItem("-");
    Activate();
    const TColor background = LightenColor(kFace, 86);
    const TColor icons = LightenColor(kFace, 16);
    Draw(item, false);
    EXPECT_EQ(At(186, 6), icons);
    EXPECT_EQ(At(209, 6), icons);
    EXPECT_EQ(At(185, 6), background);
    EXPECT_EQ(At(12, 6), background);
    Draw(separator, false);
    const TColor line = LightenColor(kShadow, 25);
    EXPECT_EQ(At(10, 17), line);
    EXPECT_EQ(At(178, 17), line);
    EXPECT_EQ(At(179, 17), background);
    EXPECT_EQ(At(190, 17), icons);
}

TEST_F(FlatMenuItemsTest, PaintingPopupItemsQueuesOneFrameRequestAndBarItemsNone) {
    TMenuItem* open = PopupItem("Open");
    TMenuItem* save = PopupItem("Save");
    auto* bar = new TMainMenu(form);
    TMenuItem* file = Item(bar->Items(), "File");
    Activate();

    // FlatMenu off: no request.
    Draw(open, false);
    EXPECT_TRUE(TakeFrameRequests().empty());

    look->SetFlatMenu(true);
    Draw(open, false);
    Draw(save, true);
    Draw(file, true, win::RECT{0, 0, 60, 20});
    std::vector<win::MSG> requests = TakeFrameRequests();
    ASSERT_EQ(requests.size(), 1u);
    // Off screen there is no window: the item is named by its command id, never by its address.
    EXPECT_EQ(requests[0].message, components::kFrameRequestItem);
    EXPECT_EQ(requests[0].wParam, 0u);
    EXPECT_EQ(requests[0].lParam, static_cast<win::LPARAM>(open->Command()));

    Draw(file, false, win::RECT{0, 0, 60, 20});
    EXPECT_TRUE(TakeFrameRequests().empty());

    // On a window's DC the request names the window, unless it is the form's own.
    const win::HDC own = win::GetDC(form->Handle());
    TCanvas ownCanvas(own);
    look->DrawMenuItem(open, ownCanvas, false, kPopupRect);
    win::ReleaseDC(form->Handle(), own);
    EXPECT_TRUE(TakeFrameRequests().empty());

    TForm* other = ShowForm();
    const win::HDC foreign = win::GetDC(other->Handle());
    TCanvas foreignCanvas(foreign);
    look->DrawMenuItem(open, foreignCanvas, false, kPopupRect);
    look->DrawMenuItem(save, foreignCanvas, false, kPopupRect);
    win::ReleaseDC(other->Handle(), foreign);
    requests = TakeFrameRequests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].message, components::kFrameRequestWindow);
    EXPECT_EQ(requests[0].lParam, reinterpret_cast<win::LPARAM>(other->Handle()));
}

TEST_F(FlatMenuItemsTest, NoDrawingObjectIsLeftBehind) {
    TMenuItem* open = PopupItem("Open");
    GiveGlyph(open);
    open->SetShortCut(ShortCut('O', ssCtrl));
    TMenuItem* check = PopupItem("Check");
    check->SetChecked(true);
    TMenuItem* separator = PopupItem("-");
    auto* bar = new TMainMenu(form);
    TMenuItem* file = Item(bar->Items(), "File");
    file->SetDefault(true);
    Activate();
    look->SetFlatMenu(true);
    look->SetGradient(true);
    auto paintAll = [&](int i) {
        Draw(open, i % 2 == 0);
        Draw(check, i % 3 == 0);
        Draw(separator, false);
        Draw(file, i % 2 == 1, win::RECT{0, 0, 60, 20});
        int width = 0;
        int height = 0;
        look->MenuMeasureItem(open, &target.Canvas(), width, height);
        TakeFrameRequests();
    };
    // The first round gives the target's canvas the look's font, which it keeps.
    paintAll(0);
    const gdi::LiveObjects before = gdi::CountLiveObjects();
    for (int i = 0; i < 100; ++i) paintAll(i);
    EXPECT_EQ(gdi::CountLiveObjects(), before);
}

}  // namespace
