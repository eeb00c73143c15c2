// Closing the main window when things are not quiet: during a rip (the track being read is stopped first, so its
// WAV is whole), and when options.ini cannot be written (one box, and the window closes all the same, leaving the
// old file whole).
#include <sys/resource.h>
#include <csignal>
#include <fstream>

#include "CdFaults.h"
#include "WindowsFixture.h"
#include "platform/framework/TTimer.h"
#include "platform/framework/controls/ListView.h"
#include "platform/framework/menus/Action.h"
#include "platform/testing/MessagePump.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Messages.h"
#include "trackmill/app/windows/MainForm.h"

using namespace std::chrono_literals;

namespace {

class CloseTest : public WindowsTest {};

// Runs in the rip window's loop: as soon as a read of the track waits at the gate, the main window is asked to
// close, as a window manager does, and the read goes on.
struct CloserWhileReading {
    cdrom_test::CdFaults& faults;
    win::HWND mainWindow;
    framework::TTimer timer{nullptr};

    void Tick(framework::TObject*) {
        if (faults.readsAtGate() == 0) return;
        timer.SetEnabled(false);
        win::PostMessage(mainWindow, win::WM_CLOSE, 0, 0);
        faults.openReadGate();
    }
};

TEST_F(CloseTest, ClosingTheMainWindowDuringARipStopsTheTrackAndKeepsTheOlderFile) {
    // 4000 sectors: far more reads than can pass between the close and its handling.
    UseDrives({MakeImage("disc", {0, {{0, 4000, true}}})});
    std::ofstream(File("options.ini")) << "[CommonOptions]\nOutputFormat=1\n";
    std::ofstream(File("Track1.wav")) << "older";
    TMainForm* form = StartMainForm();
    cdrom_test::CdFaults faults;
    faults.closeReadGate();
    CloserWhileReading closer{faults, form->Handle()};
    closer.timer.SetInterval(10);
    closer.timer.SetOnTimer(framework::TNotifyEvent::Bind<&CloserWhileReading::Tick>(&closer));
    form->ActionExtract->Execute();
    testdriver::PumpUntilIdle();
    EXPECT_TRUE(app->Terminated());
    EXPECT_TRUE(boxes.Shown().empty());
    // A stopped track is not whole: it never takes the name.
    EXPECT_EQ(ReadBytes(File("Track1.wav")), (std::vector<std::uint8_t>{'o', 'l', 'd', 'e', 'r'}));
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        EXPECT_EQ(entry.path().filename().string().find("Track1.wav."), std::string::npos) << entry.path();
    std::ifstream options(File("options.ini"));
    EXPECT_TRUE(options.good());
}

TEST_F(CloseTest, AnOptionsFileThatCannotBeWrittenIsSaidOnceAndTheWindowClosesAllTheSame) {
    // A folder where options.ini should be: even root cannot write a file over it.
    std::filesystem::create_directory(File("options.ini"));
    const std::string box = "设置未能保存到“" + File("options.ini") + "”：Is a directory";
    boxes.Allow(box);
    TMainForm* form = StartMainForm();
    form->Close();
    testdriver::PumpUntilIdle();
    EXPECT_TRUE(app->Terminated());
    EXPECT_EQ(boxes.Shown(), (std::vector<std::string>{box + "|错误"}));
}

TEST_F(CloseTest, ASaveThatRunsOutOfSpaceLeavesTheOldOptionsFileWhole) {
    const std::string old =
        "[CommonOptions]\nOutputFormat=1\nIsKeepWav=1\n; " + std::string(400, 'x') + "\n[CDOptions]\nIndex=0\nCDDb=1\n";
    std::ofstream(File("options.ini")) << old;
    const std::string box = "设置未能保存到“" + File("options.ini") + "”：File too large";
    boxes.Allow(box);
    TMainForm* form = StartMainForm();
    // Files may grow to 100 bytes only, as on a nearly full disk; the signal that would kill the program is ignored
    // so that the write fails with an error instead.
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const rlimit small{100, saved.rlim_max};
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    form->Close();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    testdriver::PumpUntilIdle();
    EXPECT_TRUE(app->Terminated());
    EXPECT_EQ(boxes.Shown(), (std::vector<std::string>{box + "|错误"}));
    const std::vector<std::uint8_t> now = ReadBytes(File("options.ini"));
    EXPECT_EQ(std::string(now.begin(), now.end()), old);
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        EXPECT_EQ(entry.path().filename().string().rfind("options.ini.", 0), std::string::npos)
            << "a temporary file was left: " << entry.path();
}

}  // namespace
