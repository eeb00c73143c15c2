#include "teskenc/stream/LarkReader.h"

#include <algorithm>
#include <cerrno>
#include <vector>

#include "teskenc/stream/ErrorText.h"
#include "teskenc/stream/TeskError.h"

namespace tesk {

LarkReader::LarkReader(const std::string& path) : path_(path), file_(std::fopen(path.c_str(), "rb")) {
    if (!file_) throw TeskError(formatMessage("open encode file [%s] error\n", path.c_str()));
    if (std::fseek(file_.get(), 0, SEEK_END) != 0)
        throw TeskError(systemErrorMessage("read encode file", path_, errno));
    const long length = std::ftell(file_.get());
    if (length < 0 || std::fseek(file_.get(), 0, SEEK_SET) != 0) {
        throw TeskError(systemErrorMessage("read encode file", path_, errno));
    }
    totalWords_ = static_cast<int32_t>(std::min<long>(length / 2, INT32_MAX));
}

int LarkReader::read(uint16_t* words, int count) {
    std::vector<unsigned char> bytes(static_cast<size_t>(count) * 2);
    const size_t got = std::fread(bytes.data(), 2, static_cast<size_t>(count), file_.get());
    if (got < static_cast<size_t>(count) && std::ferror(file_.get())) {
        throw TeskError(systemErrorMessage("read encode file", path_, errno));
    }
    for (size_t i = 0; i < got; ++i) {
        words[i] = static_cast<uint16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    }
    return static_cast<int>(got);
}

}  // namespace tesk
