#pragma once
// The MP3 job: one run of the outside encoder, WAV to MP3 or MP3 to WAV, with its progress lines turned into
// WM_RIP_PROGRESS records and its end into PI_MP3_DONE.
#include <cstdint>
#include <string>

#include "trackmill/app/jobs/ChildProcessJob.h"
#include "trackmill/app/jobs/RipMode.h"

class TMp3EncodeProcess : public TChildProcessJob {
  public:
    bool FEncode = true;  // true: WAV to MP3; false: MP3 to WAV
    TRipMode FMode = rmRipTracks;

    // The encoder's progress lines: percent, and the elapsed and estimated times as the encoder prints them.
    void ParseEncodeOutput(const std::string& chunk);
    // The decoder's frame lines: percent of frames, times computed from the job's start.
    void ParseDecodeOutput(const std::string& chunk);

  protected:
    bool UsesPipes() const override { return true; }
    bool AsksBeforeOverwrite() const override;
    bool ChecksOutputInUse() const override { return true; }
    TCommand BuildCommand(const std::string& output) const override;
    void ResetProgress() override { FProgressColumn = 0; }
    void ParseOutput(const std::string& chunk) override;
    std::int32_t FinishedMarker() const override;
    win::UINT ProgressMessage() const override;
    std::string StartErrorText() const override;

  private:
    // Where the figure stands in the progress lines, from 1; 0 until a progress line has shown it.
    std::size_t FProgressColumn = 0;
};

extern TMp3EncodeProcess* Mp3Process;
