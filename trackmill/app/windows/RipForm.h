#pragma once
// The modal progress window that runs a chain of rips and MP3 jobs one after the other, started and advanced by the
// messages its workers post to it.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/framework/forms/Form.h"
#include "trackmill/app/jobs/RipMode.h"

namespace framework {
class TButton;
class TGroupBox;
class TLabel;
class TProgressBar;
class TStringList;
}  // namespace framework

class TCDRipThread;
struct TProcessInfo;

class TRipForm : public framework::TForm {
  public:
    // Builds the window and starts the first job; an MP3 job that cannot start throws, and no window is left.
    TRipForm(framework::TComponent* owner, TRipMode mode, std::uint32_t cdHandle, const framework::TStringList& items);
    ~TRipForm() override;

    framework::TGroupBox* GroupBox1 = nullptr;
    framework::TLabel* Label400 = nullptr;
    framework::TLabel* Label3 = nullptr;
    framework::TProgressBar* ProgressBar1 = nullptr;
    framework::TLabel* Label10 = nullptr;
    framework::TLabel* Label1 = nullptr;
    framework::TLabel* Label20 = nullptr;
    framework::TLabel* Label2 = nullptr;
    framework::TButton* btStop = nullptr;

    // Ends the running job and drops the item list.
    void StopAll();

  private:
    void BuildLayout();
    void StartRip(std::int32_t track);
    void StartMp3Job(const std::string& source, const std::string& dest, bool encode);
    void StartFileJob(int index);
    void RipItem(int index);

    void WMRipError(framework::TMessage& Message);
    void WMRipProgress(framework::TMessage& Message);
    void TrackDone(const TProcessInfo& info);
    void Mp3Done(const TProcessInfo& info);
    void ShowProgress(const TProcessInfo& info);
    void btStopClick(framework::TObject* Sender);
    void FormClose(framework::TObject* Sender, framework::TCloseAction& Action);

    std::string ItemCounter(int index) const;
    std::string TrackWav(int index) const;
    int ItemCount() const { return static_cast<int>(FItems ? FItems->size() : 0); }
    void ErrorBox(const std::string& text, const std::string& caption);

    TCDRipThread* FRipThread = nullptr;
    std::int32_t FRipIndex = 0;
    std::int32_t FEncodeIndex = 0;
    std::unique_ptr<std::vector<std::string>> FItems;
    TRipMode FMode;
    std::uint32_t FCDHandle;
    bool FProgressSeen = false;
    // Which ripped tracks were encoded to MP3 with success: only their WAVs may go at the end.
    std::vector<bool> FEncoded;
};
