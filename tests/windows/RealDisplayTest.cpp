// On a real X server (a private Xvfb): trackmill paints its main window without loading OpenGL, and once idle its
// threads sleep until something happens.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <sstream>
#include <string>

#include "tests/support/RunProgram.h"

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

}  // namespace
