#include "tests/support/RunProgram.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace testsupport {

namespace {

std::runtime_error failure(const std::string& what) { return std::runtime_error(what + ": " + std::strerror(errno)); }

// An unlinked file in the temporary folder: gone once its last descriptor closes.
int anonymousFile() {
    std::string name = (std::filesystem::temp_directory_path() / "trackmill-run-XXXXXX").string();
    const int fd = ::mkstemp(name.data());
    if (fd < 0) throw failure("cannot make a capture file " + name);
    ::unlink(name.c_str());
    return fd;
}

std::string drain(int fd) {
    std::string text;
    ::lseek(fd, 0, SEEK_SET);
    char buffer[4096];
    ssize_t got;
    while ((got = ::read(fd, buffer, sizeof buffer)) > 0) text.append(buffer, static_cast<std::size_t>(got));
    ::close(fd);
    return text;
}

int inputFile(const std::string& text) {
    const int fd = anonymousFile();
    for (std::size_t written = 0; written < text.size();) {
        const ssize_t put = ::write(fd, text.data() + written, text.size() - written);
        if (put < 0) throw failure("cannot write the child's input");
        written += static_cast<std::size_t>(put);
    }
    ::lseek(fd, 0, SEEK_SET);
    return fd;
}

}  // namespace

ProgramRun runProgram(const std::vector<std::string>& argv, const RunOptions& options) {
    if (argv.empty()) throw std::invalid_argument("runProgram needs a program");
    std::vector<char*> arguments;
    for (const std::string& argument : argv) arguments.push_back(const_cast<char*>(argument.c_str()));
    arguments.push_back(nullptr);

    const int out = anonymousFile();
    const int err = anonymousFile();
    const int in = options.standardInput ? inputFile(*options.standardInput) : -1;
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child < 0) throw failure("cannot fork");
    if (child == 0) {
        if (::dup2(out, STDOUT_FILENO) < 0 || ::dup2(err, STDERR_FILENO) < 0) ::_exit(127);
        if (in >= 0 && ::dup2(in, STDIN_FILENO) < 0) ::_exit(127);
        if (!options.workingDirectory.empty() && ::chdir(options.workingDirectory.c_str()) != 0) ::_exit(127);
        ::execv(arguments[0], arguments.data());
        ::_exit(127);
    }
    if (in >= 0) ::close(in);
    int status = 0;
    rusage usage{};
    while (::wait4(child, &status, 0, &usage) != child) {
        if (errno != EINTR) throw failure("cannot wait for " + argv[0]);
    }
    ProgramRun run;
    run.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.peakMemoryKiB = usage.ru_maxrss;
    run.standardOutput = drain(out);
    run.standardError = drain(err);
    return run;
}

std::string builtProgram(const std::string& name) { return std::string(TRACKMILL_BIN_DIR) + "/" + name; }

}  // namespace testsupport
