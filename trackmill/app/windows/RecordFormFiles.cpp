// The recorder's files: new recordings, opening, loading into the working copy, saving, saving under a new
// name, undoing, and the MP3 made on each save.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>

#include "platform/framework/EConvertError.h"
#include "platform/framework/EInOutError.h"
#include "platform/framework/FileNames.h"
#include "platform/framework/FileSystem.h"
#include "platform/framework/TStringList.h"
#include "platform/framework/controls/ComboBox.h"
#include "platform/framework/controls/Label.h"
#include "platform/framework/controls/Panel.h"
#include "platform/framework/controls/RadioButton.h"
#include "platform/framework/controls/TrackBar.h"
#include "platform/framework/forms/Application.h"
#include "platform/framework/forms/MessageBox.h"
#include "platform/framework/forms/OpenDialog.h"
#include "platform/framework/menus/MenuItem.h"
#include "platform/media/PcmFormat.h"
#include "platform/media/WaveFile.h"
#include "trackmill/app/jobs/FileInUse.h"
#include "trackmill/app/jobs/RipMode.h"
#include "trackmill/app/jobs/WaveHeader.h"
#include "trackmill/app/options/WritableFiles.h"
#include "trackmill/app/windows/NewRecordFileForm.h"
#include "trackmill/app/windows/RecordForm.h"
#include "trackmill/app/windows/RecorderButtonSets.h"
#include "trackmill/app/windows/RipForm.h"

using namespace framework;
using platform::media::PcmFormat;
using platform::media::ReadWaveLayout;
using platform::media::WaveLayout;
using platform::media::WaveReadStatus;

namespace {

constexpr const char* Unnamed = "未命名";
constexpr const char* MoveFailed = "保存WAV声音文件失败，请检查文件是否正在被使用！";

int Ask(const std::string& text, const char* caption, win::UINT buttons) {
    return Application->MessageBox(text, caption, buttons | win::MB_ICONINFORMATION);
}

void Error(const std::string& text) { Application->MessageBox(text, "错误", win::MB_ICONERROR); }

// The sample rate a WAV file's header gives, or 0 when it cannot be read: the device then says what is wrong.
std::uint32_t FileSampleRate(const std::string& name) {
    const int file = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
    if (file < 0) return 0;
    WaveLayout layout;
    std::string failure;
    const bool read = ReadWaveLayout(file, layout, failure) == WaveReadStatus::Read;
    ::close(file);
    return read ? layout.format.sampleRate : 0;
}

}  // namespace

void TfrmRecord::WriteEmptyWav(int channels, int bits, const std::string& fileName, int sampleRate) {
    const TWaveHeader header{static_cast<std::uint16_t>(channels), static_cast<std::uint32_t>(sampleRate),
                             static_cast<std::uint16_t>(bits), 0};
    const auto bytes = header.ToBytes();
    std::ofstream file(fileName, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    file.close();
    if (!file) throw EInOutError("Cannot write " + fileName, errno);
}

void TfrmRecord::CopySoundFile(const std::string& source, const std::string& destination) {
    if (!CopyFileReplacing(source, destination))
        throw EInOutError("Cannot copy " + source + " to " + destination, errno);
}

void TfrmRecord::OpenDevice() {
    MediaPlayer1->SetTimeFormat(tfMilliseconds);
    MediaPlayer1->Open();
}

void TfrmRecord::CloseDeviceIfOpen() {
    if (MediaPlayer1->IsOpen()) MediaPlayer1->Close();
}

void TfrmRecord::miNewClick(TObject*) {
    if (!SaveIfModified(true)) return;
    TfrmNewRecordFile dialog(this);
    if (dialog.ShowModal() != mrOk) return;
    try {
        const int channels = dialog.rbChannelNumber->Checked() ? 1 : 2;
        const int bits = dialog.rbBitNumber->Checked() ? 8 : 16;
        FFileName = FNoNameFileName;
        CloseDeviceIfOpen();
        const std::uint32_t sampleRate = dialog.SampleRate();
        if (sampleRate == 0) throw EConvertError("no sample rate");
        WriteEmptyWav(channels, bits, FFileName, static_cast<int>(sampleRate));
        MediaPlayer1->SetDeviceType(dtAutoSelect);
        MediaPlayer1->SetFileName(FFileName);
        OpenDevice();
        SetButtons(recorder_buttons::New);
    } catch (const std::exception&) {
        // Before the box: a timer still running for the closed device would raise errors of its own meanwhile.
        CloseRecording();
        win::MessageBox(Handle(), "媒体设备初始化失败！", "错误", win::MB_ICONERROR);
    }
    panRecordTime->SetCaption("00:00:00.0");
    lbLength->SetCaption("0.00秒");
    lbPosition->SetCaption("0.00秒");
    SetCaption(std::string("录音(") + Unnamed + ")");
    TrackBar1->SetPosition(0);
    FMp3Confirmed = false;
}

void TfrmRecord::miOpenClick(TObject*) {
    if (!SaveIfModified(true)) return;
    OpenDialog1->SetInitialDir(ProgramFolder());
    while (OpenDialog1->Execute()) {
        const std::string name = OpenDialog1->FileName();
        if (name == FFileName) return;
        if (!FileExists(name)) {
            win::MessageBox(Handle(), (name + "\r\n找不到文件！\r\n请检查文件名是否正确").c_str(), "错误",
                            win::MB_ICONEXCLAMATION);
            continue;
        }
        if (const std::uint32_t rate = FileSampleRate(name); rate != 0 && !PcmFormat::isPlayableRate(rate)) {
            win::MessageBox(
                Handle(),
                (name + "\r\n采样率为" + std::to_string(rate) + "赫兹，声卡无法播放和录制。\r\n" + "采样率须在" +
                 std::to_string(PcmFormat::kLowestRate) + "到" + std::to_string(PcmFormat::kHighestRate) + "赫兹之间。")
                    .c_str(),
                "错误", win::MB_ICONEXCLAMATION);
            continue;
        }
        FFileName = name;
        SetCaption("录音(" + name + ")");
        TrackBar1->SetPosition(0);
        FMp3Confirmed = false;
        LoadSoundFile(name);
        return;
    }
}

void TfrmRecord::LoadSoundFile(const std::string& fileName) {
    FFileName = fileName;
    CopySoundFile(fileName, FTempFileName);
    MediaPlayer1->SetFileName(FTempFileName);
    CloseDeviceIfOpen();
    try {
        OpenDevice();
    } catch (...) {
        CloseRecording();
        throw;
    }
    SetButtons(recorder_buttons::Loaded);
    ShowLength();
    SetCaption("录音(" + FFileName + ")");
}

bool TfrmRecord::MayReplace(const std::string& name) {
    return !FileExists(name) || Ask("文件" + name + "已经存在，要改写它吗？", "录音", win::MB_YESNO) == win::IDYES;
}

bool TfrmRecord::MoveNewRecording(const std::string& name) {
    // A file held open elsewhere is left to its user, as one that could not be deleted would be.
    if (FileExists(name) && IsFileInUse(name)) {
        Error("删除" + name + "文件失败，请检查文件是否正在被使用！");
        return false;
    }
    CloseDeviceIfOpen();
    if (FileExists(FTempFileName)) DeleteFile(FTempFileName);
    if (MoveFileReplacing(FFileName, name)) return true;
    Error(MoveFailed);
    // The recording is still where it was: the device goes on with it.
    OpenDevice();
    return false;
}

bool TfrmRecord::SaveIfModified(bool ask) {
    if (FFileName.empty()) return true;
    if (MediaPlayer1->EnabledButtons() & MPButton(btStop)) StopClicked();
    if (!FModified && !(IsNewRecording() && !ask)) return true;
    if (FModified && ask) {
        const std::string name = IsNewRecording() ? Unnamed : FFileName;
        const int answer = Ask("文件\"" + name + "\"已经更改，是否保存所做的更改？", "提示", win::MB_YESNOCANCEL);
        if (answer == win::IDCANCEL) return false;
        if (answer == win::IDNO) {
            FModified = false;
            return true;
        }
    }
    if (!IsNewRecording()) {
        CopySoundFile(FTempFileName, FFileName);
        MakeMp3OnSave();
        FModified = false;
        return true;
    }
    SaveDialog1->SetInitialDir(ProgramFolder());
    if (!SaveDialog1->Execute()) return false;
    const std::string name = SaveDialog1->FileName();
    if (!MayReplace(name) || !MoveNewRecording(name)) return false;
    LoadSoundFile(name);
    MakeMp3OnSave();
    FModified = false;
    return true;
}

void TfrmRecord::actSaveExecute(TObject*) { SaveIfModified(false); }

void TfrmRecord::actSaveAsExecute(TObject*) {
    SaveDialog1->SetInitialDir(ProgramFolder());
    if (!SaveDialog1->Execute()) return;
    const std::string name = SaveDialog1->FileName();
    if (!MayReplace(name)) return;
    if (!IsNewRecording()) {
        CloseDeviceIfOpen();
        try {
            CopySoundFile(FTempFileName, name);
        } catch (...) {
            OpenDevice();
            throw;
        }
    } else if (!MoveNewRecording(name)) {
        return;
    }
    LoadSoundFile(name);
    FMp3Confirmed = false;
    MakeMp3OnSave();
}

void TfrmRecord::actUndoExecute(TObject*) {
    if (Ask("是否放弃上次保存文件后所做的更改？", "录音", win::MB_YESNO) != win::IDYES) return;
    CloseDeviceIfOpen();
    CopySoundFile(FFileName, FTempFileName);
    MediaPlayer1->SetFileName(FTempFileName);
    OpenDevice();
    SetButtons(recorder_buttons::Loaded);
    ShowLength();
}

void TfrmRecord::MakeMp3OnSave() {
    if (!miSaveMp3->Checked() || FFileName.empty()) return;
    const std::string mp3 = ChangeFileExt(FFileName, ".mp3");
    if (!FMp3Confirmed && FileExists(mp3)) {
        if (Ask("文件" + mp3 + "已经存在，要改写它吗？", "提示", win::MB_YESNO) != win::IDYES) return;
        if (IsFileInUse(mp3)) {
            Error(mp3 + "可能正在被使用，不能重新产生！");
            return;
        }
    }
    FMp3Confirmed = true;
    // Encoding a saved recording never reads the CD, and leaves the rip's output format to the rips.
    TStringList items;
    items.Add(FFileName);
    TRipForm rip(this, rmRecordingToMp3, 0, items);
    rip.ShowModal();
}
