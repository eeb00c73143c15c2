#pragma once
// The two-digit numbers and the "mm:ss" elapsed and estimated-total texts of the progress records.
#include <chrono>
#include <cstdint>
#include <string>

struct TProcessInfo;

// "0" in front of anything below 10, negative values included: 7 -> "07", -5 -> "0-5".
std::string TwoDigitStr(std::int64_t n);

// Minutes are not wrapped into hours: 7505 s -> "125:05".
std::string MinutesSecondsText(std::int64_t seconds);

// Fills ElapsedText and EstimatedText of a record whose Percent is already set; both stay empty for Percent 0.
// Seconds and the estimated total are rounded to nearest with halves to even.
void SetTimeTexts(TProcessInfo& info, std::chrono::steady_clock::duration elapsed);
