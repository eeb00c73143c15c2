#pragma once
// Where the program keeps the files it writes for itself (options.ini, the recorder's working files): beside the
// program when it may write there, otherwise in the per-user folder $XDG_CONFIG_HOME/trackmill
// (~/.config/trackmill when unset), so an installed program still keeps them. Folders end with "/".
#include <string>

// The folder of the running program's own file (links resolved): its helper programs and rc.txt lie there.
std::string ProgramFolder();

// The program's folder when it can be written, otherwise the per-user folder.
std::string WritableFolder(const std::string& programFolder);
std::string WritableFolder();

// name in the program's folder when that folder, and the file if present, can be written; otherwise in the
// per-user folder.
std::string WritableFileName(const std::string& programFolder, const std::string& name);
std::string WritableFileName(const std::string& name);

// Makes the folder a writable file lies in when it is missing. A folder that cannot be made shows as the
// error of the first write there.
void MakeFolderOf(const std::string& fileName);
