#include "ProgramRun.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>

#include "TestFiles.h"

ProgramResult runProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::string& workingDir) {
  ScratchDir capture;
  const std::string outPath = capture.path("out");
  const std::string errPath = capture.path("err");
  std::vector<std::string> argvText = {program};
  argvText.insert(argvText.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& a : argvText) argv.push_back(a.data());
  argv.push_back(nullptr);

  const pid_t child = fork();
  if (child < 0) throw std::runtime_error("fork failed");
  if (child == 0) {
    const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (out < 0 || err < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0 || chdir(workingDir.c_str()) != 0) _exit(127);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  int status = 0;
  if (waitpid(child, &status, 0) != child) throw std::runtime_error("waitpid failed");
  ProgramResult result;
  result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.out = readTextFile(outPath);
  result.err = readTextFile(errPath);
  return result;
}

std::string teskencPath() { return std::string(TRACKMILL_BIN_DIR) + "/teskenc"; }
