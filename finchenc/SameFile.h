#pragma once

namespace finch {

// True when both names exist and are the same file (device and inode), whatever the path spelling.
bool sameFile(const char* a, const char* b);

}  // namespace finch
