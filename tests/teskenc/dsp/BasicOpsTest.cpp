#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "teskenc/dsp/BasicOps.h"

namespace tesk {
namespace {

using Wide = __int128;

Wide clampTo(Wide value, Wide low, Wide high) { return value < low ? low : (value > high ? high : value); }
Word16 clamp16(Wide value) { return static_cast<Word16>(clampTo(value, -32768, 32767)); }
Word32 clamp32(Wide value) { return static_cast<Word32>(clampTo(value, MIN_32, MAX_32)); }

// Floor division by 2^n, which is what an arithmetic right shift means.
Wide floorShift(Wide value, int n) {
    const Wide divisor = Wide{1} << n;
    Wide quotient = value / divisor;
    if (value % divisor != 0 && value < 0) --quotient;
    return quotient;
}

Word16 referenceShl(Word16 a, int n) {
    return n >= 0 ? clamp16(Wide{a} * (Wide{1} << n)) : static_cast<Word16>(floorShift(a, -n));
}
Word32 referenceLongShl(Word32 value, int n) {
    return n >= 0 ? clamp32(Wide{value} * (Wide{1} << n)) : static_cast<Word32>(floorShift(value, -n));
}
// The largest left shift that keeps the value inside 32 bits.
Word16 referenceNorm(Word32 value) {
    if (value == 0) return 0;
    int n = 0;
    while (n < 31 && Wide{value} * (Wide{1} << (n + 1)) <= MAX_32 && Wide{value} * (Wide{1} << (n + 1)) >= MIN_32) ++n;
    return static_cast<Word16>(n);
}

TEST(BasicOps, ValuesGivenForTheOperatorSet) {
    EXPECT_EQ(L_mult(-32768, -32768), 2147483647);
    EXPECT_EQ(L_mult0(-32768, -32768), 1073741824);
    EXPECT_EQ(shl(1, 15), 32767);
    EXPECT_EQ(shl(0, 20), 0);
    EXPECT_EQ(shr(-1, 20), -1);
    EXPECT_EQ(L_shr(-5, 31), -1);
    EXPECT_EQ(L_shl(1073741824, 1), 2147483647);
    EXPECT_EQ(round(2147450880), 32767);
    EXPECT_EQ(norm_l(0), 0);
    EXPECT_EQ(norm_l(-1), 31);
    EXPECT_EQ(norm_l(1), 30);
}

TEST(BasicOps, SaturationBoundaries) {
    EXPECT_EQ(shl(-1, 15), -32768);  // exactly representable: no clip
    EXPECT_EQ(shl(-2, 15), -32768);
    EXPECT_EQ(shl(16384, 1), 32767);
    EXPECT_EQ(shl(-16384, 1), -32768);
    EXPECT_EQ(shl(5, -1), 2);
    EXPECT_EQ(shr(-32768, -1), -32768);
    EXPECT_EQ(shr(-3, 1), -2);
    EXPECT_EQ(shr(32767, 15), 0);
    EXPECT_EQ(shl(-32768, -32768), -1);  // a count of -32768 must not wrap back to a left shift

    EXPECT_EQ(add(32767, 1), 32767);
    EXPECT_EQ(sub(-32768, 1), -32768);
    EXPECT_EQ(sub(0, -32768), 32767);
    EXPECT_EQ(saturate(32768), 32767);
    EXPECT_EQ(saturate(-32769), -32768);

    EXPECT_EQ(L_sub(0, MIN_32), MAX_32);
    EXPECT_EQ(L_sub(-1, MAX_32), MIN_32);
    EXPECT_EQ(L_add(MAX_32, 1), MAX_32);
    EXPECT_EQ(L_add(MIN_32, -1), MIN_32);
    EXPECT_EQ(L_shl(-(1 << 30), 1), MIN_32);  // exactly representable
    EXPECT_EQ(L_shl(-(1 << 30) - 1, 1), MIN_32);
    EXPECT_EQ(L_shl((1 << 30) - 1, 1), 2147483646);
    EXPECT_EQ(L_shl(3, 40), MAX_32);
    EXPECT_EQ(L_shl(0, 40), 0);
    EXPECT_EQ(L_shl(-8, -2), -2);
    EXPECT_EQ(L_shr(MIN_32, 31), -1);
    EXPECT_EQ(L_shr(1, -31), MAX_32);

    EXPECT_EQ(round(MAX_32), 32767);
    EXPECT_EQ(round(-32769), -1);
    EXPECT_EQ(round(-32768), 0);
    EXPECT_EQ(L_mac(MAX_32, 1, 1), MAX_32);
    EXPECT_EQ(L_msu(MIN_32, 1, 1), MIN_32);
    EXPECT_EQ(L_msu(0, -32768, -32768), -2147483647);

    EXPECT_EQ(extract_h(static_cast<Word32>(0x8001ffff)), -32767);
    EXPECT_EQ(extract_l(0x12348000), -32768);
    EXPECT_EQ(L_deposit_h(-32768), MIN_32);
    EXPECT_EQ(L_deposit_l(-2), -2);
    EXPECT_EQ(norm_l(MIN_32), 0);
    EXPECT_EQ(norm_l(-(1 << 30)), 1);
    EXPECT_EQ(norm_l(MAX_32), 0);
}

TEST(BasicOps, AgreeWithClampedWideArithmetic) {
    std::mt19937 random(20261209);
    std::uniform_int_distribution<int> word16(-32768, 32767);
    std::uniform_int_distribution<Word32> word32(MIN_32, MAX_32);
    std::uniform_int_distribution<int> shift(-40, 40);
    // Values near the edges are where saturation bugs hide, so a third of the draws come from there.
    std::uniform_int_distribution<int> edge(0, 2);
    auto draw16 = [&] {
        return static_cast<Word16>(edge(random) == 0 ? (word16(random) >> 13) ^ 0x7ff0 : word16(random));
    };
    auto draw32 = [&] {
        const Word32 value = word32(random);
        return edge(random) == 0 ? (value >> 20) ^ 0x7fffff00 : value;
    };

    for (int trial = 0; trial < 200000; ++trial) {
        const Word16 a = draw16();
        const Word16 b = draw16();
        const Word32 l1 = draw32();
        const Word32 l2 = draw32();
        const int n = shift(random);

        ASSERT_EQ(add(a, b), clamp16(Wide{a} + b));
        ASSERT_EQ(sub(a, b), clamp16(Wide{a} - b));
        ASSERT_EQ(L_add(l1, l2), clamp32(Wide{l1} + l2));
        ASSERT_EQ(L_sub(l1, l2), clamp32(Wide{l1} - l2));
        ASSERT_EQ(L_mult(a, b), clamp32(Wide{2} * a * b));
        ASSERT_EQ(L_mult0(a, b), Wide{a} * b);
        ASSERT_EQ(L_mac(l1, a, b), clamp32(Wide{l1} + clamp32(Wide{2} * a * b)));
        ASSERT_EQ(L_msu(l1, a, b), clamp32(Wide{l1} - clamp32(Wide{2} * a * b)));
        ASSERT_EQ(shl(a, static_cast<Word16>(n)), referenceShl(a, n)) << a << " << " << n;
        ASSERT_EQ(shr(a, static_cast<Word16>(n)), referenceShl(a, -n)) << a << " >> " << n;
        ASSERT_EQ(L_shl(l1, static_cast<Word16>(n)), referenceLongShl(l1, n)) << l1 << " << " << n;
        ASSERT_EQ(L_shr(l1, static_cast<Word16>(n)), referenceLongShl(l1, -n)) << l1 << " >> " << n;
        ASSERT_EQ(round(l1), static_cast<Word16>(floorShift(clamp32(Wide{l1} + 32768), 16)));
        ASSERT_EQ(extract_h(l1), static_cast<Word16>(floorShift(l1, 16)));
        ASSERT_EQ(norm_l(l1), referenceNorm(l1)) << l1;
    }
}

TEST(BasicOps, InverseSquareRootValues) {
    EXPECT_EQ(Inv_sqrt(0), 1073741823);
    EXPECT_EQ(Inv_sqrt(-7), 1073741823);
    EXPECT_EQ(Inv_sqrt(1), 1073709056);
    EXPECT_EQ(Inv_sqrt(2), 759234560);
    EXPECT_EQ(Inv_sqrt(2147483647), 23170);
}

TEST(BasicOps, InverseSquareRootFollowsTheRealFunction) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> exponent(0, 30);
    for (int trial = 0; trial < 20000; ++trial) {
        const Word32 value = static_cast<Word32>(std::max<uint32_t>(1, random() >> exponent(random) >> 1));
        const double exact = std::ldexp(1.0, 30) / std::sqrt(static_cast<double>(value));
        ASSERT_NEAR(Inv_sqrt(value), exact, exact * 1e-3 + 1) << value;
    }
}

}  // namespace
}  // namespace tesk
