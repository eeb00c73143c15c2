#include "soundfile/SpeechRateTable.h"

namespace soundfile {

const std::array<std::int32_t, 19> speechRateTable = {
    4340, 4735, 4883, 5208, 5580, 5788, 6010, 6510, 6945, 7102, 7441, 7813, 8013, 8681, 9470, 9765, 10417, 11160, 11575,
};

}  // namespace soundfile
