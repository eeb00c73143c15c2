#pragma once

#include <bit>
#include <cstdint>

namespace tesk {

// Saturating 16/32-bit fixed-point operators of the Lark codec. Every result is defined to the bit: sums and
// shifts clip to the type's range instead of wrapping. Defined inline because the transform calls them
// thousands of times per frame.

using Word16 = int16_t;
using Word32 = int32_t;

inline constexpr Word16 MAX_16 = 32767;
inline constexpr Word16 MIN_16 = -32768;
inline constexpr Word32 MAX_32 = 2147483647;
inline constexpr Word32 MIN_32 = -2147483647 - 1;

inline Word16 saturate(Word32 value) {
    if (value > MAX_16) return MAX_16;
    if (value < MIN_16) return MIN_16;
    return static_cast<Word16>(value);
}

inline Word16 add(Word16 a, Word16 b) { return saturate(Word32{a} + b); }
inline Word16 sub(Word16 a, Word16 b) { return saturate(Word32{a} - b); }

namespace basic_ops_detail {

// Shift counts arrive as Word16; working in int keeps the negation of -32768 representable.
inline Word16 shiftLeft(Word16 a, int n) {
    if (a == 0) return 0;
    if (n > 15) return a > 0 ? MAX_16 : MIN_16;
    const Word32 shifted = Word32{a} * (Word32{1} << n);
    if (shifted != static_cast<Word16>(shifted)) return a > 0 ? MAX_16 : MIN_16;
    return static_cast<Word16>(shifted);
}

inline Word16 shiftRight(Word16 a, int n) {
    if (n >= 15) return a < 0 ? -1 : 0;
    return static_cast<Word16>(a >> n);
}

inline Word32 longShiftLeft(Word32 value, int n) {
    if (value == 0) return 0;
    if (n >= 32) return value > 0 ? MAX_32 : MIN_32;
    const int64_t shifted = int64_t{value} * (int64_t{1} << n);
    if (shifted > MAX_32) return MAX_32;
    if (shifted < MIN_32) return MIN_32;
    return static_cast<Word32>(shifted);
}

inline Word32 longShiftRight(Word32 value, int n) {
    if (n >= 31) return value < 0 ? -1 : 0;
    return value >> n;
}

}  // namespace basic_ops_detail

inline Word16 shl(Word16 a, Word16 n) {
    return n < 0 ? basic_ops_detail::shiftRight(a, -int{n}) : basic_ops_detail::shiftLeft(a, n);
}
inline Word16 shr(Word16 a, Word16 n) {
    return n < 0 ? basic_ops_detail::shiftLeft(a, -int{n}) : basic_ops_detail::shiftRight(a, n);
}

inline Word32 L_mult(Word16 a, Word16 b) {
    const Word32 product = Word32{a} * b;
    return product == 0x40000000 ? MAX_32 : product * 2;
}
inline Word32 L_mult0(Word16 a, Word16 b) { return Word32{a} * b; }

inline Word16 extract_h(Word32 value) { return static_cast<Word16>(value >> 16); }
inline Word16 extract_l(Word32 value) { return static_cast<Word16>(value); }

inline Word32 L_add(Word32 a, Word32 b) {
    const int64_t sum = int64_t{a} + b;
    if (sum > MAX_32) return MAX_32;
    if (sum < MIN_32) return MIN_32;
    return static_cast<Word32>(sum);
}
inline Word32 L_sub(Word32 a, Word32 b) {
    const int64_t difference = int64_t{a} - b;
    if (difference > MAX_32) return MAX_32;
    if (difference < MIN_32) return MIN_32;
    return static_cast<Word32>(difference);
}

inline Word16 round(Word32 value) { return extract_h(L_add(value, 0x8000)); }

inline Word32 L_mac(Word32 acc, Word16 a, Word16 b) { return L_add(acc, L_mult(a, b)); }
inline Word32 L_msu(Word32 acc, Word16 a, Word16 b) { return L_sub(acc, L_mult(a, b)); }

inline Word32 L_shl(Word32 value, Word16 n) {
    return n <= 0 ? basic_ops_detail::longShiftRight(value, -int{n}) : basic_ops_detail::longShiftLeft(value, n);
}
inline Word32 L_shr(Word32 value, Word16 n) {
    return n < 0 ? basic_ops_detail::longShiftLeft(value, -int{n}) : basic_ops_detail::longShiftRight(value, n);
}

inline Word32 L_deposit_h(Word16 a) { return Word32{a} * 65536; }
inline Word32 L_deposit_l(Word16 a) { return Word32{a}; }

inline Word16 norm_l(Word32 value) {
    if (value == 0) return 0;
    const uint32_t magnitude = static_cast<uint32_t>(value < 0 ? ~value : value);
    return static_cast<Word16>(std::countl_zero(magnitude) - 1);
}

// About 2^30 / sqrt(value); 1073741823 for value <= 0.
Word32 Inv_sqrt(Word32 value);

}  // namespace tesk
