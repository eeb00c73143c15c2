// The recorder's player: its buttons and their sets, the play and record timers, the track bar, closing.
#include "trackmill/app/windows/RecordForm.h"

#include "platform/framework/Exception.h"
#include "platform/framework/FileSystem.h"
#include "platform/framework/Sleep.h"
#include "platform/framework/TTimer.h"
#include "platform/framework/controls/Label.h"
#include "platform/framework/controls/Panel.h"
#include "platform/framework/controls/TrackBar.h"
#include "platform/framework/forms/MessageBox.h"
#include "platform/framework/menus/Action.h"
#include "platform/framework/menus/MenuItem.h"
#include "platform/framework/menus/PopupMenu.h"
#include "platform/shell/ShellExecute.h"
#include "platform/user/WindowStyles.h"
#include "trackmill/app/options/OptionsSetting.h"
#include "trackmill/app/options/WritableFiles.h"
#include "trackmill/app/texts/DurationText.h"
#include "trackmill/app/texts/TimeTexts.h"
#include "trackmill/app/windows/RecorderButtonSets.h"

using namespace framework;

namespace {

constexpr int TrackEnd = 400;
constexpr const char* IdleText = "-----------";
constexpr const char* RecordingText = "正在进行录音...";

}  // namespace

TfrmRecord::TfrmRecord(TComponent* owner) : TForm(owner) { BuildLayout(); }

TfrmRecord::~TfrmRecord() {
    // The base form outlives this part of the object: none of its events may reach these handlers any more.
    OnCreate = {};
    OnClose = {};
}

void TfrmRecord::FormCreate(TObject*) {
    miSaveMp3->SetChecked(Options.SaveMp3);
    FFileName.clear();
    FTempFileName = WritableFileName("MyTemp.wav");
    FNoNameFileName = WritableFileName("MyNoName.wav");
    MakeFolderOf(FTempFileName);
    MakeFolderOf(FNoNameFileName);
}

void TfrmRecord::FormClose(TObject*, TCloseAction& Action) {
    Options.SaveMp3 = miSaveMp3->Checked();
    Timer1->SetEnabled(false);
    if (!SaveIfModified(true)) {
        Action = caNone;
        return;
    }
    CloseDeviceIfOpen();
    if (FileExists(FTempFileName)) DeleteFile(FTempFileName);
}

void TfrmRecord::pmExitClick(TObject*) { Close(); }

void TfrmRecord::CloseRecording() {
    Timer1->SetEnabled(false);
    TimerRecord->SetEnabled(false);
    FFileName.clear();
    SetButtons(0);
    lbState->SetCaption(IdleText);
    CloseDeviceIfOpen();
}

void TfrmRecord::SetButtons(TMPBtnTypes buttons) { MediaPlayer1->SetEnabledButtons(buttons); }

std::int64_t TfrmRecord::DeviceLength() { return MediaPlayer1->Length(); }

void TfrmRecord::ShowDuration(TLabel* label, std::int64_t milliseconds) {
    label->SetCaption(DurationText(milliseconds));
}

void TfrmRecord::ShowLength() {
    ShowDuration(lbLength, DeviceLength());
    TrackBar1Change(TrackBar1);
}

void TfrmRecord::MediaPlayer1Click(TObject*, TMPBtnType Button, bool&) {
    switch (Button) {
        case btPlay:
            PlayClicked();
            break;
        case btStop:
            StopClicked();
            break;
        case btNext:
            TrackBar1->SetPosition(TrackEnd);
            SetButtons(recorder_buttons::AtEnd);
            break;
        case btPrev:
            TrackBar1->SetPosition(0);
            SetButtons(recorder_buttons::AtStart);
            break;
        case btRecord:
            RecordClicked();
            break;
        default:
            break;
    }
}

void TfrmRecord::PlayClicked() {
    if (TrackBar1->Position() == TrackEnd) TrackBar1->SetPosition(0);
    if (!Timer1->Enabled()) {
        FPlayPosition = DeviceLength() * TrackBar1->Position() / TrackEnd;
        MediaPlayer1->SetStartPos(static_cast<unsigned>(FPlayPosition));
    }
    lbState->SetCaption("正在播放...");
    SetButtons(recorder_buttons::Playing);
    Timer1->SetEnabled(true);
}

void TfrmRecord::StopClicked() {
    TrackBar1->SetPosition(0);
    Timer1->SetEnabled(false);
    if (TimerRecord->Enabled()) {
        // The capture goes on meanwhile, so the recording ends close to a whole second.
        if (FRecordMs > 100) Sleep(1000u - FRecordMs);
        TimerRecord->SetEnabled(false);
    }
    SetButtons(recorder_buttons::Stopped);
    lbState->SetCaption(IdleText);
    if (!MediaPlayer1->IsOpen() || MediaPlayer1->Mode() != mpRecording) return;
    SaveRecording();
    TrackBar1->SetPosition(TrackEnd);
    ShowLength();
    lbState->SetCaption("录音完成!");
}

void TfrmRecord::RecordClicked() {
    if (FileExists(FTempFileName))
        MediaPlayer1->SetStartPos(static_cast<unsigned>(DeviceLength() * TrackBar1->Position() / TrackEnd));
    FRecordStart = Now();
    TimerRecord->SetEnabled(true);
    SetButtons(recorder_buttons::Recording);
    lbState->SetCaption(RecordingText);
    FModified = true;
}

void TfrmRecord::SaveRecording() {
    try {
        // Stopped first: whatever the capture takes in until then belongs to the saved recording.
        MediaPlayer1->Stop();
        MediaPlayer1->Save();
    } catch (const Exception&) {
        win::MessageBox(Handle(), "保存声音文件出错!", "错误", win::MB_ICONERROR);
    }
}

void TfrmRecord::Timer1Timer(TObject*) {
    FPlayPosition += 500;
    const std::int64_t length = DeviceLength();
    if (FPlayPosition < length) {
        TrackBar1->SetPosition(static_cast<int>(FPlayPosition * TrackEnd / length));
        return;
    }
    TrackBar1->SetPosition(TrackEnd);
    Timer1->SetEnabled(false);
    SetButtons(recorder_buttons::AtEnd);
    lbState->SetCaption(IdleText);
}

void TfrmRecord::TimerRecordTimer(TObject*) {
    std::uint16_t hours = 0;
    std::uint16_t minutes = 0;
    std::uint16_t seconds = 0;
    DecodeTime(Now() - FRecordStart, hours, minutes, seconds, FRecordMs);
    panRecordTime->SetCaption(TwoDigitStr(hours) + ":" + TwoDigitStr(minutes) + ":" + TwoDigitStr(seconds) + "." +
                              std::to_string(FRecordMs / 100));
}

void TfrmRecord::TrackBar1Change(TObject*) {
    if (!MediaPlayer1->IsOpen()) return;
    const std::int64_t length = DeviceLength();
    if (length > 0) ShowDuration(lbPosition, length * TrackBar1->Position() / TrackEnd);
}

void TfrmRecord::actSaveUpdate(TObject* Sender) {
    static_cast<TAction*>(Sender)->SetEnabled((MediaPlayer1->EnabledButtons() & MPButton(btRecord)) != 0);
}

void TfrmRecord::actUndoUpdate(TObject*) {
    actUndo->SetEnabled(FModified && lbState->Caption() != RecordingText && !IsNewRecording());
}

void TfrmRecord::miRecordOptionSetClick(TObject*) {
    // The volume control is found by the shell; it needs no folder here.
    win::ShellExecuteA(Handle(), "open", "sndvol32.exe", "/r", "", win::SW_SHOWNORMAL);
}
