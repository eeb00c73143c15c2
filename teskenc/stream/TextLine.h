#pragma once

#include <cstdio>
#include <string>

namespace tesk {

// Reads one line without its "\n" and without a "\r" before it (files made on Windows), keeping at most
// maxLength characters: the rest of a longer line is read past and dropped, so a source that never ends a line
// cannot make the line grow. False at the end of the file when nothing was read; a read error sets the stream's
// error flag. count, when given, grows by every byte read, dropped ones included.
bool readTextLine(std::FILE* file, std::string& line, std::size_t maxLength, std::size_t* count = nullptr);

}  // namespace tesk
