#include "KelmFixture.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/framework/controls/BitBtn.h"
#include "platform/framework/controls/Button.h"
#include "platform/framework/controls/GroupBox.h"
#include "platform/framework/controls/Label.h"
#include "platform/framework/controls/ProgressBar.h"
#include "platform/framework/forms/Application.h"
#include "platform/framework/forms/Screen.h"
#include "platform/testing/InputInjection.h"
#include "platform/testing/MessagePump.h"
#include "tests/support/FileBytes.h"
#include "tests/support/RunProgram.h"
#include "tests/support/WavFixture.h"
#include "trackmill/app/windows/KelmCompress.h"
#include "trackmill/app/windows/KelmProcess.h"
#include "trackmill/app/windows/MainForm.h"

using namespace std::chrono_literals;

namespace {

// Long enough for every run here, short enough that a stuck script fails instead of hanging the suite.
constexpr auto ScriptTimeLimit = 120s;

template <class Form>
Form* FindForm() {
    if (!framework::Screen) return nullptr;
    for (int i = 0; i < framework::Screen->FormCount(); ++i)
        if (auto* form = dynamic_cast<Form*>(framework::Screen->Forms(i)); form && form->Visible()) return form;
    return nullptr;
}

std::string ProgramOf(const std::string& commandLine) { return commandLine.substr(0, commandLine.find(' ')); }

}  // namespace

void KelmWindowsTest::SetUp() {
    WindowsTest::SetUp();
    std::filesystem::create_directories(folder / "in");
    std::filesystem::create_directories(folder / "out");
    // The built programs after the fake ones, and rs behind one that notes each argument vector it is given.
    originalPath_ = std::getenv("PATH") ? std::getenv("PATH") : "";
    setenv("PATH", (std::string(TRACKMILL_BIN_DIR) + ":" + *originalPath_).c_str(), 1);
    FakeProgram("rs", "for a in \"$@\"; do printf '%s\\n' \"$a\"; done >> '" + File("rs.log") + "'\necho -- >> '" +
                          File("rs.log") + "'\nexec '" + TRACKMILL_BIN_DIR + "/rs' \"$@\"");

    now_ = std::chrono::steady_clock::time_point{} + 1000h;
    previousClock_ = SetStepClock([this] { return now_; });
    previousFolderResponder_ = framework::SetFolderResponder(
        [this](const std::string& prompt, const std::string& initial) -> std::optional<std::string> {
            folderQuestions.push_back(prompt + "|" + initial);
            if (folderAnswers.empty()) {
                ADD_FAILURE() << "a folder dialog nobody expected";
                return std::nullopt;
            }
            const std::string answer = folderAnswers.front();
            folderAnswers.erase(folderAnswers.begin());
            if (answer.empty()) return std::nullopt;
            return answer;
        });
    deadline_ = std::chrono::steady_clock::now() + ScriptTimeLimit;
    // The application made in the base's set-up put its own look into the loops.
    script.Install();
    script.Watch([this] { LookAtProcess(); });
    script.Watch([this] {
        if (std::chrono::steady_clock::now() < deadline_) return;
        // Every window is closed so that the modal loops end and the test reports what it waited for.
        deadline_ = std::chrono::steady_clock::time_point::max();
        ADD_FAILURE() << "the script stopped at " << script.Waiting();
        for (int i = framework::Screen ? framework::Screen->FormCount() - 1 : -1; i >= 0; --i)
            if (framework::Screen->Forms(i) != MainForm) framework::Screen->Forms(i)->Close();
    });
}

void KelmWindowsTest::TearDown() {
    SetStepClock(previousClock_);
    framework::SetFolderResponder(previousFolderResponder_);
    WindowsTest::TearDown();
    if (originalPath_) setenv("PATH", originalPath_->c_str(), 1);
}

void KelmWindowsTest::Start(const std::string& optionsIni) {
    if (!optionsIni.empty()) std::ofstream(File("options.ini")) << optionsIni;
    StartMainForm();
}

void KelmWindowsTest::RunCompressionWindow() {
    deadline_ = std::chrono::steady_clock::now() + ScriptTimeLimit;
    MainForm->aWavToCorvane->Execute();
    testdriver::PumpUntilIdle();
    EXPECT_TRUE(script.Done()) << "the script stopped at " << script.Waiting();
    EXPECT_EQ(Compress(), nullptr) << "the compression window is still up";
}

TfrmKelmCompress* KelmWindowsTest::Compress() const { return FindForm<TfrmKelmCompress>(); }

TfrmKelmProcess* KelmWindowsTest::Process() const { return FindForm<TfrmKelmProcess>(); }

void KelmWindowsTest::ClickOn(framework::TControl* control) {
    const win::POINT origin = control->ClientToScreen(win::POINT{0, 0});
    testdriver::Click(win::POINT{origin.x + control->Width() / 2, origin.y + control->Height() / 2});
}

void KelmWindowsTest::AddFile(const std::string& path) {
    script.Then([this] { return Compress() != nullptr && Process() == nullptr; },
                [this, path] {
                    fileDialogs.Choose(path);
                    ClickOn(Compress()->bAdd);
                },
                "add " + path);
}

void KelmWindowsTest::CompressAndWait() {
    script.Then([this] { return Compress() != nullptr && fileDialogs.Waiting() == 0; },
                [this] {
                    watch.seen = false;
                    ClickOn(Compress()->bCompress);
                },
                "press 压缩");
    script.Then([this] { return watch.seen && Process() == nullptr && Compress() != nullptr; }, [] {},
                "the progress window's end");
}

void KelmWindowsTest::CloseWindow() {
    script.Then([this] { return Compress() != nullptr && Process() == nullptr; },
                [this] { ClickOn(Compress()->bClose); }, "press 关闭");
}

void KelmWindowsTest::LookAtProcess() {
    TfrmKelmProcess* process = Process();
    if (!process) return;
    watch.seen = true;
    auto note = [](std::vector<std::string>& list, const std::string& text) {
        if (list.empty() || list.back() != text) list.push_back(text);
    };
    note(watch.captions, process->Caption());
    note(watch.groups, process->GroupBox1->Caption());
    note(watch.prefixes, process->CommandPrefix());
    const std::string commandLine = process->StepCommandLine();
    if (!commandLine.empty() && (watch.commandLines.empty() || watch.commandLines.back() != commandLine)) {
        watch.commandLines.push_back(commandLine);
        const std::string program = ProgramOf(commandLine);
        if (program != "finchenc.exe") {
            watch.estimates.push_back(process->Label2->Caption());
            watch.barMaxima.push_back(process->ProgressBar1->Max());
        }
        now_ += std::chrono::seconds(stepSeconds(program));
    }
    watch.highestPercent = std::max(watch.highestPercent, process->ProgressBar1->Position());
    if (whileRunning) whileRunning(*process);
}

std::vector<std::vector<std::string>> KelmWindowsTest::ResampleRuns() const {
    std::vector<std::vector<std::string>> runs;
    std::ifstream log(File("rs.log"));
    std::vector<std::string> run;
    for (std::string line; std::getline(log, line);) {
        if (line == "--") {
            runs.push_back(run);
            run.clear();
        } else {
            run.push_back(line);
        }
    }
    return runs;
}

void WriteStereoSpeech(const std::string& path, double seconds) {
    const std::vector<std::int16_t> speech = testsupport::speechFixtureSamples();
    std::vector<std::int16_t> samples;
    while (samples.size() < static_cast<std::size_t>(seconds * 8000))
        samples.insert(samples.end(), speech.begin(), speech.end());
    samples.resize(static_cast<std::size_t>(seconds * 8000));
    const std::string narrow = path + ".8k.wav";
    testsupport::writeWav(narrow, samples);
    const testsupport::ProgramRun run =
        testsupport::runProgram({testsupport::builtProgram("rs"), "-r", "44100", "-c", "2", narrow, path});
    ASSERT_EQ(run.exitStatus, 0) << run.standardError;
    std::filesystem::remove(narrow);
}
