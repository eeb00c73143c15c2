#include "trackmill/app/windows/KelmProcess.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/framework/FileNames.h"
#include "platform/framework/FileSystem.h"
#include "platform/framework/Round.h"
#include "platform/framework/TFileStream.h"
#include "platform/framework/TStringList.h"
#include "platform/framework/TTimer.h"
#include "platform/framework/controls/GroupBox.h"
#include "platform/framework/controls/Label.h"
#include "platform/framework/controls/ProgressBar.h"
#include "platform/framework/forms/MessageBox.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/MessagePayload.h"
#include "trackmill/app/jobs/FileInUse.h"
#include "trackmill/app/jobs/KelmCommandPrefix.h"
#include "trackmill/app/jobs/KelmEncodeProcess.h"
#include "trackmill/app/jobs/ProcessInfo.h"
#include "trackmill/app/jobs/ResampleCopyName.h"
#include "trackmill/app/jobs/ResampleOptions.h"
#include "trackmill/app/jobs/StepClock.h"
#include "trackmill/app/jobs/StepSpeeds.h"
#include "trackmill/app/options/OptionsSetting.h"
#include "trackmill/app/options/WritableFiles.h"
#include "trackmill/app/texts/PathSlash.h"
#include "trackmill/app/texts/TimeTexts.h"

using namespace framework;

namespace {

const char* const EncodeFailedText = "产生Kelm文件出错！\r\n请检查Kelm编码参数或重新运行程序！";

// Why the file cannot be read, in the system's words; empty when it can.
std::string UnreadableCause(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::strerror(errno);
    close(fd);
    return {};
}

const TProcessInfo& InfoOf(const TMessage& message) {
    return static_cast<const TProcessInfo&>(*reinterpret_cast<const win::MessagePayload*>(message.LParam));
}

}  // namespace

TfrmKelmProcess::TfrmKelmProcess(TComponent* Owner, const std::string& CommandPrefix, const TStringList& Files)
    : TForm(Owner), FCommandPrefix(CommandPrefix) {
    BuildLayout();
    FFileList = std::make_unique<std::vector<std::string>>();
    for (int i = 0; i < Files.Count(); ++i) FFileList->push_back(Files.Strings(i));
    Label3->SetCaption("");
    Label1->SetCaption("");
    Label2->SetCaption("");
    SetMessageHandler(WM_KELM_PROGRESS, TMessageHandler::Bind<&TfrmKelmProcess::WMKelmProgress>(this));
    FProcess = std::make_unique<TKelmEncodeProcess>();
    FProcess->FRunning = true;
    if (FFileList->empty()) {
        StopAll();
        CloseWhenDone();
        return;
    }
    StartFile(0);
}

TfrmKelmProcess::~TfrmKelmProcess() {
    OnClose = {};
    StopAll();
}

std::string TfrmKelmProcess::StepCommandLine() const { return FProcess ? FProcess->CommandLine() : std::string(); }

const std::string& TfrmKelmProcess::CurrentFile() const { return (*FFileList)[static_cast<std::size_t>(FFileIndex)]; }

std::string TfrmKelmProcess::FileCounter(int index) const {
    return TwoDigitStr(index + 1) + "/" + TwoDigitStr(static_cast<std::int64_t>(FFileList->size()));
}

void TfrmKelmProcess::ErrorBox(const std::string& text) {
    win::MessageBox(Handle(), text.c_str(), "错误", win::MB_OK | win::MB_ICONERROR);
}

void TfrmKelmProcess::StartFile(int index) {
    FFileIndex = index;
    FProcess->FRunning = true;
    FProcess->FSourceFile = CurrentFile();
    if (const std::string cause = UnreadableCause(CurrentFile()); !cause.empty()) {
        StepFailed("无法打开文件" + CurrentFile() + "：" + cause);
        return;
    }
    try {
        const std::string options = GetResampleOptions(CurrentFile());
        if (!options.empty())
            PrepareResample(index, options);
        else
            PrepareEncode(index, CurrentFile());
    } catch (const std::exception& error) {
        StepFailed(error.what());
    }
}

void TfrmKelmProcess::PrepareResample(int index, const std::string& options) {
    const std::string& input = CurrentFile();
    FCopy = ResampleCopyName(input);
    FProcess->FDestFile = FCopy;
    FProcess->FNotifyWindow = Handle();
    FProcess->FMode = jmResample;
    FProcess->FCommandPrefix = "rs" + options;
    FProgressSeen = false;
    // Estimated first: nothing may fail once the child runs.
    StartEstimate(input, Options.Resample_Rate);
    FProcess->Start();
    SetCaption("正在重新采样(" + FileCounter(index) + "): " + input);
    GroupBox1->SetCaption("正在重新采样");
    FStartTime = StepClockNow();
}

void TfrmKelmProcess::PrepareEncode(int index, const std::string& source) {
    const std::string& input = CurrentFile();
    FProcess->FRunning = true;
    FProcess->FCommandPrefix = FCommandPrefix;
    FProcess->FSourceFile = source;
    const bool lark = Options.EncodeName == LarkModel;
    FOutputExt = lark ? ".LRK" : ".FNC";
    FProcess->FMode = lark ? jmLarkEncode : jmFinchEncode;
    // Named after the input, also when the encoder reads its resampled copy.
    if (Options.OutputIndex == 0) {
        FProcess->FDestFile = ChangeFileExt(input, FOutputExt);
    } else {
        // No folder chosen means the one the compression window shows then.
        const std::string folder =
            Options.KelmOutputFolder.empty() ? WritableFolder() : AppendPathSlash(Options.KelmOutputFolder);
        FProcess->FDestFile = folder + ChangeFileExt(ExtractFileName(input), FOutputExt);
    }
    FProcess->FNotifyWindow = Handle();
    FProgressSeen = false;
    if (lark) StartEstimate(source, Options.Lark_Rate[GetRateIndex()]);
    const bool captionsFirst = index > 0 && source == input;
    if (captionsFirst) {
        SetCaption("正在编码(" + FileCounter(index) + "): " + input);
        GroupBox1->SetCaption("正在进行编码");
    }
    FProcess->Start();
    if (!captionsFirst) {
        SetCaption("正在编码(" + FileCounter(index) + "): " + input);
        GroupBox1->SetCaption("正在进行编码");
    }
    FStartTime = StepClockNow();
}

void TfrmKelmProcess::StepFailed(const std::string& text) {
    // A step that started before the failure must not run on unwatched, nor report into the next file's steps.
    FProcess->Stop(0);
    ResetDisplay();
    ErrorBox(text);
    FinishFile();
}

void TfrmKelmProcess::WMKelmProgress(TMessage& Message) {
    if (!FFileList) return;  // posted before the chain stopped
    const TProcessInfo& info = InfoOf(Message);
    if (info.Percent != PI_KELM_DONE) {
        ShowFinchProgress(info.Percent, info.ElapsedText, info.EstimatedText);
        return;
    }
    const TKelmJobMode mode = FProcess->FMode;
    bool failed = false;
    if (info.Status == JOB_OUTPUT_IN_USE) {
        failed = true;
        if (!FProgressSeen) ErrorBox(CurrentFile() + "可能正在被使用，操作失败！");
    } else if (info.Status == JOB_OUTPUT_UNWRITABLE) {
        failed = true;
        ErrorBox(info.Cause);
    } else if (info.Status == JOB_CHILD_ENDED && !StepSucceeded(info)) {
        failed = true;
        ErrorBox(StepFailureText(info));
    }
    ResetDisplay();
    if (failed) {
        FinishFile();
        return;
    }
    if (mode == jmResample) {
        LearnSpeed(Options.Resample_Rate, Options.Resample_Count, FFileSize, StepSeconds());
        try {
            PrepareEncode(FFileIndex, FCopy);
        } catch (const std::exception& error) {
            StepFailed(error.what());
        }
        return;
    }
    if (mode == jmLarkEncode) {
        const int k = GetRateIndex();
        LearnSpeed(Options.Lark_Rate[k], Options.Lark_Count[k], FFileSize, StepSeconds());
    }
    FinishFile();
}

bool TfrmKelmProcess::StepSucceeded(const TProcessInfo& info) const {
    // An encoder that ended well without a word of progress has been given settings it could not use.
    return info.OutputComplete && (FProcess->FMode != jmFinchEncode || FProgressSeen);
}

std::string TfrmKelmProcess::StepFailureText(const TProcessInfo& info) const {
    if (FProcess->FMode == jmResample) return "重新采样" + CurrentFile() + "时出错！\r\n" + info.Cause;
    if (info.Cause.empty()) return EncodeFailedText;
    return std::string(EncodeFailedText) + "\r\n" + info.Cause;
}

void TfrmKelmProcess::ShowFinchProgress(std::int32_t percent, const std::string& elapsed,
                                        const std::string& estimated) {
    FProgressSeen = true;
    ProgressBar1->SetPosition(percent);
    Label3->SetCaption(std::to_string(percent) + "%");
    Label1->SetCaption(elapsed);
    Label2->SetCaption(estimated);
}

void TfrmKelmProcess::ResetDisplay() {
    ProgressBar1->SetPosition(ProgressBar1->Max());
    FProgressSeen = false;
    Timer1->SetEnabled(false);
    Label3->SetCaption("");
    Label1->SetCaption("");
    Label2->SetCaption("");
    ProgressBar1->SetPosition(0);
    ProgressBar1->SetMax(100);
}

void TfrmKelmProcess::FinishFile() {
    RemoveCopy(false);
    NextFile();
}

void TfrmKelmProcess::NextFile() {
    ++FFileIndex;
    if (FFileIndex >= static_cast<std::int32_t>(FFileList->size())) {
        StopAll();
        CloseWhenDone();
        return;
    }
    StartFile(FFileIndex);
}

void TfrmKelmProcess::CloseWhenDone() {
    if (Visible())
        Close();
    else
        win::PostMessage(Handle(), win::WM_CLOSE, 0, 0);
}

void TfrmKelmProcess::RemoveCopy(bool evenInUse) {
    if (FCopy.empty()) return;
    // An encoder that still holds the copy keeps it; a stopped child's hold does not count, it is going.
    if (FileExists(FCopy) && (evenInUse || !IsFileInUse(FCopy))) DeleteFile(FCopy);
    FCopy.clear();
}

void TfrmKelmProcess::StartEstimate(const std::string& FileName, std::int32_t Rate) {
    {
        TFileStream file(FileName, fmOpenRead);
        FFileSize = file.Size();
    }
    const TStepEstimate estimate =
        EstimateStep(FFileSize, Rate, FProcess->FMode == jmResample ? TEstimatedStep::Resample : TEstimatedStep::Lark,
                     GetRateIndex());
    ProgressBar1->SetMax(estimate.BarMax);
    ProgressBar1->SetPosition(0);
    Label2->SetCaption(MinutesSecondsText(estimate.Seconds));
    Timer1->SetEnabled(true);
}

int TfrmKelmProcess::GetRateIndex() const { return ::GetRateIndex(FCommandPrefix); }

std::int64_t TfrmKelmProcess::StepSeconds() const {
    return Round(std::chrono::duration<double>(StepClockNow() - FStartTime).count());
}

void TfrmKelmProcess::Timer1Timer(TObject*) {
    Label1->SetCaption(MinutesSecondsText(StepSeconds()));
    if (ProgressBar1->Position() < ProgressBar1->Max()) ProgressBar1->SetPosition(ProgressBar1->Position() + 1);
}

void TfrmKelmProcess::StopAll() {
    if (!FFileList) return;
    FFileList.reset();
    Timer1->SetEnabled(false);
    if (FProcess->FRunning) FProcess->Stop(0);
    FProcess.reset();
    RemoveCopy(true);
}

void TfrmKelmProcess::btStopClick(TObject*) {
    StopAll();
    Close();
}

void TfrmKelmProcess::FormClose(TObject*, TCloseAction&) { StopAll(); }
