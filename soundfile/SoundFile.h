#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "soundfile/SoundFileKind.h"
#include "soundfile/SoundFileState.h"

namespace soundfile {

class SoundFormat;

// One sound file read or written as 16-bit signed native samples, whatever the file stores. The layout
// (RIFF WAVE, speech header, raw) is handled by a format handler chosen at open. Results: 0 success, 1
// failure.
//
// Reading: construct, openRead, getSamplesLeft, readSamples..., closeRead (or let the destructor do it).
// Writing: construct with the wanted form, openWrite(kind), writeSamples..., finishWrite (the caller's step:
// the destructor does not complete a header).
class SoundFile {
  public:
    // 8000 Hz, 1 channel, 16 bit, little-endian, offset 0.
    explicit SoundFile(std::string name);
    SoundFile(std::string name, std::int32_t sampleRate, std::int32_t bitsPerSample, std::int32_t channels,
              std::int32_t sampleOffset, std::int32_t littleEndian);
    ~SoundFile();
    SoundFile(const SoundFile&) = delete;
    SoundFile& operator=(const SoundFile&) = delete;

    // The kind named by the file's first four bytes; the stream position is kept.
    SoundFileKind detectKind();
    // Fails for a file that cannot be opened, is not a regular file, or whose header cannot be read; when the
    // system refused the file, errno tells why.
    int openRead();
    // Only SoundFileKind::Wave and SoundFileKind::SpeechHeader can be written; any other kind fails before
    // the file is created.
    int openWrite(SoundFileKind kind);
    void closeRead();
    // Completes the header of a written file; 1 when anything written to the file failed.
    int finishWrite();
    // Reads up to n samples; fewer at the end of the samples, 0 once none are left.
    std::int32_t readSamples(std::int16_t* buffer, std::int32_t n);
    // Returns how many of the n samples reached the file.
    std::int32_t writeSamples(const std::int16_t* buffer, std::int32_t n);
    // Samples as sample / 32768.
    std::int32_t readFloatSamples(float* buffer, std::int32_t n);
    // Values x 32768, limited to the 16-bit range and truncated toward zero.
    std::int32_t writeFloatSamples(const float* buffer, std::int32_t n);

    std::int32_t getSamplesLeft() const { return state.samplesLeft; }
    // Only RIFF WAVE files carry a display text; for other kinds get gives none and set does nothing.
    std::optional<std::string> getDisplayText();
    void setDisplayText(std::string_view text);

    const std::string& name() const { return fileName; }
    std::int32_t sampleRate() const { return state.sampleRate; }
    std::int32_t channels() const { return state.channels; }
    std::int32_t bitsPerSample() const { return state.bitsPerSample; }
    std::int32_t littleEndian() const { return state.littleEndian; }
    std::int32_t sampleOffset() const { return state.sampleOffset; }

  private:
    void closeStream();

    SoundFileState state;
    std::string fileName;
    std::unique_ptr<SoundFormat> format;
};

}  // namespace soundfile
