#pragma once
// The compression road on the headless screen: the main window opens the compression window, a LoopScript acts
// as the user inside it and inside the progress window, the open and folder dialogs are answered from lists, and
// the programs run for real: finchenc, teskenc and rs (with sox behind it) from the build, rs behind a wrapper
// that notes each argument vector it is given. The compression steps are timed by a clock the test moves.
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "FileDialogScript.h"
#include "LoopScript.h"
#include "WindowsFixture.h"
#include "platform/framework/forms/FolderBrowser.h"
#include "trackmill/app/jobs/StepClock.h"

namespace framework {
class TControl;
}
class TfrmKelmCompress;
class TfrmKelmProcess;

// What the test saw of the progress window while it ran.
struct ProcessWatch {
    std::vector<std::string> captions;
    std::vector<std::string> groups;
    std::vector<std::string> prefixes;
    std::vector<std::string> commandLines;
    std::vector<std::string> estimates;  // Label2 as each step without progress of its own started
    std::vector<int> barMaxima;          // the bar's maximum with each of those
    int highestPercent = 0;
    bool seen = false;
};

class KelmWindowsTest : public WindowsTest {
  protected:
    void SetUp() override;
    void TearDown() override;

    // The main window, started after the options file is written (text of options.ini, or none).
    void Start(const std::string& optionsIni = "");
    // Runs the main window's compression action; the script acts inside it and must close it.
    void RunCompressionWindow();

    TfrmKelmCompress* Compress() const;
    TfrmKelmProcess* Process() const;

    // Script steps as a user takes them.
    void AddFile(const std::string& path);  // clicks "增加↓" and picks the file in the open dialog
    void ClickOn(framework::TControl* control);
    void CompressAndWait();  // clicks "压缩", then waits for the progress window to come and go
    void CloseWindow();      // clicks "关闭"

    // Argument vectors rs was started with, in order.
    std::vector<std::vector<std::string>> ResampleRuns() const;

    std::string In(const std::string& name) const { return File("in/" + name); }
    std::string Out(const std::string& name) const { return File("out/" + name); }

    LoopScript script;
    ProcessWatch watch;
    FileDialogScript fileDialogs;
    std::vector<std::string> folderAnswers;    // one per folder dialog; empty text cancels
    std::vector<std::string> folderQuestions;  // prompt and preselected folder of each
    // Seconds the clock moves at the start of each step, by the step's program ("rs", "teskenc", "finchenc").
    std::function<int(const std::string& program)> stepSeconds = [](const std::string&) { return 0; };
    // Runs on every look while the progress window is up.
    std::function<void(TfrmKelmProcess&)> whileRunning;

  private:
    void LookAtProcess();

    std::chrono::steady_clock::time_point now_;
    TStepClock previousClock_;
    framework::TFolderResponder previousFolderResponder_;
    std::optional<std::string> originalPath_;
    std::chrono::steady_clock::time_point deadline_;
};

// A 44.1 kHz stereo speech WAV of about `seconds`, made from the committed 8 kHz speech by the resampler.
void WriteStereoSpeech(const std::string& path, double seconds);
