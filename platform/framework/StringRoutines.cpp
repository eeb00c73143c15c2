#include "platform/framework/StringRoutines.h"

#include <algorithm>

namespace framework {

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

}  // namespace

std::string Trim(const std::string& text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && IsBlank(text[first])) ++first;
    while (last > first && IsBlank(text[last - 1])) --last;
    return text.substr(first, last - first);
}

std::size_t Pos(const std::string& part, const std::string& text) {
    if (part.empty()) return 0;
    const std::size_t found = text.find(part);
    return found == std::string::npos ? 0 : found + 1;
}

std::string Copy(const std::string& text, std::ptrdiff_t index, std::ptrdiff_t count) {
    const auto size = static_cast<std::ptrdiff_t>(text.size());
    const std::ptrdiff_t start = std::max<std::ptrdiff_t>(index, 1) - 1;
    if (count < 1 || start >= size) return {};
    return text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(std::min(count, size - start)));
}

}  // namespace framework
