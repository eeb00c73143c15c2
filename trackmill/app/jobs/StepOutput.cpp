#include "trackmill/app/jobs/StepOutput.h"

#include <sys/stat.h>

TStepOutput::TStepOutput(const std::string& path, std::int64_t headerBytes) : path_(path), headerBytes_(headerBytes) {
    struct stat entry {};
    existed_ = stat(path_.c_str(), &entry) == 0;
    if (existed_) modified_ = entry.st_mtim;
}

bool TStepOutput::Produced() const {
    struct stat entry {};
    if (stat(path_.c_str(), &entry) != 0 || entry.st_size <= headerBytes_) return false;
    // Compared with the file's own time before the step rather than with the clock: the file system stamps
    // times from a coarser clock than the one a program reads.
    return !existed_ || entry.st_mtim.tv_sec != modified_.tv_sec || entry.st_mtim.tv_nsec != modified_.tv_nsec;
}
