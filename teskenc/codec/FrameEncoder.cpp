#include "teskenc/codec/FrameEncoder.h"

#include <array>

#include "teskenc/codec/FrameLayout.h"
#include "teskenc/codec/StartBlockCoder.h"
#include "teskenc/codec/Teska.h"
#include "teskenc/dsp/BasicOps.h"
#include "teskenc/dsp/BitPacker.h"
#include "teskenc/dsp/LappedTransform.h"
#include "teskenc/teskb/TeskbCodec.h"

namespace tesk {

namespace {

constexpr int kStartBlocks = kStartFrameValues / StartBlockCoder::kBlockValues;

}  // namespace

void FrameEncoder::setRate(int32_t rateId) {
    requireCodecRateId(rateId);
    rateId_ = rateId;
    wordsPerFrame_ = tesk::wordsPerFrame[rateId];
}

void FrameEncoder::encode(const int16_t* window, uint16_t* words) const {
    std::array<int16_t, kFrameSamples> coefficients{};
    forwardTransform(window, coefficients.data());
    if (rateId_ >= 4) {
        for (int16_t& c : coefficients) c = shl(c, 1);
        teskbEncodeFrame(coefficients.data(), {words, static_cast<size_t>(wordsPerFrame_)}, rateId_);
    } else {
        teskaEncodeFrame(coefficients.data(), words, rateId_);
    }
}

void FrameEncoder::encodeStartFrame(const int16_t* window, uint16_t* words, bool startUp) const {
    if (!startUp) {
        encode(window, words);
        return;
    }
    // Run the decoder's first inverse transform here so that its overlap state can be sent instead of a frame.
    // The inverse expects coefficients at twice the forward scale, as the coefficient decoders deliver them.
    std::array<int16_t, kFrameSamples> history{};
    transformInit(history.data());
    std::array<int16_t, kFrameSamples> coefficients{};
    forwardTransform(window, coefficients.data());
    for (int16_t& c : coefficients) c = shl(c, 1);
    std::array<int16_t, kFrameSamples> discarded{};
    inverseTransform(coefficients.data(), discarded.data(), history.data());

    // The decoder undoes the gain of 8; saturating keeps loud starts at full scale instead of wrapping.
    std::array<int16_t, kStartFrameValues> values{};
    for (int i = 0; i < kStartFrameValues; ++i) values[i] = shl(history[i], 3);
    StartBlockCoder coder;
    std::array<StartBlock, kStartBlocks> blocks{};
    std::array<int16_t, kStartFrameValues> reconstruction{};
    std::array<int32_t, kStartFrameValues> difference{};
    coder.encode(values.data(), blocks.data(), reconstruction.data(), difference.data(), kStartFrameValues);

    BitPacker packer({words, static_cast<size_t>(kStartFrameWords)});
    for (const StartBlock& block : blocks) {
        packer.packBits16(block.mode, 3);
        packer.packBits16(block.row, 5);
        for (uint8_t index : block.index) packer.packBits16(index, 4);
    }
}

}  // namespace tesk
