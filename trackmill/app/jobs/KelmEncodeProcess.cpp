#include "trackmill/app/jobs/KelmEncodeProcess.h"

#include <filesystem>
#include <memory>
#include <sstream>
#include <system_error>
#include <vector>

#include "platform/framework/IntegerText.h"
#include "platform/framework/StringRoutines.h"
#include "platform/process/ProgramLookup.h"
#include "trackmill/app/jobs/OutputLines.h"
#include "trackmill/app/jobs/ProcessInfo.h"
#include "trackmill/app/jobs/ProgressTimes.h"

using framework::StrToIntDef;
using framework::Trim;

namespace {

// A frame number may run at most this far ahead of the last one taken: a line cut between two reads must not
// make the bar jump.
constexpr std::int64_t LargestFrameStep = 20;
// Outputs no longer than these hold no sound: the resampler's WAV header, the Lark stream's header word.
constexpr std::int64_t WaveHeaderBytes = 44;
constexpr std::int64_t LarkHeaderBytes = 2;

std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::istringstream in(text);
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

// The Lark encoder reads its control file "rc.txt" relative to its current directory, and that file is installed
// beside the program: the child runs in the program's folder.
std::filesystem::path ProgramFolder(const std::string& program) {
    std::error_code error;
    const std::filesystem::path found = platform::process::findProgram(program, error);
    return error ? std::filesystem::path() : found.parent_path();
}

// A relative path keeps meaning what it means in our own current directory, whatever the child's is.
std::string AnchoredPath(const std::string& path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.string();
}

}  // namespace

TChildProcessJob::TCommand TKelmEncodeProcess::BuildCommand(const std::string& output) const {
    TCommand command;
    command.Text = FCommandPrefix + " \"" + FSourceFile + "\" \"" + FDestFile + "\"";
    command.Arguments = Words(FCommandPrefix);
    if (FMode == jmLarkEncode && !command.Arguments.empty()) {
        command.WorkingDirectory = ProgramFolder(command.Arguments.front());
        command.Arguments.push_back(AnchoredPath(FSourceFile));
        command.Arguments.push_back(AnchoredPath(output));
    } else {
        command.Arguments.push_back(FSourceFile);
        command.Arguments.push_back(output);
    }
    return command;
}

std::int64_t TKelmEncodeProcess::SoundlessOutputBytes() const {
    switch (FMode) {
        case jmLarkEncode:
            return LarkHeaderBytes;
        case jmResample:
            return WaveHeaderBytes;
        case jmFinchEncode:
            break;
    }
    return -1;
}

void TKelmEncodeProcess::ResetProgress() {
    FTotalFrames = 0;
    FLastFrame = 0;
}

void TKelmEncodeProcess::ParseOutput(const std::string& chunk) {
    static const std::string FrameLabel = "Frame :";
    for (const std::string& line : OutputLines(chunk)) {
        if (FTotalFrames == 0 && line.find("Total Frame") != std::string::npos) {
            const std::size_t colon = line.find(':');
            FTotalFrames = colon == std::string::npos ? 0 : StrToIntDef(Trim(line.substr(colon + 1)), 0);
            if (FTotalFrames > 0) continue;
        }
        // Frame lines before the announcement have nothing to be a part of.
        if (FTotalFrames == 0) continue;
        const std::size_t label = line.find(FrameLabel);
        if (label == std::string::npos) continue;
        std::string figure = Trim(line.substr(label + FrameLabel.size()));
        figure = figure.substr(0, figure.find(' '));
        const std::int64_t frame = StrToIntDef(figure, 0);
        if (frame == 0 || frame > FTotalFrames || frame > FLastFrame + LargestFrameStep || frame < FLastFrame) continue;
        FLastFrame = frame;
        auto info = std::make_unique<TProcessInfo>();
        info->Percent = static_cast<std::int32_t>(frame * 100 / FTotalFrames);
        SetTimeTexts(*info, std::chrono::steady_clock::now() - FStartTime);
        PostProgress(std::move(info));
    }
}

std::int32_t TKelmEncodeProcess::FinishedMarker() const { return PI_KELM_DONE; }

win::UINT TKelmEncodeProcess::ProgressMessage() const { return WM_KELM_PROGRESS; }

std::string TKelmEncodeProcess::StartErrorText() const { return "产生Kelm编码进程时出错！"; }
