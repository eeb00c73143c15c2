#pragma once

#include <cstddef>
#include <vector>

namespace finch::test {

// Reads fields most significant bit first from 16-bit little-endian words, independently of the codec.
class FieldReader {
  public:
    FieldReader(const std::vector<unsigned char>& bytes, std::size_t start) : bytes_(bytes), bit_(start * 8) {}
    unsigned read(int n);
    std::size_t bitPosition() const { return bit_; }

  private:
    const std::vector<unsigned char>& bytes_;
    std::size_t bit_;
};

// Builds a byte image MSB first into 16-bit little-endian words, independently of the codec.
class FieldWriter {
  public:
    void write(unsigned value, int n);
    // The words so far (the bit count must be a multiple of 16), low byte first.
    std::vector<unsigned char> bytes() const;
    std::size_t bitCount() const { return bits_.size(); }

  private:
    std::vector<bool> bits_;
};

}  // namespace finch::test
