#pragma once

#include <array>

#include "soundfile/SoundFormat.h"

namespace soundfile {

// Files with the 48-byte speech header, followed by one channel of 8-bit (offset 128) or 16-bit
// little-endian offset-binary samples.
class SpeechHeaderFormat : public SoundFormat {
  public:
    static constexpr int headerSize = 48;

    using SoundFormat::SoundFormat;

    int readHeader() override;
    int writeHeader(SoundFileKind kind) override;

  private:
    std::array<unsigned char, headerSize> header{};
};

}  // namespace soundfile
