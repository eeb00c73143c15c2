// File filters, the file and folder dialogs answered by the test, and the keys of a dialog.
#include <optional>
#include <string>
#include <vector>

#include "ControlsFixture.h"
#include "platform/framework/controls/Button.h"
#include "platform/framework/controls/Edit.h"
#include "platform/framework/forms/FileFilter.h"
#include "platform/framework/forms/FolderBrowser.h"
#include "platform/framework/forms/OpenDialog.h"
#include "platform/framework/forms/Screen.h"
#include "platform/testing/TypedKeys.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Messages.h"

using namespace framework;

TEST(FileFilterTest, LabelsAndPatternsArePaired) {
    const auto entries = ParseFileFilter("Wave files (*.wav)|*.wav|Sound files|*.wav; *.mp3|All files|*.*");
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].label, "Wave files (*.wav)");
    EXPECT_EQ(entries[0].patterns, (std::vector<std::string>{"*.wav"}));
    EXPECT_EQ(entries[1].patterns, (std::vector<std::string>{"*.wav", "*.mp3"}));
    EXPECT_EQ(entries[2].patterns, (std::vector<std::string>{"*.*"}));
    EXPECT_TRUE(ParseFileFilter("label without patterns").empty());
}

TEST(FileFilterTest, PatternsIgnoreCaseAndHonourWildcards) {
    struct Case {
        const char* name;
        const char* pattern;
        bool matches;
    };
    const Case cases[] = {
        {"track01.wav", "*.wav", true},  {"TRACK01.WAV", "*.wav", true},   {"track01.wav.bak", "*.wav", false},
        {"track01.mp3", "*.wav", false}, {"a.fnc", "?.FNC", true},         {"ab.fnc", "?.fnc", false},
        {"README", "*.*", true},         {"rip-3.nor", "rip-*.nor", true}, {"x.lrk", "*.l?k", true},
    };
    for (const Case& c : cases) EXPECT_EQ(MatchesPattern(c.name, c.pattern), c.matches) << c.name << " " << c.pattern;
}

TEST_F(ControlsTest, AFileDialogTakesTheScriptedChoiceAsFullPathsWithTheDefaultExtension) {
    TOpenDialog dialog(nullptr);
    dialog.SetInitialDir("/tmp");
    dialog.SetFilter("Wave|*.wav");
    dialog.SetOptions(ofAllowMultiSelect | ofHideReadOnly);
    std::string seenFilter;
    auto previous = SetFileDialogResponder([&](const TOpenDialog& d) -> std::optional<std::vector<std::string>> {
        seenFilter = d.Filter();
        return std::vector<std::string>{"a.wav", "/srv/b.wav"};
    });
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(seenFilter, "Wave|*.wav");
    ASSERT_EQ(dialog.Files().Count(), 2);
    EXPECT_EQ(dialog.Files().Strings(0), "/tmp/a.wav");
    EXPECT_EQ(dialog.Files().Strings(1), "/srv/b.wav");
    EXPECT_EQ(dialog.FileName(), "/tmp/a.wav");

    TSaveDialog save(nullptr);
    save.SetInitialDir("/tmp");
    save.SetDefaultExt("fnc");
    SetFileDialogResponder([](const TOpenDialog&) { return std::optional<std::vector<std::string>>{{"speech"}}; });
    ASSERT_TRUE(save.Execute());
    EXPECT_EQ(save.FileName(), "/tmp/speech.fnc");

    SetFileDialogResponder([](const TOpenDialog&) { return std::optional<std::vector<std::string>>{}; });
    EXPECT_FALSE(save.Execute());
    EXPECT_EQ(save.FileName(), "/tmp/speech.fnc") << "a cancelled dialog keeps the last choice";

    // Layouts give the default extension with its dot, or as a pattern: the name still gets one dot.
    SetFileDialogResponder([](const TOpenDialog&) { return std::optional<std::vector<std::string>>{{"take"}}; });
    for (const char* extension : {".wav", "*.wav"}) {
        save.SetDefaultExt(extension);
        ASSERT_TRUE(save.Execute());
        EXPECT_EQ(save.FileName(), "/tmp/take.wav") << extension;
    }
    SetFileDialogResponder(previous);
}

TEST_F(ControlsTest, TheFolderBrowserReturnsTheScriptedFolderOrKeepsTheOldOneOnCancel) {
    std::string initialSeen;
    auto previous =
        SetFolderResponder([&](const std::string&, const std::string& initial) -> std::optional<std::string> {
            initialSeen = initial;
            return std::string("/srv/music");
        });
    std::string folder = "/home";
    EXPECT_TRUE(SelectDirectory("选择输出文件夹", "", folder));
    EXPECT_EQ(initialSeen, "/home");
    EXPECT_EQ(folder, "/srv/music");
    SetFolderResponder([](const std::string&, const std::string&) { return std::optional<std::string>{}; });
    EXPECT_FALSE(SelectDirectory("选择输出文件夹", "", folder));
    EXPECT_EQ(folder, "/srv/music");
    SetFolderResponder(previous);
}

TEST_F(ControlsTest, TheRealDialogsOpenOverAFolderAndCancelOnClose) {
    ShowForm();
    // Each dialog window is closed as soon as it exists; its modal run then ends with Cancel.
    const int closer =
        Screen->AddFormObservers([](TCustomForm* form) { win::PostMessage(form->Handle(), win::WM_CLOSE, 0, 0); }, {});
    TOpenDialog dialog(nullptr);
    dialog.SetInitialDir(TRACKMILL_TEST_DATA);
    dialog.SetFilter("Wave|*.WAV");
    EXPECT_FALSE(dialog.Execute());
    std::string folder = TRACKMILL_TEST_DATA;
    EXPECT_FALSE(SelectDirectory("选择文件夹", "/", folder));
    EXPECT_EQ(folder, TRACKMILL_TEST_DATA);
    Screen->RemoveFormObservers(closer);
}

namespace {

// A dialog with a text field (focused at first), a default OK button and a Cancel button; its answer to the keys.
TModalResult DialogAnswerToKeys(std::vector<int> keys) {
    TForm dialog(nullptr);
    auto* edit = new TEdit(&dialog);
    edit->SetParent(&dialog);
    auto* ok = new TButton(&dialog);
    ok->SetParent(&dialog);
    ok->SetBounds(10, 40, 75, 25);
    ok->SetModalResult(mrOk);
    ok->SetDefault(true);
    auto* cancel = new TButton(&dialog);
    cancel->SetParent(&dialog);
    cancel->SetBounds(100, 40, 75, 25);
    cancel->SetModalResult(mrCancel);
    dialog.SetActiveControl(edit);
    const testdriver::TypedKeys typed(std::move(keys));
    return dialog.ShowModal();
}

}  // namespace

TEST_F(ControlsTest, EnterInADialogPressesTheFocusedButtonAndTheDefaultOneOnlyWhenNoButtonHasTheFocus) {
    ShowForm();
    EXPECT_EQ(DialogAnswerToKeys({win::VK_RETURN}), mrOk) << "from the text field";
    EXPECT_EQ(DialogAnswerToKeys({win::VK_TAB, win::VK_TAB, win::VK_RETURN}), mrCancel);
    EXPECT_EQ(DialogAnswerToKeys({win::VK_TAB, win::VK_TAB, win::VK_SPACE}), mrCancel);
    EXPECT_EQ(DialogAnswerToKeys({win::VK_TAB, win::VK_RETURN}), mrOk);
}
