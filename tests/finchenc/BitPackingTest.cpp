#include <gtest/gtest.h>

#include <vector>

#include "finchenc/BitReader.h"
#include "finchenc/WordBuffer.h"

namespace finch {
namespace {

TEST(BitPacker, CompletesAWordAndKeepsTheOverflowingBit) {
    WordBuffer buffer;
    putBits(buffer, 0x3FFF, 14);  // 11 1111 1111 1111
    EXPECT_EQ(buffer.count, 0);
    putBits(buffer, 0b010, 3);
    ASSERT_EQ(buffer.count, 1);
    EXPECT_EQ(buffer.words[0], 0xFFFD);  // 14 ones, then "01"
    EXPECT_EQ(buffer.filled, 1);
    EXPECT_EQ(buffer.accumulator, 0);  // the kept bit is the last "0"
}

TEST(BitPacker, PacksMostSignificantBitFirst) {
    WordBuffer buffer;
    putBits(buffer, 1, 1);
    putBits(buffer, 0, 3);
    putBits(buffer, 0xA, 4);
    putBits(buffer, 0xFF, 8);
    putBits(buffer, 0x1234, 16);
    putBits(buffer, 0b101, 3);
    ASSERT_EQ(buffer.count, 2);
    EXPECT_EQ(buffer.words[0], 0x8AFF);  // 1 000 1010 11111111
    EXPECT_EQ(buffer.words[1], 0x1234);
    EXPECT_EQ(buffer.filled, 3);
    EXPECT_EQ(buffer.accumulator, 0b101);
}

TEST(BitReader, ReadsFieldsAcrossWordBoundaries) {
    const std::vector<std::uint16_t> words = {0x8AFF, 0x1234, 0x5600};
    BitReader reader(words.data(), words.size());
    EXPECT_EQ(reader.getBits(1), 1);
    EXPECT_EQ(reader.getBits(3), 0);
    EXPECT_EQ(reader.getBits(4), 0xA);
    EXPECT_EQ(reader.getBits(12), 0xFF1);  // crosses into the second word
    EXPECT_EQ(reader.getBits(16), 0x2345);
    EXPECT_EQ(reader.getBits(8), 0x60);
    EXPECT_FALSE(reader.overran());
}

TEST(BitReader, ReadsBackWhatThePackerWrote) {
    WordBuffer buffer;
    std::vector<std::pair<std::uint16_t, int>> fields;
    unsigned seed = 12345;
    int bits = 0;
    while (bits < 16 * 90) {
        seed = seed * 1103515245u + 12345u;
        const int n = 1 + static_cast<int>((seed >> 16) % 16);
        const auto value = static_cast<std::uint16_t>((seed >> 8) & ((1u << n) - 1));
        fields.emplace_back(value, n);
        putBits(buffer, value, n);
        bits += n;
    }
    putBits(buffer, 0, 16 - buffer.filled);
    BitReader reader(buffer.words.data(), static_cast<std::size_t>(buffer.count));
    for (const auto& [value, n] : fields) {
        ASSERT_EQ(reader.getBits(n), value);
    }
    EXPECT_FALSE(reader.overran());
}

TEST(BitReader, GivesZerosPastItsWordsAndSaysSo) {
    const std::vector<std::uint16_t> words = {0xFFFF};
    BitReader reader(words.data(), words.size());
    EXPECT_EQ(reader.getBits(12), 0xFFF);
    EXPECT_FALSE(reader.overran());
    EXPECT_EQ(reader.getBits(8), 0xF0);  // 4 real bits, then zeros
    EXPECT_TRUE(reader.overran());
    EXPECT_EQ(reader.getBits(16), 0);
}

}  // namespace
}  // namespace finch
