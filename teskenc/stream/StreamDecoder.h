#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "teskenc/codec/FrameDecoder.h"
#include "teskenc/stream/LarkReader.h"
#include "teskenc/stream/StreamJob.h"

namespace soundfile {
class SoundFile;
}

namespace tesk {

// Decodes a Lark stream from its start into an 8000 Hz mono 16-bit RIFF WAVE file. The WAVE file is
// completed, with sizes that match the samples written, whenever the decoder goes away.
class StreamDecoder : public StreamJob {
  public:
    // Throws TeskError when either file cannot be opened.
    StreamDecoder(const std::string& encodePath, const std::string& decodePath);
    ~StreamDecoder() override;

    // Decodes to the end of the stream. Throws TeskError or CodecError for a stream it cannot decode.
    void run();
    // Completes the WAVE file; throws TeskError when that fails. The destructor does it quietly otherwise.
    void finish();

    int32_t totalCount() const override { return input_.totalWords(); }
    int32_t doneCount() const override { return wordsRead_; }

  private:
    void decodeFirstFrame();
    // Reads the next frame item into frame; returns the samples it stands for, 0 at the end of the stream.
    int32_t readFrame(uint16_t* frame);
    void writeSamples(const int16_t* samples, int32_t count);

    FrameDecoder frameDecoder_;
    LarkReader input_;
    std::string decodePath_;
    std::unique_ptr<soundfile::SoundFile> output_;
    int32_t wordsRead_ = 0;
};

}  // namespace tesk
