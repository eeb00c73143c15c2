#include "trackmill/app/texts/FileSizeText.h"

#include <sys/stat.h>
#include <algorithm>
#include <cstdint>

#include "platform/framework/FileNames.h"

namespace {

std::string WithThousandsCommas(std::int64_t value) {
    const std::string digits = std::to_string(value);
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) text += ',';
        text += digits[i];
    }
    return text;
}

}  // namespace

std::string GetFileSizeText(const std::string& FileName) {
    const std::string path = framework::ExpandFileName(FileName);
    struct stat entry {};
    // A link counts with the size of what it names; one that names nothing is still an entry, of its own size.
    if (path.empty() || (stat(path.c_str(), &entry) != 0 && lstat(path.c_str(), &entry) != 0)) return "-1";
    const std::int64_t bytes = entry.st_size;
    const std::int64_t kib = bytes == 0 ? 0 : std::max<std::int64_t>(bytes / 1024, 1);
    return WithThousandsCommas(kib) + " KB";
}
