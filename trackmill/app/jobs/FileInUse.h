#pragma once
#include <string>

// False when the file does not exist. True when it cannot be opened for reading and writing (read-only, no
// access) or when any process, this one included, holds it open: a file being written by someone else must not
// be overwritten or deleted under them.
bool IsFileInUse(const std::string& FileName);
