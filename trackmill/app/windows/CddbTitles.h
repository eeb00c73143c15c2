#pragma once
// Track titles from a CD-database record.
#include <map>
#include <string>

// The values of the "TTITLEn=" lines by n. A title too long for one line comes as several lines with the same key,
// whose values are joined in order; each joined value is trimmed of blanks and control characters. The disc
// title (DTITLE) and every other line are left out.
std::map<int, std::string> CddbTrackTitles(const std::string& record);
