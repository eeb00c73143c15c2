#include <gtest/gtest.h>

#include <array>
#include <random>
#include <vector>

#include "teskenc/dsp/BitPacker.h"
#include "teskenc/dsp/BitReader.h"

namespace tesk {
namespace {

TEST(BitPacking, FirstFieldTakesTheLowestBits) {
    std::array<uint16_t, 2> words{0xffff, 0xffff};
    BitPacker packer(words);
    packer.packBits16(5, 3);
    packer.packBits16(17, 5);
    packer.packBits16(0xA, 4);
    EXPECT_EQ(words[0], 0x0A8D);  // 5 | 17 << 3 | 10 << 8
    EXPECT_EQ(words[1], 0xffff);  // not reached yet

    BitReader reader(words);
    EXPECT_EQ(reader.unpackBits16(3), 5u);
    EXPECT_EQ(reader.unpackBits16(5), 17u);
    EXPECT_EQ(reader.unpackBits16(4), 10u);
}

TEST(BitPacking, FieldStraddlingAWordBoundary) {
    std::array<uint16_t, 3> words{};
    BitPacker packer(words);
    packer.packBits16(0xA5, 8);
    packer.packBits16(0xBCD, 12);  // low 8 bits at the top of word 0, high 4 at the bottom of word 1
    EXPECT_EQ(words[0], 0xCDA5);
    EXPECT_EQ(words[1], 0x000B);

    BitReader reader(words);
    EXPECT_EQ(reader.unpackBits16(8), 0xA5u);
    EXPECT_EQ(reader.unpackBits16(12), 0xBCDu);
}

TEST(BitPacking, FieldEndingOnABoundaryClearsTheNextWord) {
    // 8 blocks of 3 + 5 + 8 x 4 bits: the 20-word start-up frame.
    std::array<uint16_t, 22> words;
    words.fill(0xBEEF);
    BitPacker packer{std::span(words).first(21)};
    for (int block = 0; block < 8; ++block) {
        packer.packBits16(7, 3);
        packer.packBits16(31, 5);
        for (int i = 0; i < 8; ++i) packer.packBits16(15, 4);
    }
    for (int i = 0; i < 20; ++i) EXPECT_EQ(words[i], 0xffff) << i;
    EXPECT_EQ(words[20], 0);
    EXPECT_EQ(words[21], 0xBEEF);
}

TEST(BitPacking, NeverWritesOutsideItsBuffer) {
    std::array<uint16_t, 3> words{0x1111, 0x2222, 0x3333};
    BitPacker packer{std::span(words).first(1)};
    packer.packBits16(0xffff, 16);
    packer.packBits16(0xffff, 16);
    EXPECT_EQ(words[0], 0xffff);
    EXPECT_EQ(words[1], 0x2222);
    EXPECT_EQ(words[2], 0x3333);
}

TEST(BitPacking, ValueWiderThanItsFieldDoesNotSpill) {
    std::array<uint16_t, 1> words{};
    BitPacker packer(words);
    packer.packBits16(0x1F, 3);
    packer.packBits16(0, 5);
    EXPECT_EQ(words[0], 0x0007);
}

TEST(BitPacking, ReaderPastTheEndReadsZeros) {
    const std::array<uint16_t, 1> words{0xffff};
    BitReader reader(words);
    EXPECT_EQ(reader.unpackBits16(12), 0xfffu);
    EXPECT_EQ(reader.unpackBits16(8), 0x0fu);  // 4 bits left, 4 beyond the buffer
    EXPECT_EQ(reader.unpackBits16(16), 0u);
    EXPECT_EQ(BitReader(std::span<const uint16_t>{}).unpackBits16(5), 0u);
}

TEST(BitPacking, ReaderCountsTheBitsLeftInItsBuffer) {
    const std::array<uint16_t, 2> words{0x1234, 0x5678};
    BitReader reader(words);
    EXPECT_EQ(reader.bitsRemaining(), 32u);
    reader.unpackBits16(5);
    EXPECT_EQ(reader.bitsRemaining(), 27u);
    reader.unpackBits16(11);  // ends exactly at the word boundary
    EXPECT_EQ(reader.bitsRemaining(), 16u);
    reader.unpackBits16(15);
    EXPECT_EQ(reader.bitsRemaining(), 1u);
    reader.unpackBits16(3);
    EXPECT_EQ(reader.bitsRemaining(), 0u);
    EXPECT_EQ(BitReader(std::span<const uint16_t>{}).bitsRemaining(), 0u);
}

TEST(BitPacking, RandomFieldsRoundTrip) {
    std::mt19937 random(1);
    std::uniform_int_distribution<int> width(1, 16);
    for (int trial = 0; trial < 200; ++trial) {
        std::vector<std::pair<uint32_t, int>> fields;
        int bits = 0;
        while (bits < 600) {
            const int n = width(random);
            fields.emplace_back(static_cast<uint32_t>(random()) & ((1u << n) - 1), n);
            bits += n;
        }
        std::vector<uint16_t> words((bits + 15) / 16);
        BitPacker packer(words);
        for (const auto& [value, n] : fields) packer.packBits16(value, n);

        // The same bits, laid out one at a time: bit k of the stream is bit k % 16 of word k / 16.
        int position = 0;
        for (const auto& [value, n] : fields) {
            for (int bit = 0; bit < n; ++bit, ++position) {
                ASSERT_EQ((words[position / 16] >> (position % 16)) & 1, (value >> bit) & 1);
            }
        }

        BitReader reader(words);
        for (const auto& [value, n] : fields) ASSERT_EQ(reader.unpackBits16(n), value);
    }
}

}  // namespace
}  // namespace tesk
