#pragma once
// Loading and saving Options in "options.ini".
#include <string>

// "options.ini" where the program keeps its writable files (see WritableFiles.h).
std::string OptionsFileName(const std::string& programFolder);

// Load: every field from the file, with its default where the file has none; the folder defaults (also for an
// empty folder) are WritableFolder(programFolder). Save: every field, keeping whatever else the file holds.
void ReadWriteOptions(bool Load, const std::string& programFolder);
// The same beside the running application's program file.
void ReadWriteOptions(bool Load);
