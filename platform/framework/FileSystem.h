#pragma once
// Questions and changes about files on disk. Failures answer false and leave errno set to the OS cause.
#include <string>

namespace framework {

// True for an existing entry that is not a directory.
bool FileExists(const std::string& fileName);
bool DirectoryExists(const std::string& directory);
// Removes a file; directories are not files and stay.
bool DeleteFile(const std::string& fileName);
// Moves a file to a name that does not exist yet, also onto another file system (by copying and then removing
// the original; a failed copy leaves the original alone and no partial target). An existing target is never
// replaced.
bool RenameFile(const std::string& oldName, const std::string& newName);

}  // namespace framework
