#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "soundfile/SoundFileKind.h"

namespace soundfile {

struct SoundFileState;

// Base of the format handlers: everything that depends on a file's layout. Every layout stores plain samples
// after its header, so the sample reader and writer here serve all of them. Results: 0 success, 1 failure.
class SoundFormat {
  public:
    explicit SoundFormat(SoundFileState& file) : owner(file) {}
    virtual ~SoundFormat() = default;
    SoundFormat(const SoundFormat&) = delete;
    SoundFormat& operator=(const SoundFormat&) = delete;

    virtual int readHeader();
    virtual int writeHeader(SoundFileKind kind);
    virtual void closeRead();
    // Completes what the header could not say before the samples were written; 1 when anything written to
    // the file so far, or now, failed.
    virtual int finishWrite();
    // Reads up to n samples (bounded by the samples left); fewer at the end of the file.
    virtual std::int32_t readSamples(std::int16_t* buffer, std::int32_t n);
    // Writes n samples; returns how many reached the stream.
    virtual std::int32_t writeSamples(const std::int16_t* buffer, std::int32_t n);
    virtual void setDisplayText(std::string_view text);
    virtual std::optional<std::string> getDisplayText() const;

  protected:
    SoundFileState& owner;
};

}  // namespace soundfile
