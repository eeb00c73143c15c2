#pragma once
// The elapsed and estimated-total texts of a progress record.
#include <chrono>

struct TProcessInfo;

// Fills ElapsedText and EstimatedText of a record whose Percent is already set; both stay empty for Percent 0.
// Seconds and the estimated total are rounded to nearest with halves to even.
void SetTimeTexts(TProcessInfo& info, std::chrono::steady_clock::duration elapsed);
