// Values as samples of the copy's width: rounded to the nearest step, kept in range, the same every time.
#include <gtest/gtest.h>

#include "tools/rs/SampleWidth.h"

TEST(SampleWidth, SixteenBitValuesRoundToTheNearestSampleAndStayInRange) {
    std::vector<std::int16_t> samples;
    quantize({0.0f, 100.4f / 32768, 100.6f / 32768, -100.6f / 32768, 1.0f, 1.5f, -1.0f, -1.5f}, 16, samples);
    EXPECT_EQ(samples, (std::vector<std::int16_t>{0, 100, 101, -101, 32767, 32767, -32768, -32768}));
}

TEST(SampleWidth, EightBitValuesRoundToTheNearestStepOf256) {
    std::vector<std::int16_t> samples;
    // 0.3 x 128 = 38.4 and 0.31 x 128 = 39.68: the high bytes 38 and 40, not the truncated 38 and 39.
    quantize({0.3f, 0.31f, -0.31f, 1.0f, -1.0f, 200.0f / 32768}, 8, samples);
    EXPECT_EQ(samples, (std::vector<std::int16_t>{38 * 256, 40 * 256, -40 * 256, 127 * 256, -128 * 256, 256}));
}
