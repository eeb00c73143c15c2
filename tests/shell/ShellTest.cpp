#include "tests/support/FileBytes.h"
#include "tests/support/ProcessTable.h"
#include "tests/support/ScratchFolder.h"

#include "platform/shell/ShellExecute.h"
#include "platform/shell/ShellOpen.h"
#include "platform/shell/VolumeControl.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <sstream>
#include <thread>

using namespace testsupport;

namespace {

// Replaces PATH with one folder of fake programs, each of which records its arguments, NUL-separated, and
// then its process id into "<name>.args" beside it, and lingers a while.
class FakeDesktop {
  public:
    FakeDesktop() {
        if (const char* old = std::getenv("PATH")) oldPath_ = old;
        setenv("PATH", folder_.path().c_str(), 1);
    }
    ~FakeDesktop() { setenv("PATH", oldPath_.c_str(), 1); }

    void install(const std::string& name) {
        const std::string record = (folder_ / (name + ".args")).string();
        folder_.writeScript(name, "for a in \"$@\"; do printf '%s\\0' \"$a\"; done > '" + record +
                                      ".part'\n"
                                      "printf '%s' $$ >> '" +
                                      record +
                                      ".part'\n"
                                      "/bin/mv '" +
                                      record + ".part' '" + record +
                                      "'\n"
                                      "/bin/sleep 1\n");
    }

    // The arguments a fake received; empty when it never ran. Waits for it to end.
    std::vector<std::string> argumentsOf(const std::string& name) const {
        const auto record = folder_ / (name + ".args");
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (!std::filesystem::exists(record) && std::chrono::steady_clock::now() < giveUp)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        const std::string text = std::filesystem::exists(record) ? readFileText(record) : std::string();
        std::vector<std::string> arguments;
        std::size_t begin = 0;
        for (std::size_t end = text.find('\0'); end != std::string::npos; end = text.find('\0', begin)) {
            arguments.push_back(text.substr(begin, end - begin));
            begin = end + 1;
        }
        if (!text.empty()) {
            EXPECT_TRUE(waitUntilGone(std::stoi(text.substr(begin)))) << name << " was left unreaped";
        }
        return arguments;
    }

    bool ran(const std::string& name) const { return std::filesystem::exists(folder_ / (name + ".args")); }

  private:
    ScratchFolder folder_;
    std::string oldPath_;
};

}  // namespace

TEST(ShellOpen, TheDocumentReachesTheDesktopHandlerAsOneArgumentWithoutWaiting) {
    FakeDesktop desktop;
    desktop.install("xdg-open");
    const std::string document = "/opt/trackmill/Track mill \"help\" $(reboot) 帮助.CHM";
    const auto before = std::chrono::steady_clock::now();
    platform::shell::openDocument(document);
    // The handler lingers for a second; the call came back long before.
    EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::milliseconds(900));
    EXPECT_EQ(desktop.argumentsOf("xdg-open"), std::vector<std::string>{document});
}

TEST(ShellOpen, WithoutAHandlerNothingHappens) {
    FakeDesktop desktop;
    EXPECT_NO_THROW(platform::shell::openDocument("http://localhost/"));
    EXPECT_NO_THROW(win::ShellExecuteA(nullptr, "open", "sndvol32.exe", "/r", "C:\\WINDOWS", 1));
}

TEST(ShellExecute, TheAboutBoxLinkAndTheHelpFileOpenAsDocuments) {
    FakeDesktop desktop;
    desktop.install("xdg-open");
    win::ShellExecuteA(nullptr, "Open", "http://example.invalid/trackmill", nullptr, nullptr, 5);
    EXPECT_EQ(desktop.argumentsOf("xdg-open"), std::vector<std::string>{"http://example.invalid/trackmill"});
}

TEST(ShellExecute, TheVolumeControlOpensTheMixerOnItsRecordingPageForSlashR) {
    {
        FakeDesktop desktop;
        desktop.install("pavucontrol");
        win::ShellExecuteA(nullptr, "open", "sndvol32.exe", "", "C:\\WINDOWS", 1);
        EXPECT_EQ(desktop.argumentsOf("pavucontrol"), std::vector<std::string>{});
        EXPECT_TRUE(desktop.ran("pavucontrol"));
    }
    {
        FakeDesktop desktop;
        desktop.install("pavucontrol");
        win::ShellExecuteA(nullptr, "open", "SNDVOL32.EXE", "/r", "C:\\WINDOWS", 1);
        EXPECT_EQ(desktop.argumentsOf("pavucontrol"), std::vector<std::string>{"--tab=2"});
    }
}

TEST(VolumeControl, TheConsoleMixerRunsInATerminalWhenNoDesktopMixerIsInstalled) {
    FakeDesktop desktop;
    desktop.install("alsamixer");
    desktop.install("x-terminal-emulator");
    platform::shell::openVolumeControl(true);
    EXPECT_EQ(desktop.argumentsOf("x-terminal-emulator"),
              (std::vector<std::string>{"-e", "alsamixer", "--view=capture"}));
}

TEST(VolumeControl, TheChoiceFollowsWhatIsInstalled) {
    const auto with = [](std::set<std::string> programs) {
        return [programs](std::string_view name) { return programs.count(std::string(name)) > 0; };
    };
    using Command = std::vector<std::string>;
    EXPECT_EQ(platform::shell::volumeControlCommand(false, with({"pavucontrol", "alsamixer", "xterm"})),
              Command{"pavucontrol"});
    EXPECT_EQ(platform::shell::volumeControlCommand(false, with({"alsamixer", "xterm"})),
              (Command{"xterm", "-e", "alsamixer"}));
    EXPECT_EQ(platform::shell::volumeControlCommand(true, with({"alsamixer", "xterm", "x-terminal-emulator"})),
              (Command{"x-terminal-emulator", "-e", "alsamixer", "--view=capture"}));
    EXPECT_EQ(platform::shell::volumeControlCommand(true, with({"alsamixer"})), Command{});
    EXPECT_EQ(platform::shell::volumeControlCommand(true, with({"xterm"})), Command{});
}
