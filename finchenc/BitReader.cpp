#include "finchenc/BitReader.h"

namespace finch {

BitReader::BitReader(const std::uint16_t* words, std::size_t wordCount) : next_(words), end_(words + wordCount) {}

std::uint16_t BitReader::nextWord() {
    if (next_ == end_) {
        overran_ = true;
        return 0;
    }
    return *next_++;
}

std::uint16_t BitReader::getBits(int n) {
    if (left_ == 0) {
        current_ = nextWord();
        left_ = 16;
    }
    std::uint16_t result;
    if (left_ < n) {
        const std::uint16_t word = nextWord();
        const std::uint16_t joined = static_cast<std::uint16_t>(current_ | (word >> left_));
        result = static_cast<std::uint16_t>(joined >> (16 - n));
        current_ = static_cast<std::uint16_t>(word << (n - left_));
        left_ += 16;
    } else {
        result = static_cast<std::uint16_t>(current_ >> (16 - n));
        current_ = static_cast<std::uint16_t>(current_ << n);
    }
    left_ -= n;
    return result;
}

}  // namespace finch
