#include "trackmill/app/texts/DurationText.h"

#include "platform/framework/FloatText.h"

std::string DurationText(std::int64_t milliseconds) {
    constexpr std::int64_t Minute = 60 * 1000;
    if (milliseconds < Minute)
        return framework::FloatToStrF(static_cast<double>(milliseconds) / 1000.0, framework::TFloatFormat::ffGeneral, 3,
                                      4) +
               "秒";
    const std::int64_t seconds = milliseconds / 1000;
    const std::int64_t hours = seconds / 3600;
    const std::int64_t minutes = seconds / 60 % 60;
    std::string text;
    if (hours != 0) text += std::to_string(hours) + "小时";
    if (minutes != 0) text += std::to_string(minutes) + "分";
    if (seconds % 60 != 0) text += std::to_string(seconds % 60) + "秒";
    return text;
}
