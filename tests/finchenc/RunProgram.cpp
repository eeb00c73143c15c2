#include "RunProgram.h"

#include "tests/support/RunProgram.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace finch::test {

namespace {

const std::string program = testsupport::builtProgram("finchenc");

std::vector<char*> argumentVector(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    return argv;
}

int exitStatusOf(pid_t child) {
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

testsupport::ProgramRun runFinchencProgram(const std::vector<std::string>& arguments) {
    std::vector<std::string> argv = {program};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    return testsupport::runProgram(argv);
}

int runFinchencIntoClosedPipe(const std::vector<std::string>& arguments) {
    std::vector<char*> argv = argumentVector(arguments);
    int ends[2];
    if (::pipe(ends) != 0) {
        throw std::runtime_error("pipe failed");
    }
    ::close(ends[0]);
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child < 0) {
        throw std::runtime_error("fork failed");
    }
    if (child == 0) {
        ::dup2(ends[1], STDOUT_FILENO);
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    ::close(ends[1]);
    return exitStatusOf(child);
}

namespace {

// Reads from fd into text until keepGoing says stop, the other end closes, or thirty seconds pass.
template <typename Predicate>
void collect(int fd, std::string& text, Predicate keepGoing) {
    for (int waited = 0; keepGoing() && waited < 300; ++waited) {
        pollfd ready = {fd, POLLIN, 0};
        if (::poll(&ready, 1, 100) > 0) {
            char buffer[4096];
            const ssize_t got = ::read(fd, buffer, sizeof buffer);
            if (got <= 0) {
                return;
            }
            text.append(buffer, static_cast<std::size_t>(got));
        }
    }
}

// Whether the process holds the file open for reading only, as the decode pass does.
bool readsFile(pid_t process, const std::string& path) {
    const std::filesystem::path fds = "/proc/" + std::to_string(process) + "/fd";
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(fds, error)) {
        std::error_code linkError;
        if (std::filesystem::read_symlink(entry.path(), linkError) != path) {
            continue;
        }
        std::ifstream info("/proc/" + std::to_string(process) + "/fdinfo/" + entry.path().filename().string());
        std::string field;
        while (info >> field) {
            if (field == "flags:") {
                std::string octal;
                info >> octal;
                if ((std::stoi(octal, nullptr, 8) & O_ACCMODE) == O_RDONLY) {
                    return true;
                }
                break;
            }
        }
    }
    return false;
}

// Reaps the child, ending it if it has not exited within the time given.
void endWithin(pid_t child, int seconds) {
    for (int waited = 0; waited < seconds * 10; ++waited) {
        if (::waitpid(child, nullptr, WNOHANG) == child) {
            return;
        }
        ::usleep(100 * 1000);
    }
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
}

}  // namespace

std::string outputWhileDecodeWaits(const std::vector<std::string>& arguments, const std::string& fifo,
                                   const std::string& awaited) {
    std::vector<char*> argv = argumentVector(arguments);
    // Holding both ends means neither this side nor the program ever blocks opening the FIFO.
    const int fifoEnd = ::open(fifo.c_str(), O_RDWR);
    int ends[2];
    if (fifoEnd < 0 || ::pipe(ends) != 0) {
        throw std::runtime_error("fifo or pipe failed");
    }
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child < 0) {
        throw std::runtime_error("fork failed");
    }
    if (child == 0) {
        ::close(ends[0]);
        ::close(fifoEnd);
        ::dup2(ends[1], STDOUT_FILENO);
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    ::close(ends[1]);
    std::string seen;
    collect(ends[0], seen, [&] { return seen.find(awaited) == std::string::npos; });
    // Close only once the decode pass has the FIFO open: closed earlier, its open would wait for a
    // writer that never comes.
    for (int waited = 0; waited < 300 && !readsFile(child, fifo); ++waited) {
        ::usleep(100 * 1000);
    }
    ::close(fifoEnd);
    ::close(ends[0]);
    endWithin(child, 30);
    return seen;
}

}  // namespace finch::test
