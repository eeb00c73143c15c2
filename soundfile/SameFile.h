#pragma once

#include <string>

namespace soundfile {

// How a name that does not exist yet is compared.
enum class NewNames {
    // It names no file yet, so it is the same as nothing.
    NameNoFile,
    // Two such names are the same when they resolve to one absolute path: creating both would make one file.
    CompareByPath,
};

// True when both names reach one file: the same device and inode, whatever the path spelling. Writing an
// output over an input, or over another output, would destroy what the run reads or writes.
bool isSameFile(const std::string& a, const std::string& b, NewNames newNames = NewNames::NameNoFile);

}  // namespace soundfile
