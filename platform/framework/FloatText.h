#pragma once
// Floating-point numbers as text, with "." as the decimal separator.
#include <string>

namespace framework {

enum class TFloatFormat {
    // The shorter of fixed and scientific notation with `precision` significant digits and no trailing zeros:
    // 1.5, 12.3, 0, 1.23E+5. Scientific when the decimal exponent is at least `precision` or below -5; its
    // exponent has at least `digits` digits.
    ffGeneral,
};

std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits);

}  // namespace framework
