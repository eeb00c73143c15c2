#pragma once

#include <cstddef>
#include <cstdint>

namespace finch {

// Reads bit fields most significant bit first from 16-bit words. Bounded by the words it was
// given: past their end it yields zero bits and remembers that it ran out.
class BitReader {
  public:
    BitReader(const std::uint16_t* words, std::size_t wordCount);

    // The next n bits (n = 1..16) as an unsigned number.
    std::uint16_t getBits(int n);

    bool overran() const { return overran_; }

  private:
    std::uint16_t nextWord();

    const std::uint16_t* next_;
    const std::uint16_t* end_;
    std::uint16_t current_ = 0;
    int left_ = 0;
    bool overran_ = false;
};

}  // namespace finch
