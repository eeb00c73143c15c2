#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace tesk {

// Reads the fields that BitPacker wrote, in the same order. Bits past the end of the buffer read as 0, so a
// frame cut short decodes from the words present without reading outside them.
class BitReader {
  public:
    // Starts reading at words[0].
    explicit BitReader(std::span<const uint16_t> words);

    // Takes the next nbits (1..16) bits.
    uint32_t unpackBits16(int nbits);

    // Bits of the buffer not yet taken; 0 once reading has passed its end.
    std::size_t bitsRemaining() const;

  private:
    uint16_t wordAt(std::size_t index) const;

    std::span<const uint16_t> words_;
    std::size_t cursor_ = 0;
    uint32_t current_ = 0;
    int bitsLeft_ = 16;
};

}  // namespace tesk
