#include "teskenc/dsp/BasicOps.h"

#include <array>
#include <cmath>

namespace tesk {

namespace {

// 32768 * sqrt(16 / (16 + i)), the inverse square root over one octave of normalised mantissas.
std::array<Word16, 49> buildInvSqrtTable() {
    std::array<Word16, 49> table{};
    for (int i = 0; i < 49; ++i) {
        const double value = std::floor(32768.0 * std::sqrt(16.0 / (16.0 + i)) + 0.5);
        table[i] = static_cast<Word16>(std::min(32767.0, value));
    }
    return table;
}

const std::array<Word16, 49>& invSqrtTable() {
    static const std::array<Word16, 49> table = buildInvSqrtTable();
    return table;
}

}  // namespace

Word32 Inv_sqrt(Word32 value) {
    if (value <= 0) return 0x3fffffff;

    Word16 exponent = norm_l(value);
    value = L_shl(value, exponent);
    exponent = sub(30, exponent);
    if ((exponent & 1) == 0) value = L_shr(value, 1);
    exponent = add(shr(exponent, 1), 1);

    value = L_shr(value, 9);
    Word16 index = extract_h(value);
    value = L_shr(value, 1);
    const Word16 fraction = static_cast<Word16>(extract_l(value) & 0x7fff);
    index = sub(index, 16);

    const std::array<Word16, 49>& table = invSqrtTable();
    Word32 result = L_deposit_h(table[index]);
    const Word16 slope = sub(table[index], table[index + 1]);
    result = L_msu(result, slope, fraction);
    return L_shr(result, exponent);
}

}  // namespace tesk
