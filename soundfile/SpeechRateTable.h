#pragma once

#include <array>
#include <cstdint>

namespace soundfile {

// Sample rates of speech-header files that give their rate as an index.
extern const std::array<std::int32_t, 19> speechRateTable;

}  // namespace soundfile
