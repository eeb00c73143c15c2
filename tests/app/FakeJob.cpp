#include "FakeJob.h"

#include <cerrno>
#include <system_error>

#include "trackmill/app/jobs/OutputLines.h"
#include "trackmill/app/jobs/ProcessInfo.h"

std::string FakeJob::Text() const {
    std::string text;
    for (const std::string& chunk : FChunks) text += chunk;
    return text;
}

TChildProcessJob::TCommand FakeJob::BuildCommand(const std::string& output) const {
    TCommand command{FProgram, {FProgram}, {}};
    for (const std::string& argument : FArguments) command.Arguments.push_back(argument);
    if (FPassPaths) {
        command.Arguments.push_back(FSourceFile);
        command.Arguments.push_back(output);
    } else if (FPassOutput) {
        command.Arguments.push_back(output);
    }
    return command;
}

void FakeJob::ParseOutput(const std::string& chunk) {
    FChunks.push_back(chunk);
    for (const std::string& line : OutputLines(chunk)) {
        auto info = std::make_unique<TProcessInfo>();
        info->Percent = std::atoi(line.c_str());
        PostProgress(std::move(info));
    }
}

std::int32_t FakeJob::FinishedMarker() const { return PI_KELM_DONE; }

win::UINT FakeJob::ProgressMessage() const { return WM_KELM_PROGRESS; }

bool FakeJob::ConfirmOverwrite(const std::string&) {
    ++FQuestions;
    return FAnswer;
}

std::string FakeJob::ReadChunk(TJobRun& run, platform::process::StandardStream stream) {
    if (FFailNextOutputRead && stream == platform::process::StandardStream::Output) {
        FFailNextOutputRead = false;
        throw std::system_error(EIO, std::generic_category(), "read");
    }
    return TChildProcessJob::ReadChunk(run, stream);
}
