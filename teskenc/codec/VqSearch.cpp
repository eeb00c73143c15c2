#include "teskenc/codec/VqSearch.h"

#include <algorithm>

#include "teskenc/dsp/BasicOps.h"

namespace tesk {

// Every term L_mult(d, d) is non-negative, so the saturated sum of a row equals its exact sum clipped once to
// MAX_32.
int vqSearch(const int16_t* target, int dim, const int16_t* codebook, int rows) {
    int best = 0;
    int64_t bestError = INT64_MAX;
    for (int row = 0; row < rows; ++row) {
        const int16_t* entry = codebook + row * dim;
        int64_t error = 0;
        for (int k = 0; k < dim; ++k) {
            const int64_t d = sub(target[k], entry[k]);
            error += 2 * d * d;
        }
        error = std::min<int64_t>(error, MAX_32);
        if (error < bestError) {
            best = row;
            bestError = error;
        }
    }
    return best;
}

int vqSearchAscending(int16_t target, const int16_t* levels, int count) {
    // While every difference stays within +-32767 nothing saturates (2 * 32767^2 < MAX_32) and the error grows
    // with the distance, so the nearest level is one of the two around the target. Otherwise clipped errors tie
    // and only the full search keeps the first of them.
    const int32_t t = target;
    if (t - levels[0] > 32767 || t - levels[count - 1] < -32767) return vqSearch(&target, 1, levels, count);
    const int16_t* end = levels + count;
    const int16_t* above = std::lower_bound(levels, end, target);
    if (above == levels) return 0;
    // The first of equal levels wins, and the lower level wins a tie in distance since it comes first.
    const int16_t* below = std::lower_bound(levels, above, above[-1]);
    if (above == end || t - *below <= *above - t) return static_cast<int>(below - levels);
    return static_cast<int>(above - levels);
}

}  // namespace tesk
