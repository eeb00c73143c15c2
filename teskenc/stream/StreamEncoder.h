#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "teskenc/codec/FrameEncoder.h"
#include "teskenc/codec/FrameLayout.h"
#include "teskenc/stream/EventFile.h"
#include "teskenc/stream/FileHandle.h"
#include "teskenc/stream/LarkWriter.h"
#include "teskenc/stream/StreamJob.h"

namespace soundfile {
class SoundFile;
}

namespace tesk {

// Files of one encoder run; the optional ones are switched off by leaving them empty.
struct StreamEncoderFiles {
    std::string encodePath;
    std::string inputPath;
    std::optional<std::string> eventPath;
    std::optional<std::string> previousPath;
    std::optional<std::string> nextPath;
};

// Turns a sound file into a Lark stream: a 256-sample window slides over the input 128 samples at a time,
// one frame per step, with control pairs for rate changes, events and the end of the input. History in front
// of the input comes from the tail of a previous file, the window past its end from the head of a next file.
class StreamEncoder : public StreamJob {
  public:
    // Opens every file, then takes the start rate id (none: the setting is missing). Throws TeskError or
    // CodecError, leaving no stream file behind.
    StreamEncoder(std::optional<int32_t> startRate, const StreamEncoderFiles& files);
    ~StreamEncoder() override;

    // Codes the whole input and closes the stream file. On a throw the partial stream file is removed.
    void run();

    int32_t totalCount() const override { return totalSamples_; }
    int32_t doneCount() const override;

  private:
    int32_t encodeFirstFrame(int16_t* window);
    // Reads the input into the window's newer half; what the input lacks comes from the next file, then zeros.
    int32_t fillNewerHalf(int16_t* window);
    void readHistory();
    bool writeControlWord(int32_t previousCount, int32_t count);
    void readNextEvent();

    FrameEncoder frameEncoder_;
    std::optional<LarkWriter> output_;  // created once every input has been opened
    std::array<int16_t, kFrameSamples> history_{};
    std::unique_ptr<soundfile::SoundFile> input_;
    std::optional<EventFile> eventFile_;
    std::string previousPath_;
    FileHandle previousFile_;
    std::unique_ptr<soundfile::SoundFile> nextFile_;
    std::optional<EventLine> nextEvent_;
    int32_t totalSamples_ = 0;
    int64_t position_ = 0;  // wide, so 2^31 input samples cannot overflow it
};

}  // namespace tesk
