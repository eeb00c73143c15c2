#pragma once

#include <cstdio>
#include <string>

namespace tesk {

// Reads one whole line of any length without its "\n" and without a "\r" before it (files made on
// Windows). False at the end of the file when nothing was read; a read error sets the stream's error flag.
bool readTextLine(std::FILE* file, std::string& line);

}  // namespace tesk
