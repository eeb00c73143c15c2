#include "finchenc/FinchCodec.h"

namespace finch {

void initCodec(FinchCodec& codec, std::string_view rate) {
    if (rate == "16") {
        codec.rateCode = 2;
        codec.baseUnits = 26;
    } else if (rate == "20") {
        codec.rateCode = 4;
        codec.baseUnits = 42;
    } else {
        codec.rateCode = 6;
        codec.baseUnits = 58;
    }
    codec.wordBuffer = WordBuffer{};
    codec.wordBuffer.words[0] = static_cast<std::uint16_t>(codec.rateCode);
    codec.wordBuffer.count = 1;
    codec.analysisHistory.fill(0.0);
    codec.synthesisA.fill(0);
    codec.synthesisB.fill(0);
}

int frameBitsFor(int rateCode) {
    switch (rateCode) {
        case 2:
            return 768;
        case 4:
            return 960;
        default:
            return 1152;
    }
}

}  // namespace finch
