#include "platform/framework/DateTime.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <ctime>

using namespace framework;

namespace {

struct TimeParts {
    std::uint16_t hour, minute, second, millisecond;
};

TimeParts Decode(TDateTime value) {
    TimeParts parts{};
    DecodeTime(value, parts.hour, parts.minute, parts.second, parts.millisecond);
    return parts;
}

}  // namespace

TEST(DecodeTime, SplitsTheTimeOfDay) {
    // 1 h 1 min 7.4 s as a fraction of a day, on an arbitrary date.
    const TimeParts parts = Decode(45000.0 + (3667.4 / 86400.0));
    EXPECT_EQ(parts.hour, 1);
    EXPECT_EQ(parts.minute, 1);
    EXPECT_EQ(parts.second, 7);
    EXPECT_EQ(parts.millisecond, 400);
}

TEST(DecodeTime, DurationsAndDayEdges) {
    const TimeParts small = Decode(67.4 / 86400.0);
    EXPECT_EQ(small.minute, 1);
    EXPECT_EQ(small.second, 7);
    EXPECT_EQ(small.millisecond, 400);
    const TimeParts midnight = Decode(45000.0);
    EXPECT_EQ(midnight.hour + midnight.minute + midnight.second + midnight.millisecond, 0);
    const TimeParts last = Decode(45000.0 + 86399.999 / 86400.0);
    EXPECT_EQ(last.hour, 23);
    EXPECT_EQ(last.minute, 59);
    EXPECT_EQ(last.second, 59);
    EXPECT_EQ(last.millisecond, 999);
}

TEST(Now, CountsLocalDaysFrom1899) {
    const std::time_t before = std::time(nullptr);
    const TDateTime now = Now();
    std::tm local{};
    localtime_r(&before, &local);
    // Days from 1899-12-30 to the local date, by the civil calendar, computed independently of Now.
    auto daysFromCivil = [](int y, int m, int d) {
        y -= m <= 2;
        const int era = (y >= 0 ? y : y - 399) / 400;
        const int yoe = y - era * 400;
        const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
        const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
        return era * 146097 + doe - 719468;
    };
    const int expectedDay =
        daysFromCivil(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) - daysFromCivil(1899, 12, 30);
    const double secondOfDay = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec;
    EXPECT_NEAR(now, expectedDay + secondOfDay / 86400.0, 2.0 / 86400.0);
}
