#include "FieldBits.h"

namespace finch::test {

unsigned FieldReader::read(int n) {
    unsigned value = 0;
    for (int i = 0; i < n; ++i, ++bit_) {
        const std::size_t word = bit_ / 16;
        const int bitInWord = 15 - static_cast<int>(bit_ % 16);
        const unsigned wordValue = bytes_.at(2 * word) | (bytes_.at(2 * word + 1) << 8);
        value = (value << 1) | ((wordValue >> bitInWord) & 1);
    }
    return value;
}

void FieldWriter::write(unsigned value, int n) {
    for (int i = n - 1; i >= 0; --i) {
        bits_.push_back(((value >> i) & 1) != 0);
    }
}

std::vector<unsigned char> FieldWriter::bytes() const {
    std::vector<unsigned char> out;
    for (std::size_t w = 0; w + 16 <= bits_.size(); w += 16) {
        unsigned word = 0;
        for (int i = 0; i < 16; ++i) {
            word = (word << 1) | (bits_[w + i] ? 1 : 0);
        }
        out.push_back(static_cast<unsigned char>(word & 0xFF));
        out.push_back(static_cast<unsigned char>(word >> 8));
    }
    return out;
}

}  // namespace finch::test
