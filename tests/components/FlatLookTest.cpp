// The flat look component itself: its properties after construction, the owner it accepts, the operating-system
// flags, the working colours in all their tables (true colour and 256 colours, system or own colours), which
// setters make the working colours stale, and the two sets read by member name.
#include <memory>

#include "ComponentsFixture.h"
#include "TestColors.h"
#include "platform/framework/EConvertError.h"
#include "platform/framework/forms/Screen.h"
#include "platform/framework/graphics/Canvas.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/SysColors.h"
#include "platform/testing/Settings.h"
#include "trackmill/components/ColorRoutines.h"
#include "trackmill/components/FlatLook.h"
#include "trackmill/components/FlatLookManager.h"

using namespace framework;
using components::DarkenColor;
using components::LightenColor;
using components::TFlatLook;

namespace {

constexpr TColor kFace = Rgb(212, 208, 200);
constexpr TColor kHighlight = Rgb(10, 36, 106);
constexpr TColor kShadow = Rgb(128, 120, 112);
constexpr TColor kMenuText = Rgb(1, 2, 3);

// The same colour, whether named as a system colour or given as RGB.
::testing::AssertionResult SameColour(TColor actual, TColor expected) {
    if (gdi::ResolveColor(actual) == gdi::ResolveColor(expected)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << std::hex << "0x" << gdi::ResolveColor(actual) << " is not 0x"
                                         << gdi::ResolveColor(expected);
}

class FlatLookTest : public ComponentsTest {
  protected:
    void SetUp() override {
        ComponentsTest::SetUp();
        testdriver::SetSystemColor(15, kFace);
        testdriver::SetSystemColor(13, kHighlight);
        testdriver::SetSystemColor(16, kShadow);
        testdriver::SetSystemColor(7, kMenuText);
        form = ShowForm();
    }

    // Working colours computed on a display of this many bits per pixel.
    void Update(TFlatLook& look, int bitsPerPixel) {
        testdriver::SetBitsPerPixel(bitsPerPixel);
        const win::HDC memory = win::CreateCompatibleDC(nullptr);
        TCanvas canvas(memory);
        look.UpdateWorkingColors(canvas);
        win::DeleteDC(memory);
    }

    // Own colours that differ from every system colour.
    static void GiveOwnColours(TFlatLook& look) {
        look.SetColor(Rgb(1, 1, 1));
        look.SetIconBackColor(Rgb(2, 2, 2));
        look.SetMenuBarColor(Rgb(3, 3, 3));
        look.SetSelectColor(Rgb(100, 0, 0));
        look.SetSelectBorderColor(Rgb(5, 5, 5));
        look.SetSelectFontColor(Rgb(6, 6, 6));
        look.SetDisabledColor(Rgb(7, 7, 7));
        look.SetSeparatorColor(Rgb(8, 8, 8));
        look.SetCheckedColor(Rgb(9, 9, 9));
        look.Font().SetColor(Rgb(10, 10, 10));
    }

    TForm* form = nullptr;
};

TEST_F(FlatLookTest, ConstructionGivesThePublishedDefaults) {
    auto* look = new TFlatLook(form);
    EXPECT_EQ(look->Form(), form);
    EXPECT_EQ(look->DimLevel, 30);
    EXPECT_EQ(look->GrayLevel, 10);
    EXPECT_EQ(look->Font().Name(), Screen->MenuFont().Name());
    EXPECT_EQ(look->Font().Height(), Screen->MenuFont().Height());
    EXPECT_EQ(look->Color(), clBtnFace);
    EXPECT_FALSE(look->DrawMenuBar());
    EXPECT_EQ(look->IconBackColor(), clBtnFace);
    EXPECT_EQ(look->MenuBarColor(), clBtnFace);
    EXPECT_EQ(look->SelectColor(), clHighlight);
    EXPECT_EQ(look->SelectBorderColor(), clHighlight);
    EXPECT_EQ(look->SelectFontColor(), Screen->MenuFont().Color());
    EXPECT_EQ(look->DisabledColor(), clInactiveCaption);
    EXPECT_EQ(look->SeparatorColor(), clBtnFace);
    EXPECT_EQ(look->CheckedColor(), clHighlight);
    EXPECT_EQ(look->IconWidth(), 24);
    EXPECT_TRUE(look->DrawSelect());
    EXPECT_TRUE(look->UseSystemColors());
    EXPECT_FALSE(look->UseDimColor());
    EXPECT_FALSE(look->OverrideOwnerDraw());
    EXPECT_FALSE(look->Gradient());
    EXPECT_FALSE(look->FlatMenu());
    EXPECT_FALSE(look->AutoDetect());
    EXPECT_EQ(look->FlatContainers(), 1023);
    EXPECT_EQ(look->FlatControls(), 0x7FFFFFu);
    EXPECT_FALSE(look->Active());
    EXPECT_FALSE(look->DisableSubclassing());
    EXPECT_EQ(look->KeyColor, 0xFF00FFu);
    EXPECT_FALSE(look->ColorsStale);
    EXPECT_FALSE(look->FrameBusy);
    EXPECT_EQ(look->ParentTintPercent, 16);
    EXPECT_EQ(look->HotTintPercent, 40);
    // The working colours were computed at construction, for the display.
    EXPECT_TRUE(look->HighColor);
    EXPECT_TRUE(SameColour(look->EffColor, LightenColor(kFace, 86)));
    EXPECT_NE(components::FlatLookManager(), nullptr);
}

TEST_F(FlatLookTest, TheOwnerMustBeAFormOrNone) {
    auto* notAForm = new TComponent(form);
    EXPECT_THROW(TFlatLook{notAForm}, EConvertError);
    TFlatLook loose(nullptr);
    EXPECT_EQ(loose.Form(), nullptr);
    // Without a form nothing is walked: activation is only stored.
    loose.SetActive(true);
    EXPECT_TRUE(loose.Active());
}

TEST_F(FlatLookTest, TheSystemIsNtAndOnlyVersion51IsXp) {
    {
        TFlatLook look(form);
        EXPECT_TRUE(look.IsWinNT);
        EXPECT_FALSE(look.IsWinXP);
    }
    testdriver::SetOsVersion(5, 1);
    TFlatLook xp(form);
    EXPECT_TRUE(xp.IsWinNT);
    EXPECT_TRUE(xp.IsWinXP);
}

TEST_F(FlatLookTest, SystemColoursOnTrueColourDisplays) {
    TFlatLook look(form);
    GiveOwnColours(look);
    Update(look, 32);
    EXPECT_FALSE(look.ColorsStale);
    EXPECT_TRUE(look.HighColor);
    EXPECT_TRUE(SameColour(look.EffColor, LightenColor(kFace, 86)));
    EXPECT_TRUE(SameColour(look.EffIconBackColor, LightenColor(kFace, 16)));
    EXPECT_TRUE(SameColour(look.EffSelectColor, LightenColor(kHighlight, 68)));
    EXPECT_TRUE(SameColour(look.EffSelectBorderColor, kHighlight));
    EXPECT_TRUE(SameColour(look.EffMenuBarColor, kFace));
    EXPECT_TRUE(SameColour(look.EffDisabledColor, LightenColor(kShadow, 10)));
    EXPECT_TRUE(SameColour(look.EffSeparatorColor, LightenColor(kShadow, 25)));
    EXPECT_TRUE(SameColour(look.EffCheckedColor, kHighlight));
    EXPECT_TRUE(SameColour(look.EffSelectLightColor, LightenColor(kHighlight, 80)));
    EXPECT_TRUE(SameColour(look.EffSelectMidColor, LightenColor(kHighlight, 50)));
    EXPECT_TRUE(SameColour(look.EffSelectFontColor, Rgb(10, 10, 10)));  // the font's, not SelectFontColor
    EXPECT_TRUE(SameColour(look.EffBorderColor, DarkenColor(kFace, 90)));
    EXPECT_TRUE(SameColour(look.EffShadowColor, DarkenColor(kFace, 76)));
    EXPECT_TRUE(SameColour(look.EffShadowColor, Rgb(136, 134, 124)));
}

TEST_F(FlatLookTest, OwnColoursOnTrueColourDisplaysWithAndWithoutDimming) {
    TFlatLook look(form);
    GiveOwnColours(look);
    look.SetUseSystemColors(false);
    Update(look, 32);
    EXPECT_EQ(look.EffColor, Rgb(1, 1, 1));
    EXPECT_EQ(look.EffIconBackColor, Rgb(2, 2, 2));
    EXPECT_EQ(look.EffMenuBarColor, Rgb(3, 3, 3));
    EXPECT_EQ(look.EffSelectColor, Rgb(100, 0, 0));
    EXPECT_EQ(look.EffSelectLightColor, Rgb(100, 0, 0));
    EXPECT_EQ(look.EffSelectMidColor, Rgb(100, 0, 0));
    EXPECT_EQ(look.EffSelectBorderColor, Rgb(5, 5, 5));
    EXPECT_EQ(look.EffSelectFontColor, Rgb(6, 6, 6));
    EXPECT_EQ(look.EffDisabledColor, Rgb(7, 7, 7));
    EXPECT_EQ(look.EffSeparatorColor, Rgb(8, 8, 8));
    EXPECT_EQ(look.EffCheckedColor, Rgb(9, 9, 9));
    EXPECT_TRUE(SameColour(look.EffBorderColor, DarkenColor(kFace, 90)));

    look.SetUseDimColor(true);
    Update(look, 32);
    EXPECT_EQ(look.EffSelectColor, LightenColor(Rgb(100, 0, 0), 68));
    EXPECT_EQ(look.EffSelectLightColor, LightenColor(Rgb(100, 0, 0), 80));
    EXPECT_EQ(look.EffSelectMidColor, LightenColor(Rgb(100, 0, 0), 50));
    EXPECT_EQ(look.EffSelectMidColor, Rgb(178, 128, 128));
}

TEST_F(FlatLookTest, TwoHundredFiftySixColours) {
    TFlatLook look(form);
    GiveOwnColours(look);
    look.SetUseSystemColors(false);
    look.SetUseDimColor(true);  // no effect without true colour
    Update(look, 8);
    EXPECT_FALSE(look.HighColor);
    EXPECT_EQ(look.EffColor, Rgb(1, 1, 1));
    EXPECT_EQ(look.EffSelectColor, Rgb(100, 0, 0));
    EXPECT_EQ(look.EffSelectLightColor, kWhite);
    EXPECT_EQ(look.EffSelectMidColor, Rgb(192, 192, 192));
    EXPECT_TRUE(SameColour(look.EffBorderColor, kShadow));
    EXPECT_TRUE(SameColour(look.EffShadowColor, kShadow));

    // With system colours the popup background and the selection are white.
    look.SetUseSystemColors(true);
    Update(look, 8);
    EXPECT_TRUE(SameColour(look.EffColor, kWhite));
    EXPECT_TRUE(SameColour(look.EffSelectColor, kWhite));
    EXPECT_TRUE(SameColour(look.EffIconBackColor, kFace));
    EXPECT_TRUE(SameColour(look.EffSelectBorderColor, kHighlight));
    EXPECT_TRUE(SameColour(look.EffMenuBarColor, kFace));
    EXPECT_TRUE(SameColour(look.EffDisabledColor, kShadow));
    EXPECT_TRUE(SameColour(look.EffSeparatorColor, kShadow));
    EXPECT_TRUE(SameColour(look.EffCheckedColor, kHighlight));
    EXPECT_TRUE(SameColour(look.EffSelectLightColor, kWhite));
    EXPECT_TRUE(SameColour(look.EffSelectMidColor, kWhite));
    EXPECT_TRUE(SameColour(look.EffBorderColor, kShadow));
    EXPECT_TRUE(SameColour(look.EffShadowColor, kShadow));
    // Sixteen bits count as true colour.
    Update(look, 16);
    EXPECT_TRUE(look.HighColor);
}

TEST_F(FlatLookTest, EveryColourSetterTheFontAndTheColourSwitchesMakeTheColoursStale) {
    TFlatLook look(form);
    const auto expectStale = [&look, this](const char* what, auto change) {
        Update(look, 32);
        ASSERT_FALSE(look.ColorsStale);
        change();
        EXPECT_TRUE(look.ColorsStale) << what;
    };
    expectStale("Color", [&] { look.SetColor(Rgb(1, 2, 3)); });
    expectStale("IconBackColor", [&] { look.SetIconBackColor(Rgb(1, 2, 3)); });
    expectStale("MenuBarColor", [&] { look.SetMenuBarColor(Rgb(1, 2, 3)); });
    expectStale("SelectColor", [&] { look.SetSelectColor(Rgb(1, 2, 3)); });
    expectStale("SelectBorderColor", [&] { look.SetSelectBorderColor(Rgb(1, 2, 3)); });
    expectStale("SelectFontColor", [&] { look.SetSelectFontColor(Rgb(1, 2, 3)); });
    expectStale("DisabledColor", [&] { look.SetDisabledColor(Rgb(1, 2, 3)); });
    expectStale("SeparatorColor", [&] { look.SetSeparatorColor(Rgb(1, 2, 3)); });
    expectStale("CheckedColor", [&] { look.SetCheckedColor(Rgb(1, 2, 3)); });
    expectStale("UseSystemColors", [&] { look.SetUseSystemColors(false); });
    expectStale("UseDimColor", [&] { look.SetUseDimColor(true); });
    expectStale("Font", [&] {
        TFont font;
        font.SetName("Tahoma");
        font.SetHeight(-11);
        look.SetFont(font);
    });
    expectStale("Font colour", [&] { look.Font().SetColor(Rgb(9, 9, 9)); });
    EXPECT_EQ(look.Font().Name(), "Tahoma");
    EXPECT_EQ(look.Font().Height(), -11);
}

TEST_F(FlatLookTest, TheSetsAreReadByMemberName) {
    using namespace components;
    EXPECT_EQ(FlatContainersNamed({"fccForm", "fccFrame", "fccToolbar", "fccCoolbar", "fccControlbar", "fccPanel",
                                   "fccScrollBox", "fccGroupBox", "fccTabSheet", "fccPageScroller"}),
              1023);
    EXPECT_EQ(
        FlatControlsNamed({"fcMainMenu", "fcPopupMenu", "fcControlbar",  "fcCombo",    "fcListBox",  "fcEdit",
                           "fcMaskEdit", "fcMemo",      "fcRichEdit",    "fcMiscEdit", "fcCheckBox", "fcRadioButton",
                           "fcButton",   "fcBitBtn",    "fcSpeedButton", "fcUpDown",   "fcPanel",    "fcGroupBox",
                           "fcTreeView", "fcListView",  "fcProgressBar", "fcHotKey"}),
        0x7FFFFBu);
    EXPECT_EQ(FlatControlsNamed({"fcHotKey"}), 1u << 22);
    EXPECT_EQ(FlatContainersNamed({}), 0);
    EXPECT_THROW(FlatControlsNamed({"fcMainMenu", "fcMenuBar"}), EConvertError);
    EXPECT_THROW(FlatContainersNamed({"fcForm"}), EConvertError);
}

}  // namespace
