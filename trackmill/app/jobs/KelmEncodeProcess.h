#pragma once
// The speech-compression job: one step of a compression run, the Finch encoder (read through pipes, its frame
// lines turned into WM_KELM_PROGRESS records), the Lark encoder or the resampler (both only awaited), with the
// end of each step posted as PI_KELM_DONE.
#include <cstdint>
#include <string>

#include "trackmill/app/jobs/ChildProcessJob.h"
#include "trackmill/app/jobs/KelmJobMode.h"

class TKelmEncodeProcess : public TChildProcessJob {
  public:
    // Program and leading options, words separated by blanks: "finchenc 16", "teskenc rc.txt 2", "rs -r 8000 ".
    std::string FCommandPrefix;
    TKelmJobMode FMode = jmLarkEncode;

  protected:
    bool UsesPipes() const override { return FMode == jmFinchEncode; }
    // A resampling step writes a temporary copy of its own, replaced without a question.
    bool AsksBeforeOverwrite() const override { return FMode != jmResample; }
    bool ChecksOutputInUse() const override { return false; }
    TCommand BuildCommand(const std::string& output) const override;
    std::int64_t SoundlessOutputBytes() const override;
    void ResetProgress() override;
    // The encoder's "Total Frame : n" line, then one "Frame : i" line per frame.
    void ParseOutput(const std::string& chunk) override;
    std::int32_t FinishedMarker() const override;
    win::UINT ProgressMessage() const override;
    std::string StartErrorText() const override;

  private:
    // Frames the encoder announced; 0 until it has.
    std::int64_t FTotalFrames = 0;
    // The last frame number taken as progress.
    std::int64_t FLastFrame = 0;
};
