// The texts of the options and recorder windows: durations and bit rates.
#include <gtest/gtest.h>

#include "trackmill/app/texts/BitRateText.h"
#include "trackmill/app/texts/DurationText.h"

TEST(DurationText, SecondsBelowAMinuteAndWholeUnitsFromThereOn) {
    const std::pair<std::int64_t, const char*> table[] = {{0, "0秒"},         {1500, "1.5秒"},
                                                          {12345, "12.3秒"},  {59999, "60秒"},
                                                          {60000, "1分"},     {61500, "1分1秒"},
                                                          {3600000, "1小时"}, {3723000, "1小时2分3秒"},
                                                          {3600999, "1小时"}, {7200000 + 59000, "2小时59秒"},
                                                          {999, "0.999秒"},   {100000LL * 3600 * 1000, "100000小时"}};
    for (const auto& [milliseconds, text] : table) EXPECT_EQ(DurationText(milliseconds), text) << milliseconds;
}

TEST(BitRateText, ShownWithoutLeadingBlank) {
    EXPECT_EQ(BitRateText(32), "32 kbit/s");
    EXPECT_EQ(BitRateText(128), "128 kbit/s");
}

TEST(BitRateText, TheLeadingWholeNumberWithinTheEncodersRange) {
    const std::pair<const char*, int> good[] = {{" 32 kbit/s", 32},  {"32 kbit/s", 32}, {"128 kbit/s", 128},
                                                {"320 kbit/s", 320}, {"8", 8},          {"  96kbit/s", 96}};
    for (const auto& [text, value] : good) EXPECT_EQ(BitRateOf(text), value) << text;
    for (const char* bad : {"", "   ", "kbit/s", "7 kbit/s", "321 kbit/s", "1280 kbit/s", "-32 kbit/s", "+32",
                            "99999999999999999999", "\t32"})
        EXPECT_FALSE(BitRateOf(bad).has_value()) << bad;
}
