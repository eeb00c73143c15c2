#include "finchenc/ScaleFactorTable.h"

namespace finch {

const std::array<std::int16_t, kScaleFactorCount> scaleFactorTable = {
    8192, 6502, 5160, 4096, 3251, 2580, 2048, 1625, 1290, 1024, 812, 645, 512, 406, 322, 256,
    203,  161,  128,  101,  80,   64,   50,   40,   32,   25,   20,  16,  12,  10,  5,   1,
};

}  // namespace finch
