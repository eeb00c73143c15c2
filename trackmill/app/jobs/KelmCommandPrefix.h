#pragma once
// The head of a compression step's command line for the chosen model and rate: "teskenc.exe rc.txt " and the
// Lark rate id (2, 1, 0 for 12K, 16K, 24K), or "finchenc.exe " and the Finch rate in kbit/s (16, 20, 24).
#include <string>

inline constexpr int LarkModel = 0;
inline constexpr int FinchModel = 1;

// Empty for a model index other than LarkModel or FinchModel, or a rate index outside 0..2: nothing is run then.
std::string KelmCommandPrefix(int modelIndex, int rateIndex);

// The rate index a prefix was built from: 2 minus its last digit, 2 when that is outside 0..2 or no digit, 0 for
// an empty prefix. Always 2 for a Finch prefix, where it is not used.
int GetRateIndex(const std::string& commandPrefix);
