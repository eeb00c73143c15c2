#include "soundfile/SpeechKeyTable.h"

namespace soundfile {

const std::array<SpeechKey, 19> speechKeyTable = {{
    {0x1203FA, 3472},  {0x2203FA, 3721},  {0x3203FA, 4007},  {0x4203FA, 4341},  {0x5203FA, 4735},
    {0x6203FA, 5209},  {0x7203FA, 5787},  {0x8203FA, 6510},  {0x1203FC, 6945},  {0x2203FC, 7441},
    {0x3203FC, 8013},  {0x4203FC, 8681},  {0x5203FC, 9470},  {0x6203FC, 10417}, {0x7203FC, 11575},
    {0x8203FC, 13022}, {0x1203F8, 13890}, {0x2203F8, 14822}, {0x3203F8, 16027},
}};

}  // namespace soundfile
