#pragma once

#include <cstdint>
#include <cstdio>

namespace soundfile {

// What a SoundFile knows about its open file. The format handler that serves the file reads and sets these
// fields directly: a header reader fills them in, a header writer settles the sample form it writes.
struct SoundFileState {
    std::int32_t sampleRate = 8000;
    std::int32_t channels = 1;
    std::int32_t bitsPerSample = 16;  // up to 8 is handled as 8-bit, above 8 as 16-bit
    std::int32_t littleEndian = 1;    // 0: 16-bit samples are stored big-endian
    std::int32_t sampleOffset = 0;    // added on read, taken off on write: 128, 0x8000 or 0
    std::FILE* stream = nullptr;
    // Reading: samples not yet read; writing: samples written so far; -1 until a header was read or written.
    std::int32_t samplesLeft = -1;
    bool reading = false;  // a header was read, so the file is in reading mode
};

}  // namespace soundfile
