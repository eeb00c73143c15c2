#pragma once
// Conversion of whole PCM buffers between rates, sample sizes and channel counts.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/media/PcmFormat.h"

namespace platform::media {

// Returns false with the cause in failure when the conversion cannot be set up.
bool ConvertPcm(std::span<const std::uint8_t> samples, const PcmFormat& from, const PcmFormat& to,
                std::vector<std::uint8_t>& converted, std::string& failure);

}  // namespace platform::media
