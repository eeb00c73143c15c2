// Where forms and controls are: bounds that follow their windows, and the menu bar's share of a form.
#include <vector>

#include "ControlsFixture.h"
#include "platform/framework/controls/Panel.h"
#include "platform/framework/menus/MainMenu.h"
#include "platform/framework/menus/MenuItem.h"
#include "platform/gdi/SysColors.h"
#include "platform/testing/MessagePump.h"
#include "platform/testing/Screen.h"
#include "platform/user/SystemMetrics.h"
#include "platform/user/Window.h"

using namespace framework;

namespace {

struct Resizes {
    std::vector<int> widths;
    TForm* form = nullptr;
    void Resized(TObject*) { widths.push_back(form->ClientWidth()); }
};

TPanel* PlaceRedPanel(TWinControl* parent, int x, int y, int width, int height) {
    auto* panel = new TPanel(parent);
    panel->SetParent(parent);
    panel->SetBevelOuter(bvNone);
    panel->SetColor(clRed);
    panel->SetBounds(x, y, width, height);
    return panel;
}

win::COLORREF Pixel(win::POINT at) { return testdriver::ScreenPixel(at.x, at.y); }

}  // namespace

TEST_F(ControlsTest, AFormResizedThroughItsWindowTakesTheNewBoundsAndRaisesOnResize) {
    TForm* form = ShowForm();
    auto* panel = PlaceRedPanel(form, 0, 0, 20, 20);
    Resizes resizes;
    resizes.form = form;
    form->OnResize = TNotifyEvent::Bind<&Resizes::Resized>(&resizes);
    const int frameWidth = form->Width() - form->ClientWidth();

    win::MoveWindow(form->Handle(), 50, 60, 500, 350, win::TRUE);
    testdriver::PumpUntilIdle();
    EXPECT_EQ(form->Left(), 50);
    EXPECT_EQ(form->Top(), 60);
    EXPECT_EQ(form->Width(), 500);
    EXPECT_EQ(form->Height(), 350);
    EXPECT_EQ(resizes.widths, (std::vector<int>{500 - frameWidth})) << "OnResize sees the new client size";
    EXPECT_EQ(Pixel(panel->ClientOrigin()), gdi::ResolveColor(clRed)) << "the controls moved with the form";
    EXPECT_EQ(panel->ClientOrigin().x, form->ClientOrigin().x);

    form->SetClientSize(300, 200);
    testdriver::PumpUntilIdle();
    EXPECT_EQ(form->ClientWidth(), 300);
    EXPECT_EQ(form->ClientHeight(), 200);
    EXPECT_EQ(form->Width(), 300 + frameWidth);
    EXPECT_EQ(resizes.widths.back(), 300);
}

TEST_F(ControlsTest, AMenuBarTakesItsRowsFromTheTopOfTheClientArea) {
    TForm* plain = ShowForm();
    TForm* form = ShowForm();
    auto* menu = new TMainMenu(form);
    auto* file = new TMenuItem(menu);
    file->SetCaption("文件");
    menu->Items()->Add(file);
    form->SetMenu(menu);
    auto* panel = PlaceRedPanel(form, 0, 0, 40, 40);
    testdriver::PumpUntilIdle();

    const int bar = win::GetSystemMetrics(win::SM_CYMENU);
    EXPECT_EQ(plain->ClientHeight() - form->ClientHeight(), bar);
    const win::POINT origin = form->ClientOrigin();
    EXPECT_EQ(origin.y - plain->ClientOrigin().y, bar);
    EXPECT_EQ(Pixel(origin), gdi::ResolveColor(clRed)) << "a control at (0, 0) starts right under the bar";
    EXPECT_EQ(Pixel(win::POINT{origin.x + 20, origin.y - 1}), win::GetSysColor(win::COLOR_MENU));
    EXPECT_EQ(Pixel(panel->ClientOrigin()), gdi::ResolveColor(clRed));

    form->SetMenu(nullptr);
    testdriver::PumpUntilIdle();
    EXPECT_EQ(form->ClientHeight(), plain->ClientHeight()) << "the rows come back when the menu goes";
    EXPECT_EQ(Pixel(form->ClientOrigin()), gdi::ResolveColor(clRed));
}
