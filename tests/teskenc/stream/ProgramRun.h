#pragma once

#include <string>
#include <vector>

// What a finished child program left behind.
struct ProgramResult {
  int exitStatus = -1;  // -1 when it did not exit normally (a crash)
  std::string out;
  std::string err;
};

// Runs the built program with the given arguments (argv[0] is supplied) in the given working folder.
ProgramResult runProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::string& workingDir);
// The built teskenc beside the other programs.
std::string teskencPath();
