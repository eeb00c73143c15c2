#pragma once
// The modal progress window of a compression run: each file in turn resampled to 8000 Hz mono 16-bit when it needs
// it, encoded by the chosen speech encoder, its temporary copy removed; the steps are chained by the messages the
// job posts. For the steps that report no progress (resampling, Lark) it shows an estimate from learned speeds.
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/framework/forms/Form.h"

namespace framework {
class TButton;
class TGroupBox;
class TLabel;
class TProgressBar;
class TStringList;
class TTimer;
}  // namespace framework

class TKelmEncodeProcess;
struct TProcessInfo;

class TfrmKelmProcess : public framework::TForm {
  public:
    // Starts the first file's first step. CommandPrefix is the encoder's command head ("teskenc.exe rc.txt 1",
    // "finchenc.exe 24"); Files the full paths to compress, kept as a copy. A file whose step cannot start is
    // reported in a box and skipped; when none is left the window closes as soon as it runs.
    TfrmKelmProcess(framework::TComponent* Owner, const std::string& CommandPrefix,
                    const framework::TStringList& Files);
    ~TfrmKelmProcess() override;

    framework::TGroupBox* GroupBox1 = nullptr;
    framework::TLabel* Label400 = nullptr;
    framework::TLabel* Label3 = nullptr;
    framework::TProgressBar* ProgressBar1 = nullptr;
    framework::TLabel* Label10 = nullptr;
    framework::TLabel* Label1 = nullptr;
    framework::TLabel* Label20 = nullptr;
    framework::TLabel* Label2 = nullptr;
    framework::TButton* btStop = nullptr;
    framework::TTimer* Timer1 = nullptr;

    // Ends the running step and the chain; the temporary copy of the current file goes with it. Idempotent.
    void StopAll();

    const std::string& CommandPrefix() const { return FCommandPrefix; }
    // The running step's command as a user would type it; empty once the chain has ended.
    std::string StepCommandLine() const;

  private:
    void BuildLayout();

    void WMKelmProgress(framework::TMessage& Message);
    void Timer1Timer(framework::TObject* Sender);
    void btStopClick(framework::TObject* Sender);
    void FormClose(framework::TObject* Sender, framework::TCloseAction& Action);

    // Starts the first step of file index; a file that cannot be started is reported and the chain goes on.
    void StartFile(int index);
    void PrepareResample(int index, const std::string& options);
    void PrepareEncode(int index, const std::string& source);
    // The step that ended was the file's last, or it failed: the copy goes, the next file starts.
    void FinishFile();
    void NextFile();
    // Closes at once when shown, or as soon as the modal run starts when the chain ended in the constructor.
    void CloseWhenDone();
    void StepFailed(const std::string& text);
    bool StepSucceeded(const TProcessInfo& info) const;
    std::string StepFailureText(const TProcessInfo& info) const;
    void ShowFinchProgress(std::int32_t percent, const std::string& elapsed, const std::string& estimated);
    void ResetDisplay();
    void RemoveCopy(bool evenInUse);

    void StartEstimate(const std::string& FileName, std::int32_t Rate);
    int GetRateIndex() const;
    std::int64_t StepSeconds() const;
    std::string FileCounter(int index) const;
    const std::string& CurrentFile() const;
    void ErrorBox(const std::string& text);

    std::unique_ptr<std::vector<std::string>> FFileList;
    std::string FOutputExt;
    std::string FCommandPrefix;
    bool FProgressSeen = false;
    std::chrono::steady_clock::time_point FStartTime;
    std::int64_t FFileSize = 0;
    std::unique_ptr<TKelmEncodeProcess> FProcess;
    std::int32_t FFileIndex = 0;
    // The current file's resampled copy while it may exist; ours alone, so removed also when the chain stops.
    std::string FCopy;
};
