#include "trackmill/app/texts/TimeTexts.h"

std::string TwoDigitStr(std::int64_t n) {
    const std::string digits = std::to_string(n);
    return n < 10 ? "0" + digits : digits;
}

std::string MinutesSecondsText(std::int64_t seconds) {
    return TwoDigitStr(seconds / 60) + ":" + TwoDigitStr(seconds % 60);
}
