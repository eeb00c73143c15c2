#include "platform/framework/DateTime.h"

#include <chrono>
#include <cmath>
#include <ctime>

namespace framework {

namespace {

constexpr double kMillisecondsPerDay = 86400000.0;
// Days from 1899-12-30 to 1970-01-01.
constexpr std::int64_t kUnixEpochDay = 25569;

}  // namespace

TDateTime Now() {
    using namespace std::chrono;
    const auto sinceEpoch = system_clock::now().time_since_epoch();
    const std::time_t seconds = duration_cast<std::chrono::seconds>(sinceEpoch).count();
    const auto micros = duration_cast<microseconds>(sinceEpoch).count() % 1000000;
    std::tm local{};
    localtime_r(&seconds, &local);
    // The local wall clock as if it were UTC gives the local day number and time of day.
    const std::int64_t localSeconds = static_cast<std::int64_t>(timegm(&local));
    const std::int64_t day = localSeconds / 86400 - (localSeconds % 86400 < 0 ? 1 : 0);
    const std::int64_t secondOfDay = localSeconds - day * 86400;
    return static_cast<double>(day + kUnixEpochDay) +
           (static_cast<double>(secondOfDay) * 1000.0 + static_cast<double>(micros) / 1000.0) / kMillisecondsPerDay;
}

void DecodeTime(TDateTime dateTime, std::uint16_t& hour, std::uint16_t& minute, std::uint16_t& second,
                std::uint16_t& millisecond) {
    const double timeOfDay = std::fabs(dateTime - std::trunc(dateTime));
    auto ms = static_cast<std::int64_t>(std::llround(timeOfDay * kMillisecondsPerDay));
    if (ms >= 86400000) ms = 86399999;
    hour = static_cast<std::uint16_t>(ms / 3600000);
    minute = static_cast<std::uint16_t>(ms / 60000 % 60);
    second = static_cast<std::uint16_t>(ms / 1000 % 60);
    millisecond = static_cast<std::uint16_t>(ms % 1000);
}

}  // namespace framework
