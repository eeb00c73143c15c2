#include "teskenc/stream/LarkWriter.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <vector>

#include "teskenc/stream/ErrorText.h"
#include "teskenc/stream/TeskError.h"

namespace tesk {

LarkWriter::LarkWriter(const std::string& path) : path_(path), file_(std::fopen(path.c_str(), "wb")) {
    if (!file_) throw TeskError(formatMessage("open encode file [%s] error\n", path.c_str()));
    struct stat status {};
    regularFile_ = ::fstat(::fileno(file_.get()), &status) == 0 && S_ISREG(status.st_mode);
}

LarkWriter::~LarkWriter() {
    if (!file_) return;
    file_.reset();
    discard();
}

void LarkWriter::discard() {
    if (regularFile_) std::remove(path_.c_str());
}

void LarkWriter::write(const uint16_t* words, int count) {
    std::vector<unsigned char> bytes(static_cast<size_t>(count) * 2);
    for (int i = 0; i < count; ++i) {
        bytes[2 * i] = static_cast<unsigned char>(words[i] & 0xFF);
        bytes[2 * i + 1] = static_cast<unsigned char>(words[i] >> 8);
    }
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_.get()) != bytes.size()) {
        throw TeskError(systemErrorMessage("write encode file", path_, errno));
    }
}

void LarkWriter::write(uint16_t word) { write(&word, 1); }

void LarkWriter::write(uint16_t first, uint16_t second) {
    const uint16_t pair[2] = {first, second};
    write(pair, 2);
}

void LarkWriter::finish() {
    std::FILE* file = file_.release();
    const bool flushed = std::fflush(file) == 0;
    const int flushError = errno;
    const bool closed = std::fclose(file) == 0;
    if (!flushed || !closed) {
        const int cause = flushed ? errno : flushError;
        discard();
        throw TeskError(systemErrorMessage("write encode file", path_, cause));
    }
}

}  // namespace tesk
