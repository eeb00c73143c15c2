// The name field of the file dialogs as a user types into it: on every opening what it holds is selected, so a
// typed name replaces it; a typed absolute path is taken as it is, a relative one against the folder shown. The
// dialogs always open over a folder that exists.
#include <functional>
#include <string>

#include "ControlsFixture.h"
#include "platform/framework/TTimer.h"
#include "platform/framework/controls/Edit.h"
#include "platform/framework/forms/FileDialogForm.h"
#include "platform/framework/forms/FolderBrowser.h"
#include "platform/framework/forms/FolderBrowserForm.h"
#include "platform/framework/forms/OpenDialog.h"
#include "platform/framework/forms/Screen.h"
#include "platform/testing/InputInjection.h"
#include "platform/user/Input.h"
#include "platform/user/Messages.h"
#include "platform/user/Window.h"
#include "tests/support/ScratchFolder.h"

using namespace framework;

namespace {

// Once a dialog window of the kind has the keyboard, runs the action on it, once.
template <class Dialog>
class OnDialog {
  public:
    explicit OnDialog(std::function<void(Dialog&)> action) : action_(std::move(action)) {
        timer_.SetInterval(20);
        timer_.SetOnTimer(TNotifyEvent::Bind<&OnDialog::Tick>(this));
        timer_.SetEnabled(true);
    }
    bool ran() const { return ran_; }

  private:
    void Tick(TObject*) {
        if (ran_) return;
        for (int i = 0; i < Screen->FormCount(); ++i) {
            auto* dialog = dynamic_cast<Dialog*>(Screen->Forms(i));
            if (!dialog || !dialog->Visible() || !win::IsWindowEnabled(dialog->Handle())) continue;
            if (win::GetAncestor(win::GetFocus(), win::GA_ROOT) != dialog->Handle()) return;
            ran_ = true;
            action_(*dialog);
            return;
        }
    }

    std::function<void(Dialog&)> action_;
    TTimer timer_{nullptr};
    bool ran_ = false;
};

void Tap(int virtualKey) {
    testdriver::PressKey(virtualKey);
    testdriver::ReleaseKey(virtualKey);
}

void TypeAndEnter(const std::string& text) {
    testdriver::TypeText(text.c_str());
    Tap(win::VK_RETURN);
}

TEdit* NameField(TFileDialogForm& dialog) {
    for (int i = 0; i < dialog.ControlCount(); ++i)
        if (auto* edit = dynamic_cast<TEdit*>(dialog.Controls(i)); edit && !edit->ReadOnly()) return edit;
    return nullptr;
}

// Opens the dialog, types the text into its name field and Enter; what the field held and selected at opening.
struct Typed {
    bool chosen = false;
    std::string held;
    std::string selected;
    std::string folder;
};

Typed TypeIntoDialog(TOpenDialog& dialog, const std::string& text) {
    Typed typed;
    const OnDialog<TFileDialogForm> script([&](TFileDialogForm& form) {
        if (TEdit* name = NameField(form)) {
            typed.held = name->Text();
            typed.selected = name->SelText();
        }
        typed.folder = form.Folder();
        TypeAndEnter(text);
    });
    typed.chosen = dialog.Execute();
    EXPECT_TRUE(script.ran());
    return typed;
}

}  // namespace

TEST_F(ControlsTest, ANameTypedIntoTheFileDialogReplacesThePreviousOneAndAFullPathIsTakenAsItIs) {
    ShowForm();
    const testsupport::ScratchFolder folder;
    folder.write("st44.wav", {0});
    folder.write("m8.wav", {0});
    const testsupport::ScratchFolder elsewhere;
    elsewhere.write("far.wav", {0});

    TOpenDialog dialog(nullptr);
    dialog.SetFilter("声音(*.wav)|*.wav");
    dialog.SetInitialDir(folder.path().string());
    ASSERT_TRUE(TypeIntoDialog(dialog, folder.file("st44.wav")).chosen);
    EXPECT_EQ(dialog.FileName(), folder.file("st44.wav"));

    const Typed second = TypeIntoDialog(dialog, elsewhere.file("far.wav"));
    ASSERT_TRUE(second.chosen);
    EXPECT_EQ(second.held, "st44.wav") << "the field offers the previous name";
    EXPECT_EQ(second.selected, "st44.wav") << "selected, so typing replaces it";
    EXPECT_EQ(dialog.FileName(), elsewhere.file("far.wav"));

    // A relative name is taken in the folder the dialog shows.
    const Typed third = TypeIntoDialog(dialog, "m8.wav");
    ASSERT_TRUE(third.chosen);
    EXPECT_EQ(third.folder, folder.path().string());
    EXPECT_EQ(dialog.FileName(), folder.file("m8.wav"));

    TSaveDialog save(nullptr);
    save.SetFilter("声音(*.wav)|*.wav");
    save.SetDefaultExt("*.wav");
    save.SetFileName(folder.file("st44.wav"));
    const Typed saved = TypeIntoDialog(save, elsewhere.file("copy"));
    ASSERT_TRUE(saved.chosen);
    EXPECT_EQ(saved.selected, "st44.wav");
    EXPECT_EQ(save.FileName(), elsewhere.file("copy.wav"));
}

TEST_F(ControlsTest, AFileDialogWhoseFolderIsGoneOpensOverItsNearestParentThatExists) {
    ShowForm();
    const testsupport::ScratchFolder folder;
    folder.write("m8.wav", {0});

    // A name chosen inside a folder that does not exist, as a bad answer once left behind.
    TOpenDialog dialog(nullptr);
    dialog.SetFilter("声音(*.wav)|*.wav");
    dialog.SetFileName(folder.file("st44.wav/gone/m8.wav"));
    EXPECT_EQ(dialog.StartFolder(), folder.path().string());
    const Typed typed = TypeIntoDialog(dialog, "m8.wav");
    EXPECT_EQ(typed.folder, folder.path().string());
    EXPECT_EQ(dialog.FileName(), folder.file("m8.wav"));

    dialog.SetInitialDir(folder.file("removed/long/ago"));
    EXPECT_EQ(dialog.StartFolder(), folder.path().string());

    // The folder dialog, too, opens over the nearest folder that is still there.
    std::string shown;
    const OnDialog<TFolderBrowserForm> script([&](TFolderBrowserForm& form) {
        shown = form.Folder();
        Tap(win::VK_RETURN);
    });
    std::string chosen = folder.file("removed/long/ago");
    ASSERT_TRUE(SelectDirectory("选择文件夹", "/", chosen));
    EXPECT_EQ(shown, folder.path().string());
    EXPECT_EQ(chosen, folder.path().string());
}
