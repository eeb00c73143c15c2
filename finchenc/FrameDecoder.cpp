#include "finchenc/FrameDecoder.h"

#include <array>

#include "finchenc/BitReader.h"
#include "finchenc/DecoderArithmetic.h"
#include "finchenc/QuantizerTables.h"
#include "finchenc/ScaleFactorTable.h"
#include "finchenc/SubbandSynthesis.h"

namespace finch {

namespace {

constexpr std::uint16_t kNoiseLevel = 22936;
constexpr int kSideInfoBits = kBandCount * (3 + 1 + 5);

struct SideInfo {
    std::array<int, kBandCount> allocation{};
    std::array<bool, kBandCount> shared{};
    std::array<int, kBandCount> index{};
};

SideInfo readSideInfo(BitReader& reader) {
    SideInfo side;
    for (int b = 0; b < kBandCount; ++b) {
        side.allocation[b] = reader.getBits(3);
    }
    for (int b = 0; b < kBandCount; ++b) {
        side.shared[b] = reader.getBits(1) == 1;
    }
    for (int b = 0; b < kBandCount; ++b) {
        side.index[b] = reader.getBits(5);
    }
    return side;
}

FrameDecodeResult checkSideInfo(const SideInfo& side, int frameBits) {
    int bits = kSideInfoBits;
    for (int b = 0; b < kBandCount; ++b) {
        if (side.allocation[b] > kMaxAllocation) {
            return FrameDecodeResult::InvalidAllocation;
        }
        bits += kBlocksPerFrame * side.allocation[b] + (side.shared[b] ? 0 : 5);
    }
    return bits > frameBits ? FrameDecodeResult::OverBudget : FrameDecodeResult::Decoded;
}

}  // namespace

std::int16_t dequantizeSample(FinchCodec& codec, int code, int index, int n) {
    const std::int16_t scale = scaleFactorTable[index];
    if (n == 0) {
        const std::int16_t envelope = mulQ16(kNoiseLevel, scale);
        return static_cast<std::int16_t>(2 * mulQ16(envelope, codec.noise.next()));
    }
    const int levelBits = n - 1;
    const std::uint16_t level = dequantizerLevels(n)[code & ((1 << levelBits) - 1)];
    const bool negative = (code >> levelBits) & 1;
    const int magnitude = 2 * mulQ16(level, scale);
    return static_cast<std::int16_t>(negative ? -magnitude : magnitude);
}

FrameDecodeResult decodeFrame(FinchCodec& codec, std::span<const std::uint16_t> frame, int frameBits,
                              std::span<std::int16_t, kSamplesPerFrame> out) {
    BitReader reader(frame.data(), frame.size());
    SideInfo side = readSideInfo(reader);
    const FrameDecodeResult check = checkSideInfo(side, frameBits);
    if (check != FrameDecodeResult::Decoded) {
        return check;
    }
    SubbandValues values;
    for (int t = 0; t < kBlocksPerFrame; ++t) {
        if (t == 6) {
            for (int b = 0; b < kBandCount; ++b) {
                if (!side.shared[b]) {
                    side.index[b] = reader.getBits(5);
                }
            }
        }
        for (int b = 0; b < kBandCount; ++b) {
            const int n = side.allocation[b];
            const int code = n > 0 ? reader.getBits(n) : 0;
            values[t][b] = dequantizeSample(codec, code, side.index[b], n);
        }
    }
    synthesizeFrame(codec, values, out);
    return FrameDecodeResult::Decoded;
}

}  // namespace finch
