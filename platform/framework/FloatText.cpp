#include "platform/framework/FloatText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace framework {

namespace {

constexpr int kMaxPrecision = 15;  // all that a double carries

std::string WithoutTrailingZeros(std::string digits) {
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    return digits;
}

}  // namespace

std::string FloatToStrF(double value, TFloatFormat, int precision, int digits) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    precision = std::clamp(precision, 1, kMaxPrecision);
    digits = std::clamp(digits, 0, 4);

    // "-d.ddde+XX": the significant digits and the exponent after rounding to precision digits.
    char scientific[64];
    std::snprintf(scientific, sizeof scientific, "%.*e", precision - 1, value);
    const std::string text = scientific;
    const bool negative = text[0] == '-';
    const std::size_t mantissaStart = negative ? 1 : 0;
    const std::size_t e = text.find('e');
    std::string significant = text.substr(mantissaStart, e - mantissaStart);
    significant.erase(std::remove(significant.begin(), significant.end(), '.'), significant.end());
    significant = WithoutTrailingZeros(significant);
    const int exponent = std::atoi(text.c_str() + e + 1);
    if (significant == "0") return "0";

    std::string result = negative ? "-" : "";
    if (exponent >= precision || exponent < -5) {
        result += significant.substr(0, 1);
        if (significant.size() > 1) result += "." + significant.substr(1);
        std::string power = std::to_string(std::abs(exponent));
        if (static_cast<int>(power.size()) < digits)
            power.insert(0, static_cast<std::size_t>(digits) - power.size(), '0');
        return result + "E" + (exponent < 0 ? "-" : "+") + power;
    }
    if (exponent < 0) return result + "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + significant;
    const auto wholeDigits = static_cast<std::size_t>(exponent) + 1;
    if (significant.size() <= wholeDigits)
        return result + significant + std::string(wholeDigits - significant.size(), '0');
    return result + significant.substr(0, wholeDigits) + "." + significant.substr(wholeDigits);
}

}  // namespace framework
