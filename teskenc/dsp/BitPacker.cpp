#include "teskenc/dsp/BitPacker.h"

namespace tesk {

BitPacker::BitPacker(std::span<uint16_t> words) : words_(words) {
    if (!words_.empty()) words_[0] = 0;
}

void BitPacker::packBits16(uint32_t value, int nbits) {
    // Masked so that an out-of-range value cannot spill into the fields around it.
    value &= (uint32_t{1} << nbits) - 1;
    const int room = 16 - bitPosition_;
    if (nbits < room) {
        if (cursor_ < words_.size()) words_[cursor_] |= static_cast<uint16_t>(value << bitPosition_);
        bitPosition_ += nbits;
        return;
    }
    if (cursor_ < words_.size()) words_[cursor_] |= static_cast<uint16_t>(value << bitPosition_);
    ++cursor_;
    if (cursor_ < words_.size()) words_[cursor_] = static_cast<uint16_t>(value >> room);
    bitPosition_ = nbits - room;
}

}  // namespace tesk
