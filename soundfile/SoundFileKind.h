#pragma once

#include <cstdint>

namespace soundfile {

// Selects a sound-file layout. Wave and SpeechHeader are the first four bytes of such a file read as a
// little-endian 32-bit number; anything else is read as header-less samples.
enum class SoundFileKind : std::uint32_t {
    Wave = 0x46464952u,          // "RIFF"
    SpeechHeader = 0xFF00FF00u,  // 00 FF 00 FF
    Raw = 0xFFFFFFFFu,           // -1
};

}  // namespace soundfile
