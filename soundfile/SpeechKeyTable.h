#pragma once

#include <array>
#include <cstdint>

namespace soundfile {

// Speech files older than the header text carry a key at offset 4 that names their rate.
struct SpeechKey {
    std::uint32_t key;
    std::int32_t rate;
};

extern const std::array<SpeechKey, 19> speechKeyTable;

}  // namespace soundfile
