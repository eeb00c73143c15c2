#include "PollingLoop.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ScratchFolder.h"

#include "platform/process/ChildProcess.h"
#include "platform/process/ProgramLookup.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <system_error>

using namespace testsupport;

using platform::process::ChildProcess;
using platform::process::findProgram;
using platform::process::programSearchPath;

namespace {

const std::filesystem::path fakeChild = TRACKMILL_FAKE_CHILD;

// Sets PATH for one test and puts the old value back.
class PathOverride {
  public:
    explicit PathOverride(const std::string& value) {
        if (const char* old = std::getenv("PATH")) old_ = old;
        setenv("PATH", value.c_str(), 1);
    }
    ~PathOverride() { setenv("PATH", old_.c_str(), 1); }

  private:
    std::string old_;
};

}  // namespace

TEST(ProgramLookup, EarlierFoldersWin) {
    ScratchFolder first, second;
    first.writeScript("tool", "");
    second.writeScript("tool", "");
    std::error_code error;
    EXPECT_EQ(findProgram("tool", {first.path(), second.path()}, error), first / "tool");
    EXPECT_FALSE(error);
    EXPECT_EQ(findProgram("tool", {second.path(), first.path()}, error), second / "tool");
}

TEST(ProgramLookup, ATrailingExeIsDroppedWhenTheNameAsGivenIsMissing) {
    ScratchFolder folder;
    folder.writeScript("lame", "");
    std::error_code error;
    EXPECT_EQ(findProgram("lame.exe", {folder.path()}, error), folder / "lame");
    EXPECT_EQ(findProgram("lame.EXE", {folder.path()}, error), folder / "lame");
    folder.writeScript("lame.exe", "");
    EXPECT_EQ(findProgram("lame.exe", {folder.path()}, error), folder / "lame.exe");
    // Only the suffix goes: ".exe" alone or "exe" without the dot is a name of its own.
    EXPECT_EQ(findProgram("lameexe", {folder.path()}, error), std::filesystem::path());
    EXPECT_EQ(error.value(), ENOENT);
}

TEST(ProgramLookup, BesideTheProgramComesBeforeAStrippedNameFurtherOn) {
    ScratchFolder own, onPath;
    own.writeScript("finchenc", "");
    onPath.writeScript("finchenc.exe", "");
    std::error_code error;
    EXPECT_EQ(findProgram("finchenc.exe", {own.path(), onPath.path()}, error), own / "finchenc");
}

TEST(ProgramLookup, FilesThatCannotRunAreSkipped) {
    ScratchFolder plain, runnable;
    std::ofstream(plain / "rs") << "not a program";
    std::filesystem::create_directory(plain / "teskenc");
    runnable.writeScript("rs", "");
    std::error_code error;
    EXPECT_EQ(findProgram("rs", {plain.path(), runnable.path()}, error), runnable / "rs");
    EXPECT_EQ(findProgram("rs", {plain.path()}, error), std::filesystem::path());
    EXPECT_EQ(error.value(), EACCES);
    EXPECT_EQ(findProgram("teskenc", {plain.path()}, error), std::filesystem::path());
    EXPECT_EQ(error.value(), ENOENT);
}

TEST(ProgramLookup, ThePathStartsWithOurOwnFolderAndSkipsRelativeEntries) {
    const PathOverride path("relative/bin::.:/usr/bin:/opt/x");
    const std::vector<std::filesystem::path> folders = programSearchPath();
    const std::vector<std::filesystem::path> expected{std::filesystem::canonical("/proc/self/exe").parent_path(),
                                                      "/usr/bin", "/opt/x"};
    EXPECT_EQ(folders, expected);
}

TEST(ProgramLookup, TheCurrentFolderIsNeverSearched) {
    ScratchFolder folder;
    folder.writeScript("planted", "");
    const std::filesystem::path before = std::filesystem::current_path();
    const PathOverride path(":.:/usr/bin");
    std::filesystem::current_path(folder.path());
    std::error_code error;
    const std::filesystem::path found = findProgram("planted", error);
    std::filesystem::current_path(before);
    EXPECT_EQ(found, std::filesystem::path());
    EXPECT_EQ(error.value(), ENOENT);
}

TEST(ProgramLookup, AStartFindsTheProgramBesideUsBeforeOneOnThePath) {
    // The test program and the fake child are built into one folder; a decoy of the same name on PATH
    // would print something else.
    ASSERT_EQ(fakeChild.parent_path(), std::filesystem::canonical("/proc/self/exe").parent_path());
    ScratchFolder decoys;
    decoys.writeScript(fakeChild.filename().string(), "printf decoy\n");
    const PathOverride path(decoys.path().string() + ":/usr/bin:/bin");
    ChildProcess child;
    child.createPipes();
    child.start({fakeChild.filename().string() + ".exe", "argv", "genuine"});
    const CollectedOutput collected = collectUntilEnd(child, std::chrono::seconds(10));
    ASSERT_TRUE(collected.ended);
    EXPECT_EQ(collected.out, std::string("genuine") + '\0');
}

TEST(ProgramLookup, AStartFallsBackToThePath) {
    ScratchFolder onPath;
    onPath.writeScript("path-only-tool", "printf 'from path: %s' \"$1\"\n");
    const PathOverride path(onPath.path().string());
    ChildProcess child;
    child.createPipes();
    child.start({"path-only-tool.exe", "a b"});
    const CollectedOutput collected = collectUntilEnd(child, std::chrono::seconds(10));
    ASSERT_TRUE(collected.ended);
    EXPECT_EQ(collected.out, "from path: a b");
}
