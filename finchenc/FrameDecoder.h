#pragma once

#include <cstdint>
#include <span>

#include "finchenc/FinchCodec.h"

namespace finch {

enum class FrameDecodeResult {
    Decoded,
    // A band's 3-bit allocation field holds 6 or 7.
    InvalidAllocation,
    // The side information asks for more bits than the frame holds.
    OverBudget,
};

// Decodes one frame (frameBits / 16 words) into 384 samples. A rejected frame leaves out and the
// codec's state untouched.
FrameDecodeResult decodeFrame(FinchCodec& codec, std::span<const std::uint16_t> frame, int frameBits,
                              std::span<std::int16_t, kSamplesPerFrame> out);

// The sub-band value for an n-bit code (n = 0..5) at scale-factor index; bands without bits take a
// noise value from the codec's generator.
std::int16_t dequantizeSample(FinchCodec& codec, int code, int index, int n);

}  // namespace finch
