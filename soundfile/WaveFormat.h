#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "soundfile/SoundFormat.h"

namespace soundfile {

// RIFF WAVE with 8- or 16-bit PCM samples and an optional display-text chunk "DISP" after the data.
class WaveFormat : public SoundFormat {
  public:
    using SoundFormat::SoundFormat;

    int readHeader() override;
    int writeHeader(SoundFileKind kind) override;
    int finishWrite() override;
    void setDisplayText(std::string_view text) override;
    std::optional<std::string> getDisplayText() const override;

  private:
    std::int64_t riffSizePos = 4;
    std::int64_t dataSizePos = 40;
    std::int64_t headerBytes = 0;  // bytes after the RIFF size field that are not samples
    std::optional<std::string> displayText;
};

}  // namespace soundfile
