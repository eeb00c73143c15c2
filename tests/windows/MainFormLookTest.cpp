// The main window's flat look as its layout stores it: the component's settings, the menu bar and the list's popup
// menu owner drawn and painted by it; the window with its bar is dumped as a PNG to look at.
#include <string>

#include "WindowsFixture.h"
#include "platform/framework/controls/ListView.h"
#include "platform/framework/controls/ToolBar.h"
#include "platform/framework/menus/MainMenu.h"
#include "platform/framework/menus/MenuItem.h"
#include "platform/framework/menus/PopupMenu.h"
#include "platform/testing/Screen.h"
#include "trackmill/app/windows/MainForm.h"
#include "trackmill/components/FlatLook.h"
#include "trackmill/components/FlatLookManager.h"

using namespace framework;
using components::TFlatLook;

namespace {

class MainFormLookTest : public WindowsTest {};

bool PaintedBy(const TFlatLook* look, const TMenuItem* item) {
    return item->OnDrawItem == TMenuDrawItemEvent::Bind<&TFlatLook::MenuDrawItem>(const_cast<TFlatLook*>(look)) &&
           item->OnMeasureItem ==
               TMenuMeasureItemEvent::Bind<&TFlatLook::MenuMeasureItem>(const_cast<TFlatLook*>(look));
}

// Every item under root, at any depth, is painted by the look.
::testing::AssertionResult AllPaintedBy(const TFlatLook* look, const TMenuItem* root) {
    for (int i = 0; i < root->Count(); ++i) {
        const TMenuItem* item = root->Items(i);
        if (!PaintedBy(look, item)) return ::testing::AssertionFailure() << "\"" << item->Caption() << "\"";
        if (auto inner = AllPaintedBy(look, item); !inner) return inner;
    }
    return ::testing::AssertionSuccess();
}

TEST_F(MainFormLookTest, FlatLook1IsStoredActiveAndPaintsTheBarAndTheListMenu) {
    TMainForm* form = StartMainForm();
    TFlatLook* look = form->FlatLook1;
    ASSERT_NE(look, nullptr);
    EXPECT_EQ(look->Name(), "FlatLook1");
    EXPECT_EQ(look->Owner(), form);
    // Stored after every other component, so that its walk saw them all.
    EXPECT_EQ(form->Components(form->ComponentCount() - 1), look);
    EXPECT_TRUE(look->Active());
    EXPECT_EQ(look->DimLevel, 30);
    EXPECT_EQ(look->GrayLevel, 10);
    EXPECT_EQ(look->Font().Name(), "Tahoma");
    EXPECT_EQ(look->Font().Height(), -11);
    EXPECT_EQ(look->Font().Charset(), 134);
    EXPECT_EQ(look->Font().Color(), clMenuText);
    EXPECT_EQ(look->Color(), clBtnFace);
    EXPECT_EQ(look->IconBackColor(), clBtnFace);
    EXPECT_EQ(look->MenuBarColor(), clBtnFace);
    EXPECT_EQ(look->SeparatorColor(), clBtnFace);
    EXPECT_EQ(look->SelectColor(), clHighlight);
    EXPECT_EQ(look->SelectBorderColor(), clHighlight);
    EXPECT_EQ(look->CheckedColor(), clHighlight);
    EXPECT_EQ(look->SelectFontColor(), clMenuText);
    EXPECT_EQ(look->DisabledColor(), clInactiveCaption);
    EXPECT_EQ(look->IconWidth(), 24);
    EXPECT_TRUE(look->DrawSelect());
    EXPECT_TRUE(look->UseSystemColors());
    EXPECT_TRUE(look->FlatMenu());
    EXPECT_FALSE(look->DrawMenuBar());
    EXPECT_FALSE(look->UseDimColor());
    EXPECT_FALSE(look->OverrideOwnerDraw());
    EXPECT_FALSE(look->Gradient());
    EXPECT_FALSE(look->AutoDetect());
    EXPECT_EQ(look->FlatControls(), 0x7FFFFFu & ~(1u << components::fcToolbar));
    EXPECT_EQ(look->FlatContainers(), components::kAllFlatContainers);
    // Registered with the one manager once the layout was read.
    ASSERT_NE(components::FlatLookManager(), nullptr);
    EXPECT_EQ(components::FlatLookManager()->ActiveMenu(), look);

    EXPECT_TRUE(form->MainMenu1->OwnerDraw());
    EXPECT_TRUE(AllPaintedBy(look, form->MainMenu1->Items()));
    ASSERT_EQ(form->ListView1->PopupMenu(), form->PopupMenu1);
    EXPECT_TRUE(form->PopupMenu1->OwnerDraw());
    EXPECT_TRUE(AllPaintedBy(look, form->PopupMenu1->Items()));
    // The tool bar keeps its own drawing.
    EXPECT_FALSE(form->ToolBar1->OnCustomDrawButton);

    const std::string dumped =
        testdriver::DumpWindowPng(form->Handle(), ::testing::TempDir() + "/main-window-flat-bar.png");
    EXPECT_EQ(dumped, "");
}

}  // namespace
