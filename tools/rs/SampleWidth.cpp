#include "tools/rs/SampleWidth.h"

#include <algorithm>
#include <cmath>

void quantize(const std::vector<float>& values, int bits, std::vector<std::int16_t>& samples) {
    // An 8-bit file keeps the high byte of a sample, so the 8-bit step is 256.
    const float steps = bits == 8 ? 128.0f : 32768.0f;
    const float step = 32768.0f / steps;
    samples.resize(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        const float level = std::clamp(std::nearbyint(values[i] * steps), -steps, steps - 1);
        samples[i] = static_cast<std::int16_t>(level * step);
    }
}
