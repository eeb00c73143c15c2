#include "trackmill/app/jobs/ChildProcessJob.h"

#include "platform/framework/FileSystem.h"
#include "platform/process/PipeCreationError.h"
#include "soundfile/SameFile.h"
#include "trackmill/app/jobs/FileInUse.h"
#include "trackmill/app/jobs/JobRun.h"
#include "trackmill/app/jobs/JobThread.h"
#include "trackmill/app/jobs/OverwriteQuestion.h"
#include "trackmill/app/jobs/ProcessInfo.h"
#include "trackmill/app/jobs/RaiseLastError.h"

using platform::process::StandardStream;

namespace {

const char* PipeCreationText(StandardStream stream) {
    switch (stream) {
        case StandardStream::Input:
            return "Error on STDIN pipe creation : ";
        case StandardStream::Output:
            return "Error on STDOUT pipe creation : ";
        case StandardStream::Error:
            break;
    }
    return "Error on STDERR pipe creation : ";
}

}  // namespace

TChildProcessJob::TChildProcessJob() = default;

TChildProcessJob::~TChildProcessJob() {
    Stop(0);
    ReleaseRun();
}

void TChildProcessJob::Start() {
    ReleaseRun();
    if (soundfile::isSameFile(FSourceFile, FDestFile)) {
        PostFinished(JOB_OUTPUT_IN_USE);
        return;
    }
    if (AsksBeforeOverwrite() && framework::FileExists(FDestFile)) {
        if (!ConfirmOverwrite("文件" + FDestFile + "已经存在，要覆盖它吗？")) {
            PostFinished(JOB_OVERWRITE_DECLINED);
            return;
        }
        if (ChecksOutputInUse() && IsFileInUse(FDestFile)) {
            PostFinished(JOB_OUTPUT_IN_USE);
            return;
        }
    }
    auto run = std::make_shared<TJobRun>();
    if (UsesPipes()) {
        try {
            run->Child.createPipes();
        } catch (const platform::process::PipeCreationError& error) {
            RaiseLastError(PipeCreationText(error.stream()), error.code().value());
        }
    }
    const TCommand command = BuildCommand();
    FCommandLine = command.Text;
    ResetProgress();
    FOutput.emplace(FDestFile);
    try {
        run->Child.start(command.Arguments, command.WorkingDirectory);
    } catch (const std::system_error& error) {
        run->Child.closePipes();
        RaiseLastError(StartErrorText(), error.code().value());
    }
    FStartTime = std::chrono::steady_clock::now();
    run->Job = this;
    FRun = run;
    TJobThread::Launch(std::move(run));
}

void TChildProcessJob::Stop(std::uint32_t) {
    // A signal ends the child here; the exit code it would have had is not observable by anyone.
    if (!FRunning) return;
    FRunning = false;
    if (FRun) {
        FRun->Child.closePipes();
        // A child stopped now may still write for a moment; what it writes goes to the removed file's data.
        if (FRun->Child.stop() && FOutput) FOutput->RemoveIfWritten();
    }
    ReleaseRun();
}

void TChildProcessJob::ReleaseRun() {
    FOutput.reset();
    if (!FRun) return;
    FRun->Job = nullptr;
    FRun->Cancelled = true;
    FRun.reset();
}

void TChildProcessJob::PostFinished(std::int32_t Status, std::int32_t ExitCode) {
    auto info = std::make_unique<TProcessInfo>();
    info->Percent = FinishedMarker();
    info->Status = Status;
    info->ExitCode = ExitCode;
    win::PostOwnedMessage(FNotifyWindow, ProgressMessage(), 0, std::move(info));
}

void TChildProcessJob::ReadPipe(StandardStream stream) {
    if (!FRun) return;
    std::string chunk;
    try {
        chunk = ReadChunk(*FRun, stream);
    } catch (const std::system_error&) {
        // The pipe is given up, not the job: closed, so that a child still writing to it is not left blocked
        // on a full pipe, and the job's end still comes when the child ends.
        FRun->Child.closePipe(stream);
        return;
    }
    ParseOutput(chunk);
}

std::string TChildProcessJob::ReadChunk(TJobRun& run, StandardStream stream) {
    return run.Child.read(stream, run.BytesAvailable);
}

void TChildProcessJob::ProcessFinished() {
    std::int32_t exitCode = NO_EXIT_CODE;
    if (FRun) {
        FRun->Child.closePipes();
        exitCode = FRun->Child.exitCode().value_or(NO_EXIT_CODE);
    }
    ReleaseRun();
    PostFinished(JOB_CHILD_ENDED, exitCode);
}

bool TChildProcessJob::ConfirmOverwrite(const std::string& question) { return AskOverwrite(question); }

void TChildProcessJob::PostProgress(std::unique_ptr<TProcessInfo> info) const {
    if (info->Percent >= 1 && info->Percent <= 100)
        win::PostOwnedMessage(FNotifyWindow, ProgressMessage(), 0, std::move(info));
}
