// On a real X server (a private Xvfb): trackmill paints its main window without loading OpenGL, and once idle its
// threads sleep until something happens; without a window manager, Alt with a letter opens its menu, the recorder's
// start menu opens above every window right on top of the button, the file dialog takes a typed path, and a
// message box's underlined letter answers it.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/RunProgram.h"
#include "tests/support/ScratchFolder.h"

namespace {

// Xvfb on a display number it picks itself; gone with the object. Other test runs start servers at the same time,
// so a server that loses the race for its number and ends is started again.
class PrivateXServer {
  public:
    PrivateXServer() {
        for (int attempt = 0; attempt < 5 && display_.empty(); ++attempt) start();
    }
    ~PrivateXServer() { stop(); }
    const std::string& display() const { return display_; }
    // Whether the server still runs: one that another server's start took its sockets from may have ended.
    bool running() {
        if (pid_ > 0 && waitpid(pid_, nullptr, WNOHANG) == pid_) pid_ = -1;
        return pid_ > 0;
    }

  private:
    void start() {
        int fds[2];
        if (pipe(fds) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            close(fds[0]);
            const std::string fd = std::to_string(fds[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-nolisten", "tcp",
                   static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        std::string number;
        char c = 0;
        while (read(fds[0], &c, 1) == 1 && c != '\n') number += c;
        close(fds[0]);
        // The number counts only once the whole line came and the server still runs with its socket in place.
        const std::string socket = "/tmp/.X11-unix/X" + number;
        if (c == '\n' && !number.empty() && waitpid(pid_, nullptr, WNOHANG) == 0 && access(socket.c_str(), F_OK) == 0)
            display_ = ":" + number;
        else
            stop();
    }
    void stop() {
        if (pid_ <= 0) return;
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

    pid_t pid_ = -1;
    std::string display_;
};

// Sets an environment variable for the scope, then puts the old value back.
class ScopedVariable {
  public:
    ScopedVariable(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~ScopedVariable() {
        if (old_.empty())
            unsetenv(name_);
        else
            setenv(name_, old_.c_str(), 1);
    }

  private:
    const char* name_;
    std::string old_;
};

TEST(RealDisplay, MainWindowPaintsWithoutOpenGLAndTheIdleProgramSleeps) {
    if (system("command -v Xvfb >/dev/null 2>&1") != 0) GTEST_SKIP() << "Xvfb is not installed";
    ScopedVariable headless("TRACKMILL_HEADLESS", nullptr);
    ScopedVariable images("TRACKMILL_CD_IMAGES", nullptr);

    // A loaded machine may keep the program busy with its start well past its first paint: the idle second
    // counted is the first quiet one within a minute, which a program that wakes every second never has.
    testsupport::ProgramRun run;
    for (int attempt = 0; attempt < 3; ++attempt) {
        PrivateXServer server;
        ASSERT_FALSE(server.display().empty()) << "Xvfb did not start";
        ScopedVariable display("DISPLAY", server.display().c_str());
        run = testsupport::runProgram({testsupport::builtProgram("first-paint-probe"), "--settle-within", "60", "0.5",
                                       testsupport::builtProgram("trackmill")});
        // Only a server that went away under the run is a reason to measure again.
        if (run.exitStatus == 0 || server.running()) break;
    }
    ASSERT_EQ(run.exitStatus, 0) << run.standardError;
    std::istringstream fields(run.standardOutput);
    std::string name;
    long firstPaintMs = -1;
    long residentKb = -1;
    int threads = -1;
    long wakeups = -1;
    std::string gl;
    fields >> name >> firstPaintMs >> name >> residentKb >> name >> threads >> name >> wakeups >> name >> gl;
    EXPECT_GT(firstPaintMs, 0) << run.standardOutput;
    EXPECT_EQ(gl, "none") << "OpenGL libraries mapped";
    // The UI thread and the media watcher; SDL starts no threads of its own without OpenGL.
    EXPECT_LE(threads, 2);
    EXPECT_EQ(wakeups, 0) << "threads woke while nothing happened";
}

TEST(RealDisplay, AfterAMenuClosesWithoutAWindowManagerTheKeysReachTheMainWindowAgain) {
    if (system("command -v Xvfb >/dev/null 2>&1 && command -v xdotool >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "Xvfb or xdotool is not installed";
    ScopedVariable headless("TRACKMILL_HEADLESS", nullptr);
    ScopedVariable images("TRACKMILL_CD_IMAGES", nullptr);
    PrivateXServer server;
    ASSERT_FALSE(server.display().empty()) << "Xvfb did not start";
    ScopedVariable display("DISPLAY", server.display().c_str());
    // A menu dropped from the keyboard and closed with Escape twice; then the compression window's shortcut. The
    // program is killed at the end, so it writes no options beside itself.
    const std::string script = R"script(
        "$0" & program=$!
        trap 'kill -9 $program' EXIT
        shown() { xdotool search --onlyvisible --pid $program | wc -l; }
        waitFor() { for i in $(seq 600); do eval "$1" && return 0; sleep 0.1; done; return 1; }
        main=$(timeout 120 xdotool search --sync --onlyvisible --pid $program | head -1)
        [ -n "$main" ] || { echo "no main window"; exit 2; }
        xdotool key F10 && sleep 0.3 && xdotool key Down
        waitFor '[ $(shown) -ge 2 ]' || { echo "no menu dropped"; exit 3; }
        xdotool key Escape
        waitFor '[ $(shown) -eq 1 ]' || { echo "the menu stayed"; exit 4; }
        xdotool key Escape && sleep 0.5 && xdotool key ctrl+u
        timeout 30 xdotool search --sync --onlyvisible --name KELM >/dev/null || { echo "the shortcut went nowhere"; exit 1; }
    )script";
    const testsupport::ProgramRun run =
        testsupport::runProgram({"/bin/bash", "-c", script, testsupport::builtProgram("trackmill")});
    EXPECT_EQ(run.exitStatus, 0) << run.standardOutput << run.standardError;
}

// Shell functions for scripts that drive the program named by $0 on the display: `ours` lists its visible
// windows, `named TEXT` the first whose title holds the text, `waitFor CONDITION` waits up to 30 s for it, `frontmost`
// is the topmost of its windows; `openRecorder` opens the recorder and sets `buttonX`/`buttonTop`, a point on the start
// button's middle column and the button's top edge on the screen, from the recorder's layout (client area 261 by
// 213, the button's top edge at 181); `startMenu` clicks the button and sets `menu` and its `menuX`, `menuY` and
// `menuBottom`. The program is killed at the end, so it writes no options beside itself.
constexpr const char* kDesktopScript = R"script(
    "$0" & program=$!
    trap 'kill -9 $program' EXIT
    ours() { xdotool search --onlyvisible --pid $program 2>/dev/null; }
    named() { for w in $(ours); do xdotool getwindowname $w | grep -qF -- "$1" && echo $w; done | head -1; }
    waitFor() { local end=$((SECONDS + 30)); while [ $SECONDS -lt $end ]; do eval "$1" && return 0; sleep 0.1; done; return 1; }
    titles() { for w in $(ours); do echo -n "[$(xdotool getwindowname $w)] "; done; }
    frontmost() {
        xwininfo -root -children | awk '/^ +0x/ { print $1 }' | while read w; do
            ours | grep -qx $((w)) && { echo $((w)); break; }
        done
    }
    main=$(timeout 120 xdotool search --sync --onlyvisible --pid $program | head -1)
    [ -n "$main" ] || { echo "no main window"; exit 2; }
    openRecorder() {
        xdotool key ctrl+r
        waitFor '[ -n "$(named 录音)" ]' || { echo "no recorder"; exit 2; }
        recorder=$(named 录音)
        eval "$(xdotool getwindowgeometry --shell $recorder)"
        local frame=$(( (WIDTH - 261) / 2 ))
        buttonX=$((X + frame + 50)); buttonTop=$((Y + HEIGHT - frame - 213 + 181))
    }
    menuWindow() { for w in $(ours); do [ $w != $main ] && [ $w != $recorder ] && echo $w; done | tail -1; }
    startMenu() {
        xdotool mousemove $buttonX $((buttonTop + 13)) click 1
        waitFor '[ -n "$(menuWindow)" ]' || { echo "the start button opened no menu"; exit 2; }
        menu=$(menuWindow)
        eval "$(xdotool getwindowgeometry --shell $menu)"
        menuX=$X; menuY=$Y; menuBottom=$((Y + HEIGHT))
    }
)script";

// Runs the script after the shared functions, on a private X server without a window manager; $1... are the
// arguments. The program runs from a folder of its own, where the recorder keeps its working copy.
testsupport::ProgramRun RunOnDesktop(const std::string& script, const std::vector<std::string>& arguments) {
    const testsupport::ScratchFolder folder("trackmill-display");
    const std::string program = folder.file("trackmill");
    std::filesystem::copy_file(testsupport::builtProgram("trackmill"), program);
    PrivateXServer server;
    if (server.display().empty()) return {};
    ScopedVariable display("DISPLAY", server.display().c_str());
    std::vector<std::string> argv{"/bin/bash", "-c", std::string(kDesktopScript) + script, program};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    return testsupport::runProgram(argv);
}

bool DesktopToolsMissing() {
    return system("{ command -v Xvfb && command -v xdotool && command -v xwininfo; } >/dev/null") != 0;
}

TEST(RealDisplay, AltHeldWithAMenusLetterOpensThatMenu) {
    if (DesktopToolsMissing()) GTEST_SKIP() << "Xvfb, xdotool or xwininfo is not installed";
    ScopedVariable headless("TRACKMILL_HEADLESS", nullptr);
    ScopedVariable images("TRACKMILL_CD_IMAGES", nullptr);
    // The menu window takes no keyboard: Alt, still held while it opens, is not released and pressed again on the
    // way, which would close the menu as a lone Alt does.
    const testsupport::ProgramRun run = RunOnDesktop(R"script(
        for letter in a e h; do
            xdotool keydown alt; sleep 0.2; xdotool key $letter; sleep 0.2; xdotool keyup alt
            waitFor '[ $(ours | wc -l) -ge 2 ]' && sleep 0.5 || { echo "Alt+$letter opened no menu"; exit 1; }
            [ $(ours | wc -l) -ge 2 ] || { echo "the menu of Alt+$letter closed by itself"; exit 1; }
            xdotool key Escape Escape
            waitFor '[ $(ours | wc -l) -eq 1 ]' || { echo "the menu of Alt+$letter stayed"; exit 3; }
        done
    )script",
                                                     {});
    EXPECT_EQ(run.exitStatus, 0) << run.standardOutput << run.standardError;
}

TEST(RealDisplay, TheStartMenuOpensAboveEveryWindowWithItsBottomOnTheButtonEveryTime) {
    if (DesktopToolsMissing()) GTEST_SKIP() << "Xvfb, xdotool or xwininfo is not installed";
    ScopedVariable headless("TRACKMILL_HEADLESS", nullptr);
    ScopedVariable images("TRACKMILL_CD_IMAGES", nullptr);
    // Each round chooses "保存时产生MP3文件(&M)" with the mouse: the third item from the bottom, above a separator and
    // "退出(&X)" (restyled items are 24 pixels high, separators 4, inside a frame of 3). The choice changes the menu,
    // which is built anew, and the recorder's own activation comes back late: the next opening is watched a while.
    const testsupport::ProgramRun run = RunOnDesktop(R"script(
        openRecorder
        for round in 1 2 3 4; do
            startMenu
            for look in $(seq 5); do
                [ "$(frontmost)" = "$menu" ] || { echo "round $round: the menu is behind: $(titles)"; exit 1; }
                sleep 0.1
            done
            [ $menuBottom -eq $buttonTop ] || { echo "round $round: the menu ends at $menuBottom, the button begins at $buttonTop"; exit 1; }
            xdotool mousemove $((menuX + 20)) $((menuBottom - 3 - 24 - 4 - 12)) click 1
            waitFor '[ -z "$(menuWindow)" ]' || { echo "round $round: the menu stayed"; exit 3; }
            sleep 0.8
        done
    )script",
                                                     {});
    EXPECT_EQ(run.exitStatus, 0) << run.standardOutput << run.standardError;
}

TEST(RealDisplay, AFullPathTypedIntoTheOpenDialogIsTheFileOpenedEveryTime) {
    if (DesktopToolsMissing()) GTEST_SKIP() << "Xvfb, xdotool or xwininfo is not installed";
    ScopedVariable headless("TRACKMILL_HEADLESS", nullptr);
    ScopedVariable images("TRACKMILL_CD_IMAGES", nullptr);
    const testsupport::ScratchFolder sounds("trackmill-sounds");
    const std::string first = sounds.file("st44.wav");
    const std::string second = sounds.file("m8.wav");
    for (const std::string& path : {first, second})
        std::filesystem::copy_file(std::string(TRACKMILL_TEST_DATA) + "/speech8k.wav", path);
    const testsupport::ProgramRun run = RunOnDesktop(R"script(
        openRecorder
        for file in "$1" "$2" "$1"; do
            startMenu
            xdotool key o
            waitFor '[ -n "$(named 请选择打开一个声音文件)" ]' || { echo "打开 opened no dialog"; exit 3; }
            xdotool type --delay 10 "$file"; xdotool key Return
            waitFor '[ -n "$(named "录音($file)")" ]' || { echo "typed $file, then: $(titles)"; exit 1; }
        done
    )script",
                                                     {first, second});
    EXPECT_EQ(run.exitStatus, 0) << run.standardOutput << run.standardError;
}

TEST(RealDisplay, TheUnderlinedLetterAnswersAMessageBoxAloneOrWithAlt) {
    if (DesktopToolsMissing()) GTEST_SKIP() << "Xvfb, xdotool or xwininfo is not installed";
    ScopedVariable headless("TRACKMILL_HEADLESS", nullptr);
    ScopedVariable images("TRACKMILL_CD_IMAGES", nullptr);
    const testsupport::ScratchFolder sounds("trackmill-sounds");
    const std::string file = sounds.file("st44.wav");
    std::filesystem::copy_file(std::string(TRACKMILL_TEST_DATA) + "/speech8k.wav", file);
    // 另存为 over the file that is open asks whether to replace it; "否(N)" answers.
    const testsupport::ProgramRun run = RunOnDesktop(R"script(
        file=$1
        openRecorder
        startMenu
        xdotool key o
        waitFor '[ -n "$(named 请选择打开一个声音文件)" ]' || { echo "打开 opened no dialog"; exit 3; }
        xdotool type --delay 10 "$file"; xdotool key Return
        waitFor '[ -n "$(named "录音($file)")" ]' || { echo "the file did not open: $(titles)"; exit 3; }
        box() { for w in $(ours); do [ "$(xdotool getwindowname $w)" = 录音 ] && echo $w; done | head -1; }
        for answer in n alt+n; do
            startMenu
            xdotool key a
            waitFor '[ -n "$(named 另存为)" ]' || { echo "另存为 opened no dialog: $(titles)"; exit 3; }
            xdotool key ctrl+a; xdotool type --delay 10 "$file"; xdotool key Return
            waitFor '[ -n "$(box)" ]' || { echo "no question: $(titles)"; exit 3; }
            xdotool key $answer
            waitFor '[ -z "$(box)" ]' || { echo "$answer left the question open"; exit 1; }
        done
    )script",
                                                     {file});
    EXPECT_EQ(run.exitStatus, 0) << run.standardOutput << run.standardError;
}

}  // namespace
