#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace tesk {

// Packs bit fields least significant bit first into 16-bit words: the first field lands in the low bits of
// word 0, and a field that does not fit puts its low bits at the top of one word and the rest at the bottom of
// the next. The packer never writes outside its buffer; bits beyond the last word are dropped.
class BitPacker {
  public:
    // Starts a new frame at words[0], which is cleared.
    explicit BitPacker(std::span<uint16_t> words);

    // Appends the low nbits (1..16) bits of value.
    void packBits16(uint32_t value, int nbits);

  private:
    std::span<uint16_t> words_;
    std::size_t cursor_ = 0;
    int bitPosition_ = 0;
};

}  // namespace tesk
