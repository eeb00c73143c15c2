#include "teskenc/codec/FrameDecoder.h"

#include "teskenc/codec/FrameLayout.h"
#include "teskenc/codec/StartBlockCoder.h"
#include "teskenc/codec/Teska.h"
#include "teskenc/dsp/BitReader.h"
#include "teskenc/dsp/LappedTransform.h"
#include "teskenc/teskb/TeskbCodec.h"

namespace tesk {

void FrameDecoder::setRate(int32_t rateId) {
    requireCodecRateId(rateId);
    rateId_ = rateId;
    wordsPerFrame_ = tesk::wordsPerFrame[rateId];
}

void FrameDecoder::decode(int16_t* samples, const uint16_t* words) {
    std::array<int16_t, kFrameSamples> coefficients{};
    if (rateId_ >= 4) {
        teskbDecodeFrame(coefficients.data(), {words, static_cast<size_t>(wordsPerFrame_)}, rateId_);
    } else {
        teskaDecodeFrame(coefficients.data(), words, rateId_);
    }
    inverseTransform(coefficients.data(), samples, overlap_.data());
}

void FrameDecoder::decodeFirstFrame(const uint16_t* words, bool startUp) {
    transformInit(overlap_.data());
    if (!startUp) {
        std::array<int16_t, kFrameSamples> discarded{};
        decode(discarded.data(), words);
        return;
    }
    const StartBlockCoder coder;
    StartBlockState state;
    BitReader reader({words, static_cast<size_t>(kStartFrameWords)});
    for (int first = 0; first < kStartFrameValues; first += StartBlockCoder::kBlockValues) {
        StartBlock block;
        block.mode = static_cast<uint8_t>(reader.unpackBits16(3));
        block.row = static_cast<uint8_t>(reader.unpackBits16(5));
        for (uint8_t& index : block.index) index = static_cast<uint8_t>(reader.unpackBits16(4));
        coder.decodeBlock(&overlap_[first], block, state, StartBlockCoder::kBlockValues);
    }
    for (int i = 0; i < kStartFrameValues; ++i) overlap_[i] = static_cast<int16_t>(overlap_[i] >> 3);
}

}  // namespace tesk
