#include "teskenc/dsp/BitReader.h"

namespace tesk {

BitReader::BitReader(std::span<const uint16_t> words) : words_(words), current_(wordAt(0)) {}

uint16_t BitReader::wordAt(std::size_t index) const { return index < words_.size() ? words_[index] : 0; }

uint32_t BitReader::unpackBits16(int nbits) {
    if (nbits < bitsLeft_) {
        const uint32_t value = current_ & ((uint32_t{1} << nbits) - 1);
        current_ >>= nbits;
        bitsLeft_ -= nbits;
        return value;
    }
    // The field ends at or beyond this word's end: its high bits come from the bottom of the next word.
    const int fromNext = nbits - bitsLeft_;
    const uint32_t next = wordAt(++cursor_);
    const uint32_t value = current_ + ((next & ((uint32_t{1} << fromNext) - 1)) << bitsLeft_);
    current_ = next >> fromNext;
    bitsLeft_ += 16 - nbits;
    return value;
}

std::size_t BitReader::bitsRemaining() const {
    if (cursor_ >= words_.size()) return 0;
    return static_cast<std::size_t>(bitsLeft_) + (words_.size() - cursor_ - 1) * 16;
}

}  // namespace tesk
