#include "platform/framework/Round.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <limits>

#include "platform/framework/Exception.h"

using framework::Round;

TEST(Round, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(Round(0.5), 0);
    EXPECT_EQ(Round(1.5), 2);
    EXPECT_EQ(Round(2.5), 2);
    EXPECT_EQ(Round(3.5), 4);
    EXPECT_EQ(Round(-0.5), 0);
    EXPECT_EQ(Round(-1.5), -2);
    EXPECT_EQ(Round(-2.5), -2);
}

TEST(Round, OtherValuesGoToTheNearest) {
    EXPECT_EQ(Round(2.4999999), 2);
    EXPECT_EQ(Round(2.5000001), 3);
    EXPECT_EQ(Round(-7.6), -8);
    // The gain pass: 10 x 0.95f is just below 9.5; 3 x 0.5 and 5 x 0.5 are exact halves.
    EXPECT_EQ(Round(10 * static_cast<double>(0.95f)), 9);
    EXPECT_EQ(Round(3 * 0.5), 2);
    EXPECT_EQ(Round(5 * 0.5), 2);
    EXPECT_EQ(Round(-3 * 0.5), -2);
    // A track size in hundredths of a megabyte.
    EXPECT_EQ(Round(273.0 * 176400 / 1048576 * 100), 4593);
    EXPECT_EQ(Round(4503599627370497.0), 4503599627370497);
}

TEST(Round, IgnoresTheThreadsRoundingMode) {
    const int saved = std::fegetround();
    std::fesetround(FE_UPWARD);
    const auto down = Round(2.5);
    const auto up = Round(2.6);
    const int during = std::fegetround();
    std::fesetround(saved);
    EXPECT_EQ(down, 2);
    EXPECT_EQ(up, 3);
    EXPECT_EQ(during, FE_UPWARD);
}

TEST(Round, ValuesWithoutA64BitResultRaise) {
    EXPECT_THROW(Round(std::nan("")), framework::Exception);
    EXPECT_THROW(Round(9223372036854775808.0), framework::Exception);
    EXPECT_THROW(Round(std::numeric_limits<double>::infinity()), framework::Exception);
    EXPECT_EQ(Round(-9223372036854775808.0), std::numeric_limits<std::int64_t>::min());
}
