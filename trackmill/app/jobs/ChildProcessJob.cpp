#include "trackmill/app/jobs/ChildProcessJob.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>

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

std::string EndText(const std::string& program, std::optional<int> exitCode) {
    if (!exitCode) return program + "异常终止，未完成的文件已删除。";
    return program + "以退出码" + std::to_string(*exitCode) + "结束，未完成的文件已删除。";
}

// The temporary's own name may be shorter than the output's: a name the folder cannot hold is found out here,
// not when the finished work is to be renamed.
void RequireNameFits(const std::string& path) {
    const std::filesystem::path target(path);
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    const long longest = pathconf(folder.c_str(), _PC_NAME_MAX);
    if (longest > 0 && target.filename().string().size() > static_cast<std::size_t>(longest))
        throw std::system_error(ENAMETOOLONG, std::generic_category());
}

std::int64_t FileBytes(const std::string& path) {
    struct stat entry {};
    return stat(path.c_str(), &entry) == 0 ? static_cast<std::int64_t>(entry.st_size) : -1;
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
    try {
        RequireNameFits(FDestFile);
        FOutput.emplace(FDestFile);
    } catch (const std::system_error& error) {
        run->Child.closePipes();
        PostFinished(JOB_OUTPUT_UNWRITABLE, NO_EXIT_CODE,
                     "无法创建文件" + FDestFile + "：" + std::strerror(error.code().value()));
        return;
    }
    const TCommand command = BuildCommand(FOutput->path());
    FCommandLine = command.Text;
    FProgramName = command.Arguments.empty() ? std::string() : command.Arguments.front();
    ResetProgress();
    try {
        run->Child.start(command.Arguments, command.WorkingDirectory);
    } catch (const std::system_error& error) {
        run->Child.closePipes();
        FOutput.reset();
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
        // A child stopped now may still write for a moment; what it writes goes to the removed temporary's data.
        // One that had already ended on its own has finished its output, which is kept when it is whole.
        std::string cause;
        if (!FRun->Child.stop()) KeepOutput(FRun->Child.exitCode(), cause);
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

void TChildProcessJob::PostFinished(std::int32_t Status, std::int32_t ExitCode, const std::string& Cause) {
    PostFinishedInfo(Status, ExitCode, false, Cause);
}

void TChildProcessJob::PostFinishedInfo(std::int32_t status, std::int32_t exitCode, bool outputComplete,
                                        const std::string& cause) {
    auto info = std::make_unique<TProcessInfo>();
    info->Percent = FinishedMarker();
    info->Status = status;
    info->ExitCode = exitCode;
    info->OutputComplete = outputComplete;
    info->Cause = cause;
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
    std::optional<int> exitCode;
    if (FRun) {
        FRun->Child.closePipes();
        exitCode = FRun->Child.exitCode();
    }
    std::string cause;
    const bool complete = KeepOutput(exitCode, cause);
    ReleaseRun();
    PostFinishedInfo(JOB_CHILD_ENDED, exitCode.value_or(NO_EXIT_CODE), complete, cause);
}

bool TChildProcessJob::KeepOutput(std::optional<int> exitCode, std::string& cause) {
    if (!FOutput) return false;
    // A child that wrote progress and then met a full disk, or was killed, has left a cut file: only its exit
    // status tells.
    if (exitCode != 0) {
        cause = EndText(FProgramName, exitCode);
        return false;
    }
    if (FileBytes(FOutput->path()) <= SoundlessOutputBytes()) {
        cause = FProgramName + "没有写出任何声音。";
        return false;
    }
    if (!FOutput->commit()) {
        cause = "无法将结果保存为" + FDestFile + "：" + std::strerror(errno);
        return false;
    }
    return true;
}

bool TChildProcessJob::ConfirmOverwrite(const std::string& question) { return AskOverwrite(question); }

void TChildProcessJob::PostProgress(std::unique_ptr<TProcessInfo> info) const {
    if (info->Percent >= 1 && info->Percent <= 100)
        win::PostOwnedMessage(FNotifyWindow, ProgressMessage(), 0, std::move(info));
}
