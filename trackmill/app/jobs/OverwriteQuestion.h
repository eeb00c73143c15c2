#pragma once
#include <string>

// Asks the user, over the active window, whether an existing output may be replaced; true for yes.
bool AskOverwrite(const std::string& question);
