// The main window's flat look as its layout stores it: the component's settings, the menu bar and the list's popup
// menu owner drawn and painted by it; the window with its bar is dumped as a PNG to look at.
#include <algorithm>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "ModalScript.h"
#include "WindowsFixture.h"
#include "platform/framework/TTimer.h"
#include "platform/framework/controls/ListView.h"
#include "platform/framework/controls/ToolBar.h"
#include "platform/framework/controls/ToolButton.h"
#include "platform/framework/menus/MainMenu.h"
#include "platform/framework/menus/MenuItem.h"
#include "platform/framework/menus/PopupMenu.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Regions.h"
#include "platform/gdi/SysColors.h"
#include "platform/testing/InputInjection.h"
#include "platform/testing/MessagePump.h"
#include "platform/testing/Screen.h"
#include "platform/user/Cursor.h"
#include "platform/user/Input.h"
#include "platform/user/Menu.h"
#include "platform/user/Messages.h"
#include "platform/user/Paint.h"
#include "platform/user/Window.h"
#include "platform/user/WindowStyles.h"
#include "trackmill/app/windows/MainForm.h"
#include "trackmill/app/windows/OptionSetForm.h"
#include "trackmill/components/ColorRoutines.h"
#include "trackmill/components/FlatLook.h"
#include "trackmill/components/FlatLookManager.h"
#include "trackmill/components/PopupMenuFrame.h"

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

// While a menu is open: a picture of the screen, what the popup window under a point looks like, then Escape.
struct OpenMenuShot {
    std::string path;
    win::POINT inside{};
    std::string pictureError = "not taken";
    win::HWND popup = nullptr;
    bool framed = false;
    win::RECT regionBox{};
    win::RECT bounds{};
    framework::TTimer* timer = nullptr;

    void Take(TObject*) {
        timer->SetEnabled(false);
        pictureError = testdriver::DumpScreenPng(path);
        popup = win::WindowFromPoint(inside);
        win::GetWindowRect(popup, &bounds);
        framed = win::GetWindowLong(popup, win::GWL_WNDPROC) ==
                 reinterpret_cast<win::LONG_PTR>(&components::PopupMenuWndProc);
        const win::HRGN region = win::CreateRectRgn(0, 0, 0, 0);
        if (win::GetWindowRgn(popup, region) != win::ERROR) win::GetRgnBox(region, &regionBox);
        win::DeleteObject(region);
        testdriver::PressKey(win::VK_ESCAPE);
        testdriver::PressKey(win::VK_ESCAPE);
    }
};

// Opens a menu with open, photographs it through shot and checks that its popup window had the flat frame, which
// it gives up when the menu closes.
void ExpectFramedWhileOpen(OpenMenuShot& shot, const std::function<void()>& open) {
    framework::TTimer timer(nullptr);
    shot.timer = &timer;
    timer.SetInterval(100);
    timer.SetOnTimer(TNotifyEvent::Bind<&OpenMenuShot::Take>(&shot));
    timer.SetEnabled(true);
    open();
    ASSERT_TRUE(testdriver::PumpUntil([&shot] { return shot.popup != nullptr; }, std::chrono::seconds(5)));
    testdriver::PumpUntilIdle();
    EXPECT_EQ(shot.pictureError, "");
    EXPECT_TRUE(shot.framed);
    EXPECT_GT(shot.bounds.right - shot.bounds.left, 100);
    EXPECT_EQ(shot.regionBox.right, shot.bounds.right - shot.bounds.left);  // the shadow region
    EXPECT_EQ(shot.regionBox.bottom, shot.bounds.bottom - shot.bounds.top);
    if (win::IsWindow(shot.popup)) {
        EXPECT_NE(win::GetWindowLong(shot.popup, win::GWL_WNDPROC),
                  reinterpret_cast<win::LONG_PTR>(&components::PopupMenuWndProc));
    }
}

TEST_F(MainFormLookTest, TheOpenBarMenuAndTheListMenuHaveFlatFrames) {
    TMainForm* form = StartMainForm();
    win::RECT file{};
    ASSERT_TRUE(win::GetMenuItemRect(form->Handle(), form->MainMenu1->Handle(), 0, &file));
    OpenMenuShot barShot;
    barShot.path = std::string(TRACKMILL_BIN_DIR) + "/../windows-main-flat-menu.png";
    barShot.inside = win::POINT{file.left + 30, file.bottom + 12};
    ExpectFramedWhileOpen(barShot, [&file] { testdriver::Click(win::POINT{file.left + 8, file.top + 5}); });

    OpenMenuShot listShot;
    listShot.path = std::string(TRACKMILL_BIN_DIR) + "/../windows-list-flat-menu.png";
    const win::POINT at = form->ListView1->ClientToScreen(win::POINT{150, 150});
    listShot.inside = win::POINT{at.x + 30, at.y + 12};
    ExpectFramedWhileOpen(listShot, [at] { testdriver::RightClick(at); });
}

// While a bar item's menu is open: the pixels of the item's right eight columns, its outline and shadow strip,
// that are neither of the colours these are drawn in (a caption drawn over them leaves others).
struct BarItemShot {
    win::RECT item{};
    const TFlatLook* look = nullptr;
    int strayPixels = -1;
    framework::TTimer* timer = nullptr;

    void Take(TObject*) {
        timer->SetEnabled(false);
        const win::COLORREF base = gdi::ResolveColor(look->EffMenuBarColor);
        std::vector<win::COLORREF> drawn{gdi::ResolveColor(look->EffSelectBorderColor), base};
        for (int amount : {10, 30, 40, 60, 100}) drawn.push_back(components::DarkenColor(base, amount));
        strayPixels = 0;
        for (int y = item.top; y < item.bottom; ++y)
            for (int x = item.right - 8; x < item.right; ++x)
                if (std::find(drawn.begin(), drawn.end(), testdriver::ScreenPixel(x, y)) == drawn.end()) ++strayPixels;
        testdriver::PressKey(win::VK_ESCAPE);
        testdriver::PressKey(win::VK_ESCAPE);
    }
};

TEST_F(MainFormLookTest, EveryOpenBarCaptionEndsInsideItsOutline) {
    TMainForm* form = StartMainForm();
    for (int index = 0; index < form->MainMenu1->Items()->Count(); ++index) {
        SCOPED_TRACE(form->MainMenu1->Items()->Items(index)->Caption());
        BarItemShot shot;
        shot.look = form->FlatLook1;
        ASSERT_TRUE(win::GetMenuItemRect(form->Handle(), form->MainMenu1->Handle(), index, &shot.item));
        framework::TTimer timer(nullptr);
        shot.timer = &timer;
        timer.SetInterval(100);
        timer.SetOnTimer(TNotifyEvent::Bind<&BarItemShot::Take>(&shot));
        timer.SetEnabled(true);
        testdriver::Click(win::POINT{shot.item.left + 8, shot.item.top + 5});
        ASSERT_TRUE(testdriver::PumpUntil([&shot] { return shot.strayPixels >= 0; }, std::chrono::seconds(5)));
        testdriver::PumpUntilIdle();
        EXPECT_EQ(shot.strayPixels, 0);
    }
}

TEST_F(MainFormLookTest, TheTrackListsColumnsAreSizedAtTheirDividers) {
    TMainForm* form = StartMainForm();
    TListView* list = form->ListView1;
    const int y = list->HeaderHeight() / 2;
    const int edge = list->Columns(0)->Width();
    testdriver::MoveMouse(list->ClientToScreen(win::POINT{edge, y}));
    testdriver::PumpUntilIdle();
    EXPECT_EQ(user::ShapeOf(win::GetCursor()), user::PointerShape::SizeWestEast);
    user::InputMouseButton(user::MouseButton::Left, true, list->ClientToScreen(win::POINT{edge, y}));
    testdriver::PumpUntilIdle();
    testdriver::MoveMouse(list->ClientToScreen(win::POINT{edge + 40, y}));
    testdriver::PumpUntilIdle();
    user::InputMouseButton(user::MouseButton::Left, false, list->ClientToScreen(win::POINT{edge + 40, y}));
    testdriver::PumpUntilIdle();
    EXPECT_EQ(list->Columns(0)->Width(), edge + 40);
    EXPECT_EQ(testdriver::DumpWindowPng(form->Handle(), std::string(TRACKMILL_BIN_DIR) + "/../windows-main-sized.png"),
              "");
}

TEST_F(MainFormLookTest, AToolButtonThatOpenedADialogIsNotHotOnceThePointerIsOnTheDialog) {
    TMainForm* form = StartMainForm();
    TToolButton* options = nullptr;
    for (int i = 0; i < form->ToolBar1->ButtonCount(); ++i)
        if (form->ToolBar1->Buttons(i)->Action() == form->ActionOptionSet) options = form->ToolBar1->Buttons(i);
    ASSERT_NE(options, nullptr);
    testdriver::MoveMouse(options->ClientToScreen(win::POINT{options->Width() / 2, options->Height() / 2}));
    testdriver::PumpUntilIdle();
    ASSERT_TRUE(options->Hot());
    ModalScript script;
    bool hotOverDialog = true;
    script.Next<TOptionSetForm>([&](TOptionSetForm& dialog) {
        testdriver::MoveMouse(dialog.ClientToScreen(win::POINT{dialog.ClientWidth() / 2, dialog.ClientHeight() / 2}));
        testdriver::PumpUntilIdle();
        hotOverDialog = options->Hot();
        dialog.Close();
    });
    testdriver::Click(options->ClientToScreen(win::POINT{options->Width() / 2, options->Height() / 2}));
    ASSERT_TRUE(testdriver::PumpUntil([&script] { return script.Waiting() == 0; }, std::chrono::seconds(5)));
    testdriver::PumpUntilIdle();
    EXPECT_FALSE(hotOverDialog);
}

}  // namespace
