#pragma once
#include <string>

// Throws framework::Exception with Message followed directly by the decimal error number (errno when none is
// given), as the user sees it: "...2" for a missing program.
[[noreturn]] void RaiseLastError(const std::string& Message);
[[noreturn]] void RaiseLastError(const std::string& Message, int errorNumber);
