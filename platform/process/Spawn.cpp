#include "platform/process/Spawn.h"

#include "platform/process/Descriptor.h"
#include "platform/process/ProgramLookup.h"

#include <sys/wait.h>
#include <unistd.h>
#include <cerrno>
#include <climits>
#include <csignal>
#include <system_error>

extern char** environ;

namespace platform::process {

namespace {

// Everything the child needs is prepared before fork: between fork and exec a threaded parent's child may
// only make async-signal-safe calls, so nothing there allocates.
struct ExecPlan {
    std::string program;
    std::vector<std::string> arguments;
    std::vector<char*> argv;
    std::string workingDirectory;
    std::array<int, 3> standardDescriptors{};
    int errorReport = -1;
    int highestDescriptor = 0;
};

[[noreturn]] void reportAndExit(int reportFd, int error) {
    ssize_t ignored = write(reportFd, &error, sizeof error);
    (void)ignored;
    _exit(127);
}

// Runs in the child; returns only by exec or _exit.
[[noreturn]] void execChild(const ExecPlan& plan) {
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    // An ignored SIGPIPE would survive exec and change how a child writing to a closed pipe ends.
    struct sigaction defaultAction {};
    defaultAction.sa_handler = SIG_DFL;
    sigaction(SIGPIPE, &defaultAction, nullptr);

    if (setpgid(0, 0) != 0) reportAndExit(plan.errorReport, errno);
    if (!plan.workingDirectory.empty() && chdir(plan.workingDirectory.c_str()) != 0)
        reportAndExit(plan.errorReport, errno);
    for (int target = 0; target < 3; ++target) {
        if (dup2(plan.standardDescriptors[target], target) < 0) reportAndExit(plan.errorReport, errno);
    }
    // Descriptors opened elsewhere in the program without close-on-exec must not reach the child either.
    if (close_range(3, ~0U, CLOSE_RANGE_CLOEXEC) != 0) {
        for (int fd = 3; fd <= plan.highestDescriptor; ++fd) {
            if (fd != plan.errorReport) close(fd);
        }
    }
    execve(plan.program.c_str(), plan.argv.data(), environ);
    reportAndExit(plan.errorReport, errno);
}

}  // namespace

pid_t spawnProcess(const std::vector<std::string>& argv, const std::filesystem::path& workingDirectory,
                   const std::array<int, 3>& standardDescriptors) {
    if (argv.empty()) throw std::system_error(ENOENT, std::generic_category(), "no program named");
    std::error_code lookupError;
    const std::filesystem::path program = findProgram(argv.front(), lookupError);
    if (lookupError)
        throw std::system_error(lookupError.value(), std::generic_category(), "cannot find " + argv.front());

    ExecPlan plan;
    plan.program = program.string();
    plan.arguments = argv;
    for (std::string& argument : plan.arguments) plan.argv.push_back(argument.data());
    plan.argv.push_back(nullptr);
    plan.workingDirectory = workingDirectory.string();
    plan.standardDescriptors = standardDescriptors;
    const long openMax = sysconf(_SC_OPEN_MAX);
    plan.highestDescriptor = openMax > 0 && openMax < INT_MAX ? static_cast<int>(openMax) - 1 : 1023;

    Pipe report = makePipe();
    plan.errorReport = report.writeEnd.get();
    const pid_t pid = fork();
    if (pid < 0) throw std::system_error(errno, std::generic_category(), "cannot fork for " + argv.front());
    if (pid == 0) execChild(plan);

    report.writeEnd.reset();
    int childError = 0;
    ssize_t got;
    do {
        got = read(report.readEnd.get(), &childError, sizeof childError);
    } while (got < 0 && errno == EINTR);
    if (got == 0) return pid;
    // The child never ran the program and has already exited; it is reaped here.
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    const int error = got == static_cast<ssize_t>(sizeof childError) ? childError : EIO;
    throw std::system_error(error, std::generic_category(), "cannot start " + argv.front());
}

}  // namespace platform::process
