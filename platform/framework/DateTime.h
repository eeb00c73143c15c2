#pragma once
// Date and time as days since 1899-12-30 00:00 local time, the fraction being the time of day.
#include <cstdint>

namespace framework {

using TDateTime = double;

TDateTime Now();

// Splits the time-of-day part of dateTime (or a duration of less than a day) into its units, to the nearest
// millisecond. The sign of a duration is ignored.
void DecodeTime(TDateTime dateTime, std::uint16_t& hour, std::uint16_t& minute, std::uint16_t& second,
                std::uint16_t& millisecond);

}  // namespace framework
