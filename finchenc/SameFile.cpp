#include "finchenc/SameFile.h"

#include <sys/stat.h>

namespace finch {

bool sameFile(const char* a, const char* b) {
    struct stat first;
    struct stat second;
    if (::stat(a, &first) != 0 || ::stat(b, &second) != 0) {
        return false;
    }
    return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

}  // namespace finch
