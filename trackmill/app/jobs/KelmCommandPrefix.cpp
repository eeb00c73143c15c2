#include "trackmill/app/jobs/KelmCommandPrefix.h"

namespace {

constexpr int RateCount = 3;
const char* const FinchRates[RateCount] = {"16", "20", "24"};

}  // namespace

std::string KelmCommandPrefix(int modelIndex, int rateIndex) {
    if (rateIndex < 0 || rateIndex >= RateCount) return "";
    if (modelIndex == LarkModel) return "teskenc.exe rc.txt " + std::to_string(2 - rateIndex);
    if (modelIndex == FinchModel) return std::string("finchenc.exe ") + FinchRates[rateIndex];
    return "";
}

int GetRateIndex(const std::string& commandPrefix) {
    if (commandPrefix.empty()) return 0;
    const char last = commandPrefix.back();
    const int digit = last >= '0' && last <= '9' ? last - '0' : 0;
    const int index = 2 - digit;
    return index < 0 || index > 2 ? 2 : index;
}
