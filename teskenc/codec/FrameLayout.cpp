#include "teskenc/codec/FrameLayout.h"

#include "teskenc/codec/CodecError.h"

namespace tesk {

const std::array<int32_t, kRateIdCount> wordsPerFrame = {24, 16, 12, 0, 10, 12, 14, 16, 20, 22, 24};

bool isCodecRateId(int32_t rateId) { return (rateId >= 0 && rateId <= 2) || (rateId >= 4 && rateId <= 9); }

void requireCodecRateId(int32_t rateId) {
    if (isCodecRateId(rateId)) return;
    // Ids below 4 are routed to teska, the others to teskb; each rejects with its own message.
    if (rateId < 4) throw CodecError(kTeskaRateMessage);
    throw CodecError(kTeskbRateMessage);
}

}  // namespace tesk
