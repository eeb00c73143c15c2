#pragma once
#include <string>

// Empty stays empty; a folder that already ends with "/" is returned unchanged; any other gets one "/".
std::string AppendPathSlash(const std::string& Dir);
