#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

struct ProgramResult {
    std::optional<int> exitCode;
    std::string out;
    std::string err;
};

// Runs a program (in workingDirectory, ours when empty) through the process layer with pipes, collects both streams and
// waits for its end.
ProgramResult runProgram(const std::vector<std::string>& argv, const std::filesystem::path& workingDirectory = {});
