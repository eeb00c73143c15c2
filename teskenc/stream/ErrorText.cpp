#include "teskenc/stream/ErrorText.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <vector>

namespace tesk {

std::string formatMessage(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    std::vector<char> text(length > 0 ? static_cast<size_t>(length) + 1 : 1, '\0');
    if (length > 0) std::vsnprintf(text.data(), text.size(), format, args);
    va_end(args);
    return std::string(text.data());
}

std::string systemErrorMessage(const char* what, const std::string& path, int errorNumber) {
    return formatMessage("%s [%s] error: %s\n", what, path.c_str(), std::strerror(errorNumber));
}

}  // namespace tesk
