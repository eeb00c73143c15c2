#pragma once
// A recording's length or position as the recorder shows it: below one minute the seconds with three
// significant digits ("1.5秒", "12.3秒", "60秒" for 59,999 ms); from one minute on the whole hours, minutes and
// seconds that are not 0 ("1小时2分3秒", "1分", "1分1秒").
#include <cstdint>
#include <string>

std::string DurationText(std::int64_t milliseconds);
