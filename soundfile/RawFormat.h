#pragma once

#include "soundfile/SoundFormat.h"

namespace soundfile {

// Header-less files: 16-bit little-endian offset-binary samples (0x8000 is silence), 8000 Hz, one channel.
class RawFormat : public SoundFormat {
  public:
    using SoundFormat::SoundFormat;

    int readHeader() override;
};

}  // namespace soundfile
