// The file dialog over a folder of more files than its list shows: the wheel scrolls the list, and a click on the
// first row shown then chooses the file scrolled to. The folder dialog shows its folders in the same list view.
#include <cstdio>
#include <string>

#include "ControlsFixture.h"
#include "platform/framework/TTimer.h"
#include "platform/framework/controls/ListView.h"
#include "platform/framework/forms/FileDialogForm.h"
#include "platform/framework/forms/OpenDialog.h"
#include "platform/framework/forms/Screen.h"
#include "platform/testing/InputInjection.h"
#include "platform/user/Input.h"
#include "platform/user/Messages.h"
#include "platform/user/Window.h"
#include "tests/support/ScratchFolder.h"

using namespace framework;

namespace {

// Once the dialog shows: two wheel notches over its list, a click on the first row shown, then Enter.
struct ScrollAndChoose {
    TTimer timer{nullptr};
    bool done = false;

    void Tick(TObject*) {
        if (done) return;
        for (int i = 0; i < Screen->FormCount(); ++i) {
            auto* dialog = dynamic_cast<TFileDialogForm*>(Screen->Forms(i));
            if (!dialog || !dialog->Visible() || !win::IsWindowEnabled(dialog->Handle())) continue;
            TListView* list = nullptr;
            for (int c = 0; c < dialog->ControlCount() && !list; ++c)
                list = dynamic_cast<TListView*>(dialog->Controls(c));
            if (!list || list->ItemCount() == 0) return;
            done = true;
            const win::POINT firstRow = list->ClientToScreen(win::POINT{30, list->HeaderHeight() + 3});
            testdriver::MoveMouse(firstRow);
            user::InputMouseWheel(-2 * win::WHEEL_DELTA);
            testdriver::Click(firstRow);
            testdriver::PressKey(win::VK_RETURN);
            testdriver::ReleaseKey(win::VK_RETURN);
            return;
        }
    }
};

}  // namespace

TEST_F(ControlsTest, TheFileDialogsListScrollsWithTheWheelAndAClickChoosesTheFileScrolledTo) {
    ShowForm();
    const testsupport::ScratchFolder folder;
    for (int i = 1; i <= 40; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "take%02d.wav", i);
        folder.write(name, {0});
    }
    ScrollAndChoose script;
    script.timer.SetInterval(20);
    script.timer.SetOnTimer(TNotifyEvent::Bind<&ScrollAndChoose::Tick>(&script));
    script.timer.SetEnabled(true);

    TOpenDialog dialog(nullptr);
    dialog.SetInitialDir(folder.path().string());
    dialog.SetFilter("Wave|*.wav");
    ASSERT_TRUE(dialog.Execute());
    EXPECT_TRUE(script.done);
    // Three rows a notch: the first row shown is the seventh of the list, which begins with "..", the way up.
    EXPECT_EQ(dialog.FileName(), folder.file("take06.wav"));
}
