#pragma once

#include <string>

namespace tesk {

// True when both names reach one file: the same device and inode, or, where a name does not exist yet, the
// same absolute path.
bool isSameFile(const std::string& a, const std::string& b);

}  // namespace tesk
