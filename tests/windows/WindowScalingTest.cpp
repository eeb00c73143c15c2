// The program's windows at finer display resolutions: each is built at 96 dpi and again at 144 and 192, and every
// control of the second must be where the first puts it, scaled by dpi / 96, with its pixel font and list columns
// scaled too; nothing a window shows may be cut or covered.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "WindowsFixture.h"
#include "platform/framework/MulDiv.h"
#include "platform/framework/controls/CheckBox.h"
#include "platform/framework/controls/Label.h"
#include "platform/framework/controls/ListView.h"
#include "platform/framework/controls/ToolBar.h"
#include "platform/framework/controls/ToolButton.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Text.h"
#include "platform/testing/MessagePump.h"
#include "platform/testing/Screen.h"
#include "platform/testing/Settings.h"
#include "platform/user/ClassicGeometry.h"
#include "platform/user/Paint.h"
#include "platform/user/SystemMetrics.h"
#include "platform/user/WindowStyles.h"
#include "trackmill/app/windows/KelmCompress.h"
#include "trackmill/app/windows/MainForm.h"
#include "trackmill/app/windows/OptionSetForm.h"
#include "trackmill/app/windows/RecordForm.h"

using namespace framework;

namespace {

struct ControlShot {
    std::string what;
    win::RECT bounds;
    int fontHeight;
    bool autoSizedLabel;
    std::vector<int> columns;
};

struct WindowShot {
    int clientWidth;
    int clientHeight;
    // The client below a menu bar of the standard height: a flat bar is as high as its items measure in the
    // system's menu font, which does not grow with the layout.
    int clientBelowStandardBar;
    std::vector<ControlShot> controls;
};

WindowShot Shoot(TCustomForm& form, int dpi) {
    const user::classic::Geometry g = user::classic::GeometryAt(dpi);
    const win::RECT frame = user::classic::NonClientInsets(win::WS_OVERLAPPEDWINDOW, 0, g);
    WindowShot shot{
        form.ClientWidth(), form.ClientHeight(), form.Height() - frame.top - frame.bottom - g.menuBarHeight, {}};
    for (int i = 0; i < form.ComponentCount(); ++i) {
        auto* control = dynamic_cast<TControl*>(form.Components(i));
        if (!control) continue;
        const auto* label = dynamic_cast<TLabel*>(control);
        ControlShot c{control->ClassName() + " " + control->Name() + " \"" + control->Caption() + "\"",
                      control->BoundsRect(),
                      control->Font().Height(),
                      label && label->AutoSize(),
                      {}};
        if (const auto* list = dynamic_cast<TListView*>(control))
            for (int k = 0; k < list->ColumnCount(); ++k) c.columns.push_back(list->Columns(k)->Width());
        shot.controls.push_back(c);
    }
    return shot;
}

int Scaled(int value, int dpi) { return MulDiv(value, dpi, 96); }

// Controls the window places itself are scaled edge by edge; those a parent lays out (tool buttons, pages) may be
// a pixel off where sizes rounded one by one add up. Tool buttons sit below the bar's two-line top edge, which
// stays two lines, and a button is at least as wide as scaled.
void ExpectScaled(const WindowShot& designed, const WindowShot& scaled, int dpi, bool menuBar) {
    EXPECT_EQ(scaled.clientWidth, Scaled(designed.clientWidth, dpi));
    if (menuBar) {
        EXPECT_EQ(scaled.clientBelowStandardBar, Scaled(designed.clientBelowStandardBar, dpi));
    } else {
        EXPECT_EQ(scaled.clientHeight, Scaled(designed.clientHeight, dpi));
    }
    ASSERT_EQ(designed.controls.size(), scaled.controls.size());
    for (std::size_t i = 0; i < designed.controls.size(); ++i) {
        const ControlShot& d = designed.controls[i];
        const ControlShot& s = scaled.controls[i];
        SCOPED_TRACE(d.what);
        EXPECT_EQ(s.fontHeight, Scaled(d.fontHeight, dpi));
        ASSERT_EQ(s.columns.size(), d.columns.size());
        for (std::size_t k = 0; k < d.columns.size(); ++k) EXPECT_EQ(s.columns[k], Scaled(d.columns[k], dpi));
        const bool toolButton = d.what.starts_with("TToolButton");
        const int slack = toolButton || d.what.starts_with("TTabSheet") ? 1 : 0;
        EXPECT_NEAR(s.bounds.left, Scaled(d.bounds.left, dpi), slack);
        if (toolButton) {
            EXPECT_EQ(s.bounds.top, d.bounds.top);
            EXPECT_EQ(s.bounds.bottom - s.bounds.top, Scaled(d.bounds.bottom - d.bounds.top, dpi));
            EXPECT_GE(s.bounds.right, Scaled(d.bounds.right, dpi) - slack);
            continue;
        }
        EXPECT_NEAR(s.bounds.top, Scaled(d.bounds.top, dpi), slack);
        // A label that sizes itself to its caption is as large as its caption in the scaled font.
        if (d.autoSizedLabel) continue;
        EXPECT_NEAR(s.bounds.bottom, Scaled(d.bounds.bottom, dpi), slack);
        EXPECT_NEAR(s.bounds.right, Scaled(d.bounds.right, dpi), slack);
    }
}

int CaptionWidth(const TControl& control) {
    const win::HDC dc = win::GetDC(nullptr);
    const win::HGDIOBJ old = win::SelectObject(dc, control.Font().Handle());
    win::SIZE size{};
    win::GetTextExtentPoint32(dc, control.Caption().c_str(), static_cast<int>(control.Caption().size()), &size);
    win::SelectObject(dc, old);
    win::ReleaseDC(nullptr, dc);
    return size.cx;
}

class WindowScalingTest : public WindowsTest, public ::testing::WithParamInterface<int> {
  protected:
    // The window as the builder makes it at a resolution, on a main window made at that resolution.
    WindowShot ShotAt(int dpi, const std::function<std::unique_ptr<TCustomForm>(TMainForm*)>& build) {
        testdriver::SetDpi(dpi);
        auto main = std::make_unique<TMainForm>(nullptr);
        std::unique_ptr<TCustomForm> form = build(main.get());
        const WindowShot shot = Shoot(form ? *form : *main, dpi);
        form.reset();
        main.reset();
        testdriver::PumpUntilIdle();
        return shot;
    }
    void ExpectScaledAt(int dpi, const std::function<std::unique_ptr<TCustomForm>(TMainForm*)>& build,
                        bool menuBar = false) {
        const WindowShot designed = ShotAt(96, build);
        ExpectScaled(designed, ShotAt(dpi, build), dpi, menuBar);
    }
};

TEST_P(WindowScalingTest, MainWindow) {
    ExpectScaledAt(
        GetParam(), [](TMainForm*) { return nullptr; }, true);
}

TEST_P(WindowScalingTest, OptionsWindow) {
    ExpectScaledAt(GetParam(), [](TMainForm* main) { return std::make_unique<TOptionSetForm>(main, main); });
}

TEST_P(WindowScalingTest, CompressionWindow) {
    ExpectScaledAt(GetParam(), [](TMainForm* main) { return std::make_unique<TfrmKelmCompress>(main); });
}

TEST_P(WindowScalingTest, RecorderWindow) {
    ExpectScaledAt(GetParam(), [](TMainForm* main) { return std::make_unique<TfrmRecord>(main); });
}

// Every tool button is wide enough for its caption in the grown font.
TEST_P(WindowScalingTest, ToolBarCaptionsFitTheirButtons) {
    testdriver::SetDpi(GetParam());
    StartMainForm();
    for (int i = 0; i < MainForm->ToolBar1->ButtonCount(); ++i) {
        const TToolButton& button = *MainForm->ToolBar1->Buttons(i);
        if (button.Caption().empty()) continue;
        EXPECT_LE(CaptionWidth(button) + 4, button.Width()) << button.Caption();
    }
}

// The grown box of a flat check box leaves the caption's first character alone: between the box and the caption
// there is a column of nothing but the face colour.
TEST_P(WindowScalingTest, OptionsCheckBoxesLeaveTheirCaptionsUncovered) {
    testdriver::SetDpi(GetParam());
    StartMainForm();
    TOptionSetForm dialog(MainForm, MainForm);
    dialog.Show();
    testdriver::PumpUntilIdle();
    for (TCheckBox* box : {dialog.ckbKeepWav, dialog.ckNormalize}) {
        SCOPED_TRACE(box->Caption());
        // Read from the window's own pixels: composing the whole screen for each of them takes minutes under the
        // sanitizers.
        const win::HWND window = box->Handle();
        const win::COLORREF face = testdriver::WindowPixel(window, box->Width() - 1, 0);
        // From the left edge: box pixels, then a clear column, then the caption.
        int x = 0;
        const auto columnClear = [&](int column) {
            for (int y = 0; y < box->Height(); ++y)
                if (testdriver::WindowPixel(window, column, y) != face) return false;
            return true;
        };
        while (x < box->Width() && columnClear(x)) ++x;
        ASSERT_LT(x, box->Width()) << "a box";
        const int boxStart = x;
        while (x < box->Width() && !columnClear(x)) ++x;
        EXPECT_LE(x - boxStart, win::GetSystemMetrics(win::SM_CXHTHUMB)) << "the box alone, no caption joined to it";
        const int boxEnd = x;
        while (x < box->Width() && columnClear(x)) ++x;
        EXPECT_GE(x - boxEnd, 2) << "a gap between box and caption";
        int captionEnd = box->Width();
        while (captionEnd > x && columnClear(captionEnd - 1)) --captionEnd;
        EXPECT_GE(captionEnd - x, CaptionWidth(*box) - 2) << "the caption is whole";
    }
}

INSTANTIATE_TEST_SUITE_P(Resolutions, WindowScalingTest, ::testing::Values(144, 192));

}  // namespace
