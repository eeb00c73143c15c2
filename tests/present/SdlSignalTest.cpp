// A program showing real windows still ends on SIGTERM, as every Linux program does.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

namespace {

// Waits up to `limit` for the child; returns its wait status, or -1 when it is still running.
int waitFor(pid_t child, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    int status = 0;
    while (std::chrono::steady_clock::now() < end) {
        if (waitpid(child, &status, WNOHANG) == child) return status;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return -1;
}

TEST(SdlPresenterSignals, TermEndsAProgramWithRealWindows) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // SDL's offscreen driver gives real SDL windows without an X server.
        setenv("DISPLAY", ":trackmill-test", 1);
        setenv("SDL_VIDEODRIVER", "offscreen", 1);
        unsetenv("TRACKMILL_HEADLESS");
        execl(TRACKMILL_BIN_DIR "/platform-demo", "platform-demo", "--seconds", "30", static_cast<char*>(nullptr));
        _exit(127);
    }
    // Give it time to open its windows and enter its loop.
    EXPECT_EQ(waitFor(child, std::chrono::milliseconds(1500)), -1);
    ASSERT_EQ(kill(child, SIGTERM), 0);
    const int status = waitFor(child, std::chrono::seconds(5));
    if (status == -1) {
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        FAIL() << "the program ignored SIGTERM";
    }
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << "wait status " << status;
}

}  // namespace
