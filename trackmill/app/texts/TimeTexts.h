#pragma once
// The two-digit numbers and the "mm:ss" texts of elapsed and estimated times.
#include <cstdint>
#include <string>

// "0" in front of anything below 10, negative values included: 7 -> "07", -5 -> "0-5".
std::string TwoDigitStr(std::int64_t n);

// Minutes are not wrapped into hours: 7505 s -> "125:05".
std::string MinutesSecondsText(std::int64_t seconds);
