#pragma once
// The sound recorder: makes a new recording or opens a WAV file, plays it, records into it at a chosen point,
// saves it (optionally making an MP3 of each save), saves it under another name and undoes the changes since the
// last save. An opened file is worked on through a working copy; a new recording is made in a file of its own
// and takes its name at its first save.
#include <cstdint>
#include <string>

#include "platform/framework/DateTime.h"
#include "platform/framework/forms/Form.h"
#include "platform/framework/mediaplayer/MediaPlayer.h"

namespace framework {
class TAction;
class TActionList;
class TGroupBox;
class TImage;
class TLabel;
class TMenuItem;
class TOpenDialog;
class TPanel;
class TPopupMenu;
class TSaveDialog;
class TTimer;
class TTrackBar;
}  // namespace framework
namespace components {
class TAfStartButton;
}

class TfrmRecord : public framework::TForm {
  public:
    explicit TfrmRecord(framework::TComponent* owner);
    ~TfrmRecord() override;

    framework::TGroupBox* GroupBox1 = nullptr;
    framework::TPanel* Panel1 = nullptr;
    framework::TLabel* Label1 = nullptr;
    framework::TLabel* lbPosition = nullptr;
    framework::TPanel* Panel2 = nullptr;
    framework::TLabel* Label3 = nullptr;
    framework::TLabel* lbLength = nullptr;
    framework::TPanel* panRecordTime = nullptr;
    framework::TLabel* lbState = nullptr;
    framework::TTrackBar* TrackBar1 = nullptr;
    framework::TMediaPlayer* MediaPlayer1 = nullptr;
    framework::TPanel* Panel3 = nullptr;
    components::TAfStartButton* AfStartButton1 = nullptr;
    framework::TImage* StartButtonImage = nullptr;
    framework::TPopupMenu* PopupMenu1 = nullptr;
    framework::TMenuItem* miNew = nullptr;
    framework::TMenuItem* miOpen = nullptr;
    framework::TMenuItem* miSave = nullptr;
    framework::TMenuItem* miSaveAs = nullptr;
    framework::TMenuItem* miUndo = nullptr;
    framework::TMenuItem* miRecordOptionSet = nullptr;
    framework::TMenuItem* miSaveMp3 = nullptr;
    framework::TMenuItem* pmExit = nullptr;
    framework::TActionList* ActionList1 = nullptr;
    framework::TAction* actSave = nullptr;
    framework::TAction* actSaveAs = nullptr;
    framework::TAction* actUndo = nullptr;
    framework::TOpenDialog* OpenDialog1 = nullptr;
    framework::TSaveDialog* SaveDialog1 = nullptr;
    framework::TTimer* Timer1 = nullptr;
    framework::TTimer* TimerRecord = nullptr;

    // Positions and lengths in milliseconds, wide enough for recordings of any length.
    std::int64_t FPlayPosition = 0;
    std::string FFileName;
    std::string FTempFileName;
    std::string FNoNameFileName;
    framework::TDateTime FRecordStart = 0;
    bool FModified = false;
    bool FMp3Confirmed = false;
    std::uint16_t FRecordMs = 0;

    // The length or position text of a label.
    void ShowDuration(framework::TLabel* label, std::int64_t milliseconds);
    // A 44-byte WAV file of no samples in the given format; raises EInOutError when it cannot be written.
    void WriteEmptyWav(int channels, int bits, const std::string& fileName, int sampleRate);
    void LoadSoundFile(const std::string& fileName);
    // Saves the recording if it was changed, asking first when ask is set; false means the operation that called
    // it is to be abandoned.
    bool SaveIfModified(bool ask);
    // Stops the capture and writes what the device holds into its file.
    void SaveRecording();
    void MakeMp3OnSave();
    // A whole copy of source under destination's name; raises EInOutError when it cannot be made, and then
    // destination is as it was.
    void CopySoundFile(const std::string& source, const std::string& destination);

  private:
    void BuildLayout();
    void BuildGroup();
    void BuildMenu();

    void FormCreate(framework::TObject* Sender);
    void FormClose(framework::TObject* Sender, framework::TCloseAction& Action);
    void pmExitClick(framework::TObject* Sender);
    void miNewClick(framework::TObject* Sender);
    void miOpenClick(framework::TObject* Sender);
    void actSaveExecute(framework::TObject* Sender);
    void actSaveAsExecute(framework::TObject* Sender);
    void actUndoExecute(framework::TObject* Sender);
    void actSaveUpdate(framework::TObject* Sender);
    void actUndoUpdate(framework::TObject* Sender);
    void MediaPlayer1Click(framework::TObject* Sender, framework::TMPBtnType Button, bool& DoDefault);
    void Timer1Timer(framework::TObject* Sender);
    void TimerRecordTimer(framework::TObject* Sender);
    void TrackBar1Change(framework::TObject* Sender);
    void miRecordOptionSetClick(framework::TObject* Sender);

    void PlayClicked();
    void StopClicked();
    void RecordClicked();
    // The device on the control's file again, in milliseconds.
    void OpenDevice();
    void CloseDeviceIfOpen();
    // No recording open any more: the device closed, the timers off, no button enabled.
    void CloseRecording();
    // The length text, and the position text again for the bar's share of that length.
    void ShowLength();
    // Moves the new recording to name, replacing a file there; false, with the message shown, when it cannot.
    bool MoveNewRecording(const std::string& name);
    // Asks whether an existing file of that name may be replaced.
    bool MayReplace(const std::string& name);
    bool IsNewRecording() const { return FFileName == FNoNameFileName; }
    std::int64_t DeviceLength();
    void SetButtons(framework::TMPBtnTypes buttons);
};
