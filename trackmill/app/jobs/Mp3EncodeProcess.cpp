#include "trackmill/app/jobs/Mp3EncodeProcess.h"

#include <cctype>
#include <memory>

#include "platform/framework/IntegerText.h"
#include "platform/framework/StringRoutines.h"
#include "trackmill/app/jobs/OutputLines.h"
#include "trackmill/app/jobs/ProcessInfo.h"
#include "trackmill/app/jobs/ProgressTimes.h"
#include "trackmill/app/options/OptionsSetting.h"

using framework::Copy;
using framework::Trim;

TMp3EncodeProcess* Mp3Process = nullptr;

namespace {

// 1-based position of the "%" of an encoder progress line ("   100/384    (26%)|"), 0 when the line is not one:
// a "%" in a file name must not fix the column.
std::size_t ProgressPercentPosition(const std::string& line) {
    for (std::size_t at = line.find('%'); at != std::string::npos; at = line.find('%', at + 1)) {
        const bool figureBefore =
            at > 0 && (std::isdigit(static_cast<unsigned char>(line[at - 1])) || line[at - 1] == '(');
        if (figureBefore && line.compare(at + 1, 2, ")|") == 0) return at + 1;
    }
    return 0;
}

const char* StereoModeOption(std::int32_t mode) {
    switch (mode) {
        case 0:
            return "s";
        case 1:
            return "j";
        case 2:
            return "f";
        case 3:
            return "d";
        case 4:
            return "m";
        default:
            return nullptr;
    }
}

const char* QualityOption(std::int32_t quality) {
    switch (quality) {
        case 1:
            return "-f";
        case 2:
            return "-h";
        default:
            return nullptr;
    }
}

}  // namespace

bool TMp3EncodeProcess::AsksBeforeOverwrite() const {
    // Rips and recordings make their MP3 from a file of their own: an older one of that name is replaced.
    return FMode != rmRipTracks && FMode != rmRecordingToMp3;
}

TChildProcessJob::TCommand TMp3EncodeProcess::BuildCommand(const std::string& output) const {
    TCommand command{"lame.exe", {"lame.exe"}, {}};
    const auto add = [&command](const std::string& argument) {
        command.Text += " " + argument;
        command.Arguments.push_back(argument);
    };
    if (FEncode) {
        add("-b");
        add(std::to_string(Options.BitRate));
        if (const char* mode = StereoModeOption(Options.StereoMode)) {
            add("-m");
            add(mode);
        }
        if (const char* quality = QualityOption(Options.MpegQuality)) add(quality);
        if (Options.IsSelectVBR) {
            add("-V");
            add(std::to_string(Options.VBRQuality));
            add("-B");
            add(std::to_string(Options.MaxBitRate));
            if (!Options.IsVBRHead) add("-t");
        }
    } else {
        add("--decode");
    }
    // Quotes only in the text shown; the paths travel as they are, one argument each.
    command.Text += " \"" + FSourceFile + "\" \"" + FDestFile + "\"";
    command.Arguments.push_back(FSourceFile);
    command.Arguments.push_back(output);
    return command;
}

void TMp3EncodeProcess::ParseOutput(const std::string& chunk) {
    if (FEncode)
        ParseEncodeOutput(chunk);
    else
        ParseDecodeOutput(chunk);
}

void TMp3EncodeProcess::ParseEncodeOutput(const std::string& chunk) {
    for (const std::string& line : OutputLines(chunk)) {
        if (FProgressColumn == 0) {
            const std::size_t percentSign = ProgressPercentPosition(line);
            if (percentSign > 3) FProgressColumn = percentSign - 3;
        }
        if (FProgressColumn == 0 || line.find('%') == std::string::npos) continue;
        std::string figure = Trim(Copy(line, static_cast<std::ptrdiff_t>(FProgressColumn), 3));
        if (!figure.empty() && figure.front() == '(') figure.erase(0, 1);
        auto info = std::make_unique<TProcessInfo>();
        info->Percent = framework::StrToIntDef(figure, 0);
        info->ElapsedText = Trim(Copy(line, 21, 8));
        info->EstimatedText = Trim(Copy(line, 30, 8));
        PostProgress(std::move(info));
    }
}

void TMp3EncodeProcess::ParseDecodeOutput(const std::string& chunk) {
    for (const std::string& line : OutputLines(chunk)) {
        // Only a frame line ("Frame#     2/116 ...") fixes the column: a "#" in a file name must not.
        if (FProgressColumn == 0 && line.rfind("Frame#", 0) == 0) FProgressColumn = framework::Pos("#", line) + 1;
        if (FProgressColumn == 0) continue;
        const auto column = static_cast<std::ptrdiff_t>(FProgressColumn);
        const std::int64_t current = framework::StrToIntDef(Trim(Copy(line, column, 6)), -1);
        const std::int64_t total = framework::StrToIntDef(Trim(Copy(line, column + 7, 6)), -1);
        // A total of 0 has no percentage; the line is passed over.
        if (current == -1 || total <= 0) continue;
        auto info = std::make_unique<TProcessInfo>();
        info->Percent = static_cast<std::int32_t>(current * 100 / total);
        SetTimeTexts(*info, std::chrono::steady_clock::now() - FStartTime);
        PostProgress(std::move(info));
    }
}

std::int32_t TMp3EncodeProcess::FinishedMarker() const { return PI_MP3_DONE; }

win::UINT TMp3EncodeProcess::ProgressMessage() const { return WM_RIP_PROGRESS; }

std::string TMp3EncodeProcess::StartErrorText() const { return "产生MP3编码进程时出错！"; }
