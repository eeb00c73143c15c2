// Where the program's own writable files go: beside the program, or the per-user folder when it may not write there.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "platform/framework/forms/Application.h"
#include "platform/present/HeadlessPresenter.h"
#include "platform/user/Presenter.h"
#include "tests/support/ScratchFolder.h"
#include "trackmill/app/options/WritableFiles.h"

namespace {

// Sets an environment variable for the test's lifetime and puts the old value back.
class ScopedVariable {
  public:
    ScopedVariable(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        setenv(name, value.c_str(), 1);
    }
    ~ScopedVariable() {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }

  private:
    const char* name_;
    std::optional<std::string> old_;
};

class WritableFilesTest : public ::testing::Test {
  protected:
    testsupport::ScratchFolder program{"writable-program"};
    testsupport::ScratchFolder user{"writable-user"};
    std::string programFolder = program.path().string() + "/";
    const std::string missingFolder = "/no-such-program-folder/";
};

TEST_F(WritableFilesTest, AWritableProgramFolderHoldsTheFiles) {
    const ScopedVariable config("XDG_CONFIG_HOME", user.path().string());
    EXPECT_EQ(WritableFolder(programFolder), programFolder);
    EXPECT_EQ(WritableFileName(programFolder, "MyTemp.wav"), programFolder + "MyTemp.wav");
}

TEST_F(WritableFilesTest, AProgramFolderThatCannotBeWrittenSendsThemToThePerUserFolder) {
    const ScopedVariable config("XDG_CONFIG_HOME", user.path().string());
    const std::string perUser = user.path().string() + "/trackmill/";
    EXPECT_EQ(WritableFolder(missingFolder), perUser);
    EXPECT_EQ(WritableFileName(missingFolder, "options.ini"), perUser + "options.ini");
    EXPECT_EQ(WritableFileName(missingFolder, "MyNoName.wav"), perUser + "MyNoName.wav");
}

TEST_F(WritableFilesTest, WithoutAnAbsoluteConfigHomeThePerUserFolderIsUnderHome) {
    const ScopedVariable home("HOME", user.path().string());
    const ScopedVariable relative("XDG_CONFIG_HOME", "relative/config");
    EXPECT_EQ(WritableFolder(missingFolder), user.path().string() + "/.config/trackmill/");
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(WritableFileName(missingFolder, "options.ini"), user.path().string() + "/.config/trackmill/options.ini");
}

TEST_F(WritableFilesTest, TheProgramFolderIsTheRealFilesFolderWhenStartedThroughALink) {
    user::SetPresenter(std::make_unique<present::HeadlessPresenter>());
    framework::TApplication application(nullptr);
    const std::filesystem::path real = program / "trackmill";
    testsupport::ScratchFolder bin{"writable-bin"};
    program.write("trackmill", {0x7f, 'E', 'L', 'F'});
    std::filesystem::create_symlink(real, bin / "trackmill");
    application.SetExeName(bin.file("trackmill"));
    EXPECT_EQ(ProgramFolder(), std::filesystem::canonical(program.path()).string() + "/");

    application.SetExeName(program.file("not-there"));
    EXPECT_EQ(ProgramFolder(), programFolder);
}

TEST_F(WritableFilesTest, TheFolderOfAFileIsMadeWithItsParents) {
    const std::string file = user.file("a/b/options.ini");
    MakeFolderOf(file);
    EXPECT_TRUE(std::filesystem::is_directory(user / "a" / "b"));
    EXPECT_FALSE(std::filesystem::exists(file));
}

}  // namespace
