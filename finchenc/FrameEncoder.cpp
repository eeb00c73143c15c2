#include "finchenc/FrameEncoder.h"

#include <algorithm>
#include <cmath>

#include "finchenc/QuantizerTables.h"
#include "finchenc/ScaleFactorTable.h"

namespace finch {

namespace {

// Bits left over in a frame with no shared scale factor; they and the 5 bits each sharing band
// saves are spent in whole units of 12 bits.
constexpr int kInitialSpareBits = 8;
constexpr int kScaleIndexBits = 5;

struct BandScales {
    std::array<int, kBandCount> index1{};
    std::array<int, kBandCount> index2{};
    BandValues scale1{};
    BandValues scale2{};
    std::array<bool, kBandCount> shared{};
};

BandScales chooseScales(const SubbandSamples& subbands) {
    const BandValues peaks1 = bandPeaks(subbands, 0);
    const BandValues peaks2 = bandPeaks(subbands, 6);
    BandScales scales;
    for (int b = 0; b < kBandCount; ++b) {
        scales.index1[b] = scaleFactorIndex(peaks1[b]);
        scales.index2[b] = scaleFactorIndex(peaks2[b]);
        scales.scale1[b] = 2.0 * scaleFactorTable[scales.index1[b]];
        scales.scale2[b] = 2.0 * scaleFactorTable[scales.index2[b]];
    }
    return scales;
}

// A band whose two halves lie within two table steps sends one scale factor; what the saved bits do
// not buy in whole units becomes the frame's padding.
int shareScales(BandScales& scales, int baseUnits) {
    int units = baseUnits;
    int spare = kInitialSpareBits;
    for (int b = 0; b < kBandCount; ++b) {
        if (std::abs(scales.index1[b] - scales.index2[b]) <= 2) {
            scales.shared[b] = true;
            scales.index2[b] = scales.index1[b];
            scales.scale2[b] = scales.scale1[b];
            spare += kScaleIndexBits;
        }
    }
    while (spare > 11) {
        units += 1;
        spare -= kBlocksPerFrame;
    }
    return units;
}

void writeSideInfo(WordBuffer& out, const BandAllocation& allocation, const BandScales& scales) {
    for (int b = 0; b < kBandCount; ++b) {
        putBits(out, static_cast<std::uint16_t>(allocation[b]), 3);
    }
    for (int b = 0; b < kBandCount; ++b) {
        putBits(out, scales.shared[b] ? 1 : 0, 1);
    }
    for (int b = 0; b < kBandCount; ++b) {
        putBits(out, static_cast<std::uint16_t>(scales.index1[b]), kScaleIndexBits);
    }
}

void quantizeSamples(FinchCodec& codec, const SubbandSamples& subbands, const BandAllocation& allocation,
                     const BandScales& scales) {
    for (int t = 0; t < kBlocksPerFrame; ++t) {
        if (t == 6) {
            for (int b = 0; b < kBandCount; ++b) {
                if (!scales.shared[b]) {
                    putBits(codec.wordBuffer, static_cast<std::uint16_t>(scales.index2[b]), kScaleIndexBits);
                }
            }
        }
        const BandValues& scale = t < 6 ? scales.scale1 : scales.scale2;
        for (int b = 0; b < kBandCount; ++b) {
            const int n = allocation[b];
            if (n == 0) {
                codec.noise.next();  // the decoder draws one here too
                continue;
            }
            putBits(codec.wordBuffer, quantizeSample(subbands[t][b], scale[b], n), n);
        }
    }
}

void padToWord(WordBuffer& out) {
    while (out.filled != 0) {
        const int free = 16 - out.filled;
        putBits(out, 0, free > 4 ? 4 : free);
    }
}

}  // namespace

BandValues bandPeaks(const SubbandSamples& subbands, int firstBlock) {
    BandValues peaks{};
    for (int t = firstBlock; t < firstBlock + 6; ++t) {
        for (int b = 0; b < kBandCount; ++b) {
            peaks[b] = std::max(peaks[b], std::fabs(subbands[t][b]));
        }
    }
    return peaks;
}

int scaleFactorIndex(double peak) {
    const double half = peak / 2;
    for (int k = kScaleFactorCount - 1; k >= 1; --k) {
        if (scaleFactorTable[k] >= half) {
            return k;
        }
    }
    return 0;
}

BandValues bandRms(const SubbandSamples& subbands) {
    BandValues rms{};
    for (int b = 0; b < kBandCount; ++b) {
        double sum = 0.0;
        for (int t = 0; t < kBlocksPerFrame; ++t) {
            sum += subbands[t][b] * subbands[t][b];
        }
        rms[b] = std::sqrt(sum / kBlocksPerFrame);
    }
    return rms;
}

BandAllocation allocateBits(BandValues rms, int units, int cap) {
    BandAllocation allocation{};
    for (int b = 0; b < 4; ++b) {
        allocation[b] = 1;
    }
    for (int unit = 4; unit < units; ++unit) {
        int best = 0;
        double bestRms = 0.0;
        for (int b = 0; b < kBandCount; ++b) {
            if (rms[b] >= bestRms) {
                bestRms = rms[b];
                best = b;
            }
        }
        allocation[best] += 1;
        rms[best] /= 4.0;
        if (allocation[best] >= cap) {
            rms[best] = -1.0;
        }
    }
    return allocation;
}

std::uint16_t quantizeSample(double s, double scale, int n) {
    const std::uint16_t sign = s <= 0 ? 1 : 0;
    if (n == 1) {
        return sign;
    }
    const double magnitude = std::fabs(s / scale);
    const std::span<const double> centres = quantizerCentres(n);
    int nearest = 0;
    double nearestDistance = (magnitude - centres[0]) * (magnitude - centres[0]);
    for (int i = 1; i < static_cast<int>(centres.size()); ++i) {
        const double distance = (magnitude - centres[i]) * (magnitude - centres[i]);
        if (distance < nearestDistance) {
            nearest = i;
            nearestDistance = distance;
        }
    }
    return static_cast<std::uint16_t>(nearest | (sign << (n - 1)));
}

std::span<const std::uint16_t> encodeFrame(FinchCodec& codec, std::span<const std::int16_t, kSamplesPerFrame> samples) {
    SubbandSamples subbands;
    analyzeFrame(codec, samples, subbands);
    BandScales scales = chooseScales(subbands);
    const int units = shareScales(scales, codec.baseUnits);
    const int cap = codec.baseUnits > 42 ? kMaxAllocation : kMaxAllocation - 1;
    const BandAllocation allocation = allocateBits(bandRms(subbands), units, cap);
    writeSideInfo(codec.wordBuffer, allocation, scales);
    quantizeSamples(codec, subbands, allocation, scales);
    padToWord(codec.wordBuffer);
    const std::span<const std::uint16_t> words(codec.wordBuffer.words.data(), codec.wordBuffer.count);
    codec.wordBuffer.count = 0;
    return words;
}

}  // namespace finch
