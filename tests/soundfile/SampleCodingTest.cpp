#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "soundfile/SampleCoding.h"
#include "tests/support/FileBytes.h"

using namespace testsupport;

namespace soundfile {
namespace {

struct Worked {
    const char* form;
    SampleCoding coding;
    std::vector<std::int16_t> samples;
    Bytes stored;
};

void PrintTo(const Worked& worked, std::ostream* out) { *out << worked.form; }

class SampleCodingWorked : public testing::TestWithParam<Worked> {};

TEST_P(SampleCodingWorked, DecodesStoredBytesAndEncodesThemBack) {
    const Worked& worked = GetParam();
    std::vector<std::int16_t> decoded(worked.samples.size());
    worked.coding.decode(worked.stored.data(), decoded.data(), decoded.size());
    EXPECT_EQ(decoded, worked.samples);

    Bytes encoded(worked.stored.size());
    worked.coding.encode(worked.samples.data(), encoded.data(), worked.samples.size());
    EXPECT_EQ(encoded, worked.stored);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, SampleCodingWorked,
    testing::Values(
        Worked{"8-bit offset 128", {8, 128, 1}, {-32768, 0, 32512, 0x0100}, {0x00, 0x80, 0xFF, 0x81}},
        Worked{"8-bit signed", {8, 0, 1}, {0x1200, -256, -32768}, {0x12, 0xFF, 0x80}},
        Worked{"16-bit signed little-endian", {16, 0, 1}, {0x1234, -2, -32768}, {0x34, 0x12, 0xFE, 0xFF, 0x00, 0x80}},
        Worked{"16-bit signed big-endian", {16, 0, 0}, {0x1234, -2}, {0x12, 0x34, 0xFF, 0xFE}},
        Worked{"16-bit offset-binary little-endian",
               {16, 0x8000, 1},
               {0, -32768, 32767, 0x1234},
               {0x00, 0x80, 0x00, 0x00, 0xFF, 0xFF, 0x34, 0x92}},
        Worked{"16-bit offset-binary big-endian",
               {16, 0x8000, 0},
               {0, -32768, 32767, 0x1234},
               {0x80, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0x92, 0x34}}),
    [](const testing::TestParamInfo<Worked>& testCase) {
        std::string name;
        for (const char* c = testCase.param.form; *c != '\0'; ++c) {
            if (std::isalnum(static_cast<unsigned char>(*c))) {
                name += *c;
            }
        }
        return name;
    });

TEST(SampleCoding, EightBitKeepsOnlyTheHighByte) {
    const SampleCoding coding{8, 128, 1};
    const std::int16_t samples[2] = {0x12FF, -1};
    unsigned char stored[2] = {};
    coding.encode(samples, stored, 2);
    EXPECT_EQ(stored[0], 0x92);
    EXPECT_EQ(stored[1], 0x7F);
}

}  // namespace
}  // namespace soundfile
