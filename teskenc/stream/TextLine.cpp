#include "teskenc/stream/TextLine.h"

namespace tesk {

bool readTextLine(std::FILE* file, std::string& line, std::size_t maxLength, std::size_t* count) {
    line.clear();
    int c = 0;
    bool any = false;
    std::size_t read = 0;
    while ((c = std::fgetc(file)) != EOF) {
        any = true;
        ++read;
        if (c == '\n') break;
        if (line.size() < maxLength) line.push_back(static_cast<char>(c));
    }
    if (count != nullptr) *count += read;
    if (!any) return false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

}  // namespace tesk
