#include "trackmill/app/windows/RipForm.h"

#include "platform/framework/FileNames.h"
#include "platform/framework/FileSystem.h"
#include "platform/framework/TStringList.h"
#include "platform/framework/controls/Button.h"
#include "platform/framework/controls/GroupBox.h"
#include "platform/framework/controls/Label.h"
#include "platform/framework/controls/ProgressBar.h"
#include "platform/framework/forms/Application.h"
#include "platform/framework/forms/MessageBox.h"
#include "platform/user/MessagePayload.h"
#include "trackmill/app/jobs/CDRipThread.h"
#include "trackmill/app/jobs/FileInUse.h"
#include "trackmill/app/jobs/Mp3EncodeProcess.h"
#include "trackmill/app/jobs/ProcessInfo.h"
#include "trackmill/app/options/OptionsSetting.h"
#include "trackmill/app/texts/PathSlash.h"
#include "trackmill/app/texts/TimeTexts.h"
#include "trackmill/app/windows/StoredLayout.h"

using namespace framework;

namespace {

constexpr std::int32_t OutputMp3 = 0;
constexpr std::int32_t OutputWav = 1;

const TProcessInfo& InfoOf(const TMessage& message) {
    return static_cast<const TProcessInfo&>(*reinterpret_cast<const win::MessagePayload*>(message.LParam));
}

std::string OutputFileOf(const std::string& item, const std::string& extension) {
    return AppendPathSlash(Options.OutputFolder) + ChangeFileExt(ExtractFileName(item), extension);
}

}  // namespace

TRipForm::TRipForm(TComponent* owner, TRipMode mode, std::uint32_t cdHandle, const TStringList& items)
    : TForm(owner), FMode(mode), FCDHandle(cdHandle) {
    BuildLayout();
    FItems = std::make_unique<std::vector<std::string>>();
    for (int i = 0; i < items.Count(); ++i) FItems->push_back(items.Strings(i));
    FEncoded.assign(FItems->size(), false);
    SetMessageHandler(WM_RIP_ERROR, TMessageHandler::Bind<&TRipForm::WMRipError>(this));
    SetMessageHandler(WM_RIP_PROGRESS, TMessageHandler::Bind<&TRipForm::WMRipProgress>(this));

    if (!FItems->empty()) {
        switch (FMode) {
            case rmRipTracks:
                FRipIndex = 0;
                RipItem(0);
                break;
            case rmWavToMp3:
            case rmMp3ToWav:
                FEncodeIndex = 0;
                StartFileJob(0);
                break;
            case rmRecordingToMp3:
                FEncodeIndex = 0;
                GroupBox1->SetCaption("正在编码 WAV 为 MP3");
                SetCaption("正在编码(" + ItemCounter(0) + "): " + FItems->front());
                StartMp3Job(FItems->front(), ChangeFileExt(FItems->front(), ".mp3"), true);
                break;
        }
    }
    Label3->SetCaption("0%");
    Label1->SetCaption("");
    Label2->SetCaption("");
    if (auto* main = dynamic_cast<TControl*>(owner)) {
        SetBounds(main->Left() + (main->Width() - Width()) / 2, main->Top() + (main->Height() - Height()) / 2, Width(),
                  Height());
    }
}

TRipForm::~TRipForm() {
    OnClose = {};
    StopAll();
}

void TRipForm::BuildLayout() {
    BeginLoading();
    SetName("RipForm");
    SetBorderStyle(bsDialog);
    SetDialogFont(Font());
    SetClientSize(300, 156);
    OnClose = TCloseEvent::Bind<&TRipForm::FormClose>(this);

    GroupBox1 = Place<TGroupBox>(this, this, "GroupBox1", 8, 8, 284, 105, "正在抓取音轨");
    Label400 = Place<TLabel>(this, GroupBox1, "Label400", 12, 24, 40, 13, "进度：");
    Label3 = Place<TLabel>(this, GroupBox1, "Label3", 56, 24, 200, 13, "");
    ProgressBar1 = Place<TProgressBar>(this, GroupBox1, "ProgressBar1", 12, 44, 260, 16, nullptr);
    ProgressBar1->SetSmooth(true);
    ProgressBar1->SetMin(0);
    ProgressBar1->SetMax(100);
    Label10 = Place<TLabel>(this, GroupBox1, "Label10", 12, 74, 60, 13, "已用时间:");
    Label1 = Place<TLabel>(this, GroupBox1, "Label1", 74, 74, 60, 13, "");
    Label20 = Place<TLabel>(this, GroupBox1, "Label20", 146, 74, 60, 13, "估计用时:");
    Label2 = Place<TLabel>(this, GroupBox1, "Label2", 208, 74, 60, 13, "");
    btStop = Place<TButton>(this, this, "btStop", 113, 122, 75, 25, "停止");
    btStop->OnClick = TNotifyEvent::Bind<&TRipForm::btStopClick>(this);

    EndLoading();
}

std::string TRipForm::ItemCounter(int index) const {
    const std::string position = index == 0 ? "01" : TwoDigitStr(index + 1);
    return position + "/" + TwoDigitStr(ItemCount());
}

std::string TRipForm::TrackWav(int index) const {
    return AppendPathSlash(Options.OutputFolder) + "Track" + (*FItems)[static_cast<std::size_t>(index)] + ".wav";
}

void TRipForm::ErrorBox(const std::string& text, const std::string& caption) {
    win::MessageBox(Handle(), text.c_str(), caption.c_str(), win::MB_ICONERROR);
}

void TRipForm::RipItem(int index) {
    SetCaption("正在抓取(" + ItemCounter(index) + "): 音轨" + (*FItems)[static_cast<std::size_t>(index)]);
    if (FRipThread) {
        FRipThread->Free();
        FRipThread = nullptr;
    }
    StartRip(static_cast<std::int32_t>(std::stol((*FItems)[static_cast<std::size_t>(index)])));
}

void TRipForm::StartRip(std::int32_t track) {
    FRipThread = new TCDRipThread(track);
    FRipThread->FCDHandle = FCDHandle;
    FRipThread->FNotifyWindow = Handle();
    FRipThread->Resume();
}

void TRipForm::StartMp3Job(const std::string& source, const std::string& dest, bool encode) {
    // Progress of the rip before it is not the encoder's: only the encoder's own output makes its job a success.
    FProgressSeen = false;
    Mp3Process->FRunning = true;
    Mp3Process->FSourceFile = source;
    Mp3Process->FDestFile = dest;
    Mp3Process->FNotifyWindow = Handle();
    Mp3Process->FEncode = encode;
    Mp3Process->FMode = FMode;
    Mp3Process->Start();
}

void TRipForm::StartFileJob(int index) {
    const std::string& item = (*FItems)[static_cast<std::size_t>(index)];
    const bool encode = FMode == rmWavToMp3;
    if (encode) {
        GroupBox1->SetCaption(index == 0 ? "正在编码 WAV 为 MP3" : "正在编码");
        SetCaption("正在编码(" + ItemCounter(index) + "): " + item);
    } else {
        GroupBox1->SetCaption(index == 0 ? "正在解码 MP3 为 WAV" : "正在解码");
        SetCaption("正在解码(" + ItemCounter(index) + "): " + item);
    }
    StartMp3Job(item, OutputFileOf(item, encode ? ".mp3" : ".wav"), encode);
}

void TRipForm::WMRipError(TMessage& Message) {
    ShowMessage(Message.LParam == RIP_ERROR_SETUP ? "抓取CD音轨失败！请重新尝试！" : "读取CD信息出错！");
    // Nothing more comes from a thread that reported this: the chain ends here rather than leave the window
    // waiting for a track that never finishes.
    StopAll();
    Close();
}

void TRipForm::WMRipProgress(TMessage& Message) {
    if (!FItems) return;  // a late report after the chain ended
    const TProcessInfo& info = InfoOf(Message);
    switch (info.Percent) {
        case PI_NORMALIZING:
            SetCaption("正在规格化(" + ItemCounter(FRipIndex) + "): 音轨" +
                       (*FItems)[static_cast<std::size_t>(FRipIndex)]);
            break;
        case PI_TRACK_DONE:
            TrackDone(info);
            break;
        case PI_MP3_DONE:
            Mp3Done(info);
            break;
        default:
            ShowProgress(info);
            break;
    }
}

void TRipForm::TrackDone(const TProcessInfo& info) {
    const std::string& item = (*FItems)[static_cast<std::size_t>(FRipIndex)];
    // The track's older file, if any, is still there as it was.
    if (info.Status == TRACK_DISK_FULL)
        ErrorBox("磁盘已满，音轨" + item + "的WAV文件无法写入，抓轨失败！\r\n" + info.Cause, "音频抓轨");
    else if (info.Status == TRACK_FILE_FAILED)
        ErrorBox("输出文件夹无法写入，音轨" + item + "的WAV文件无法写入，抓轨失败！\r\n" + info.Cause, "音频抓轨");
    else if (info.Status == TRACK_READ_FAILED)
        ErrorBox("读取CD信息时出错！", "音频抓轨");
    else if (info.Status == TRACK_GAIN_FAILED)
        ErrorBox("规格化音轨" + item + "失败：" + info.Cause + "\r\n保留未规格化的WAV文件。", "音频抓轨");
    ProgressBar1->SetPosition(0);
    ++FRipIndex;
    if (Options.OutputFormat != OutputMp3) {
        if (FRipIndex == ItemCount()) {
            StopAll();
            Close();
            return;
        }
        RipItem(FRipIndex);
        Label3->SetCaption("正在初始化...");
        return;
    }
    if (info.Status != TRACK_DONE_OK && info.Status != TRACK_GAIN_FAILED) {
        // Counted as this track's MP3 job, which then shows no second box.
        auto handOn = std::make_unique<TProcessInfo>();
        handOn->Percent = PI_MP3_DONE;
        handOn->Status = info.Status;
        win::PostOwnedMessage(Handle(), WM_RIP_PROGRESS, 0, std::move(handOn));
        FProgressSeen = true;
        return;
    }
    const int ripped = FRipIndex - 1;
    SetCaption("正在编码(" + ItemCounter(ripped) + "): 音轨" + (*FItems)[static_cast<std::size_t>(ripped)]);
    GroupBox1->SetCaption("正在编码");
    StartMp3Job(TrackWav(ripped), ChangeFileExt(TrackWav(ripped), ".mp3"), true);
}

void TRipForm::Mp3Done(const TProcessInfo& info) {
    // Only an encoder that said it succeeded leaves an MP3 that may stand in for its WAV.
    const bool succeeded = info.Status == JOB_CHILD_ENDED && info.OutputComplete && FProgressSeen;
    const std::string failedText = "产生MP3文件出错！\r\n请检查MP3编码参数或重新运行程序！";
    if (info.Status == JOB_OUTPUT_UNWRITABLE) {
        ErrorBox(info.Cause, "错误");
    } else if (!FProgressSeen) {
        if (info.Status == JOB_OUTPUT_IN_USE)
            ErrorBox((*FItems)[static_cast<std::size_t>(FEncodeIndex)] + "可能正在被使用，操作失败！", "错误");
        else if (info.Status != JOB_OVERWRITE_DECLINED)
            ErrorBox(info.Cause.empty() ? failedText : failedText + "\r\n" + info.Cause, "错误");
    } else if (info.Status == JOB_CHILD_ENDED && !info.OutputComplete) {
        // Progress came and then the encoder failed (a full disk, a crash): its cut file is gone.
        ErrorBox("产生MP3文件出错！\r\n" + info.Cause, "错误");
    }
    if (succeeded && FEncodeIndex < ItemCount()) FEncoded[static_cast<std::size_t>(FEncodeIndex)] = true;
    FProgressSeen = false;
    ++FEncodeIndex;
    if (FEncodeIndex >= ItemCount()) {
        StopAll();
        Close();
        return;
    }
    if (FMode == rmRipTracks) {
        RipItem(FRipIndex);
        Label3->SetCaption("正在初始化...");
        GroupBox1->SetCaption("正在抓取音轨");
    } else if (FMode == rmWavToMp3 || FMode == rmMp3ToWav) {
        StartFileJob(FEncodeIndex);
    }
}

void TRipForm::ShowProgress(const TProcessInfo& info) {
    FProgressSeen = true;
    ProgressBar1->SetPosition(info.Percent);
    Label3->SetCaption(std::to_string(info.Percent) + "%");
    Label1->SetCaption(info.ElapsedText);
    Label2->SetCaption(info.EstimatedText);
}

void TRipForm::StopAll() {
    if (!FItems) return;
    if (FRipThread) {
        FRipThread->FStopFlag = true;
        FRipThread->Free();
        FRipThread = nullptr;
    }
    // The encoder lets go of its files before any WAV is judged: a WAV still being read must not be deleted.
    if (Mp3Process && Mp3Process->FRunning) Mp3Process->Stop(0);
    if (FRipIndex == ItemCount() && Options.OutputFormat == OutputMp3 && !Options.IsKeepWav && FMode == rmRipTracks) {
        for (int i = 0; i < ItemCount(); ++i) {
            const std::string wav = TrackWav(i);
            if (FEncoded[static_cast<std::size_t>(i)] && FileExists(wav) && !IsFileInUse(wav)) DeleteFile(wav);
        }
    }
    FItems.reset();
}

void TRipForm::btStopClick(TObject*) {
    StopAll();
    Close();
}

void TRipForm::FormClose(TObject*, TCloseAction&) {
    if (FItems) StopAll();
}
