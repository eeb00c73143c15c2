// How the source's channels become the copy's.
#include <gtest/gtest.h>

#include "tools/rs/ChannelMix.h"

TEST(ChannelMix, TheLayoutsItCanMix) {
    EXPECT_TRUE(ChannelMix::possible(2, 2));
    EXPECT_TRUE(ChannelMix::possible(6, 1));
    EXPECT_TRUE(ChannelMix::possible(1, 4));
    EXPECT_FALSE(ChannelMix::possible(3, 2));
}

TEST(ChannelMix, AllChannelsAreAveragedIntoOne) {
    const ChannelMix mix(3, 1);
    EXPECT_EQ(mix.convertedChannels(), 1);
    const std::vector<std::int16_t> frames{-32768, -32768, -32768, 3, 6, 9, 32767, 0, -1};
    std::vector<float> values;
    mix.narrow(frames.data(), 3, values);
    EXPECT_EQ(values, (std::vector<float>{-1.0f, 6 / 32768.0f, 32766 / 3 / 32768.0f}));
}

TEST(ChannelMix, OneChannelIsConvertedOnceAndThenCopiedIntoEach) {
    const ChannelMix mix(1, 3);
    EXPECT_EQ(mix.convertedChannels(), 1);
    const std::vector<std::int16_t> frames{16384, -1};
    std::vector<float> values;
    mix.narrow(frames.data(), 2, values);
    EXPECT_EQ(values, (std::vector<float>{0.5f, -1 / 32768.0f}));
    std::vector<std::int16_t> copy;
    mix.widen({5, -7}, copy);
    EXPECT_EQ(copy, (std::vector<std::int16_t>{5, 5, 5, -7, -7, -7}));
}

TEST(ChannelMix, TheSameLayoutPassesUnchanged) {
    const ChannelMix mix(2, 2);
    EXPECT_EQ(mix.convertedChannels(), 2);
    const std::vector<std::int16_t> frames{1, -2, 32767, -32768};
    std::vector<float> values;
    mix.narrow(frames.data(), 2, values);
    EXPECT_EQ(values, (std::vector<float>{1 / 32768.0f, -2 / 32768.0f, 32767 / 32768.0f, -1.0f}));
    std::vector<std::int16_t> copy;
    mix.widen(frames, copy);
    EXPECT_EQ(copy, frames);
}
