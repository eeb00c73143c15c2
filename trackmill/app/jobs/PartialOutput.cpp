#include "trackmill/app/jobs/PartialOutput.h"

#include <unistd.h>

namespace {

bool SameTime(const struct timespec& a, const struct timespec& b) {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

}  // namespace

TPartialOutput::TPartialOutput(const std::string& path) : path_(path) {
    existed_ = !path_.empty() && lstat(path_.c_str(), &before_) == 0;
}

bool TPartialOutput::RemoveIfWritten() const {
    struct stat now {};
    // Only a plain file is the step's own: through a link the step wrote another file, which is not ours to remove.
    if (path_.empty() || lstat(path_.c_str(), &now) != 0 || !S_ISREG(now.st_mode)) return false;
    // An encoder that truncates and rewrites an older file changes its time and size; one that had not opened it
    // yet changed neither.
    const bool written = !existed_ || now.st_dev != before_.st_dev || now.st_ino != before_.st_ino ||
                         now.st_size != before_.st_size || !SameTime(now.st_mtim, before_.st_mtim) ||
                         !SameTime(now.st_ctim, before_.st_ctim);
    return written && unlink(path_.c_str()) == 0;
}
