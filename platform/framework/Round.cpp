#include "platform/framework/Round.h"

#include <cfenv>
#include <cmath>

#include "platform/framework/Exception.h"

namespace framework {

std::int64_t Round(double value) {
    const int savedMode = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double nearest = std::nearbyint(value);
    std::fesetround(savedMode);
    // NaN fails both comparisons; 2^63 itself is one past the largest 64-bit value.
    if (!(nearest >= -0x1p63 && nearest < 0x1p63)) throw Exception("Invalid floating point operation");
    return static_cast<std::int64_t>(nearest);
}

}  // namespace framework
