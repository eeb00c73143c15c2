#pragma once
#include <string>

// The size column of the compression window: whole KiB with a comma before every group of three digits and " KB"
// ("1,234 KB"), at least "1 KB" for any size above 0, "0 KB" for an empty file; "-1" when there is no such entry.
// A relative name is taken from the current directory; any kind of entry counts, a folder too.
std::string GetFileSizeText(const std::string& FileName);
