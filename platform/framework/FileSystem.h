#pragma once
// Questions and changes about files on disk. Failures answer false and leave errno set to the OS cause.
#include <string>

namespace framework {

// True for an existing entry that is not a directory.
bool FileExists(const std::string& fileName);
bool DirectoryExists(const std::string& directory);
// An absolute folder (expanded as ExpandFileName does) that exists: the folder itself, else the nearest of its
// parents that does; "/" at the least.
std::string ExistingFolder(const std::string& folder);
// Removes a file; directories are not files and stay.
bool DeleteFile(const std::string& fileName);
// Moves a file to a name that does not exist yet, also onto another file system (by copying and then removing
// the original; a failed copy leaves the original alone and no partial target). An existing target is never
// replaced.
bool RenameFile(const std::string& oldName, const std::string& newName);
// Writes a whole copy of source under dest's name: the copy goes to a temporary file in dest's folder, reaches the
// disk and then takes dest's name in one step, so dest is at every moment either as it was or the whole copy. An
// existing dest keeps its permissions; a new one gets source's.
bool CopyFileReplacing(const std::string& source, const std::string& dest);
// Moves a file to newName, replacing a file of that name in one step; onto another file system through
// CopyFileReplacing, then the original is removed (one that cannot be removed stays). A failed move leaves newName
// as it was.
bool MoveFileReplacing(const std::string& oldName, const std::string& newName);

}  // namespace framework
