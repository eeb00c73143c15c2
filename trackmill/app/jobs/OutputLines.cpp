#include "trackmill/app/jobs/OutputLines.h"

#include "platform/framework/StringRoutines.h"

std::vector<std::string> OutputLines(const std::string& chunk) {
    std::vector<std::string> lines;
    std::size_t begin = 0;
    while (begin <= chunk.size()) {
        std::size_t end = chunk.find_first_of("\r\n", begin);
        if (end == std::string::npos) end = chunk.size();
        std::string line = chunk.substr(begin, end - begin);
        if (!framework::Trim(line).empty()) lines.push_back(std::move(line));
        if (end + 1 < chunk.size() && chunk[end] == '\r' && chunk[end + 1] == '\n') ++end;
        begin = end + 1;
    }
    return lines;
}
