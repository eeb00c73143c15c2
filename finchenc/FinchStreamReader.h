#pragma once

#include <cstdint>
#include <cstdio>
#include <span>
#include <vector>

namespace finch {

// One step through a Finch file.
struct FinchStreamPiece {
    enum class Kind {
        // A whole frame; all its samples belong to the stream.
        Frame,
        // The frame of an end record; only its first sampleCount samples belong to the stream.
        LastFrame,
        // No more frames: the data ended (the three closing 0xFF bytes are shorter than a frame)
        // or an end record without a frame.
        End,
        // The stream reported a read error.
        ReadError,
    };
    Kind kind = Kind::End;
    std::span<const std::uint16_t> words;
    int sampleCount = 0;
};

// Reads a Finch file: the rate code word, then frames until the data or an end record ends them.
class FinchStreamReader {
  public:
    // Reads the rate code; a file too short to hold one has no frames.
    explicit FinchStreamReader(std::FILE* stream);

    int rateCode() const { return rateCode_; }
    int frameBits() const { return frameBits_; }

    // The next frame; its words stay valid until the next call.
    FinchStreamPiece next();

  private:
    FinchStreamPiece endRecord();
    FinchStreamPiece finished(bool readFailed);

    std::FILE* stream_;
    int rateCode_ = 0;
    int frameBits_;
    bool ended_ = false;
    std::vector<unsigned char> bytes_;
    std::vector<std::uint16_t> words_;
};

}  // namespace finch
