#include "platform/process/Spawn.h"

#include "platform/process/ProgramLookup.h"

#include <spawn.h>
#include <cerrno>
#include <csignal>
#include <system_error>

extern char** environ;

namespace platform::process {

namespace {

// The spawn attributes and file actions, released however the start ends.
struct SpawnSetup {
    posix_spawnattr_t attributes;
    posix_spawn_file_actions_t actions;
    SpawnSetup() {
        posix_spawnattr_init(&attributes);
        posix_spawn_file_actions_init(&actions);
    }
    ~SpawnSetup() {
        posix_spawn_file_actions_destroy(&actions);
        posix_spawnattr_destroy(&attributes);
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;
};

void Check(int error, const std::string& what) {
    if (error != 0) throw std::system_error(error, std::generic_category(), what);
}

}  // namespace

pid_t spawnProcess(const std::vector<std::string>& argv, const std::filesystem::path& workingDirectory,
                   const std::array<int, 3>& standardDescriptors) {
    if (argv.empty()) throw std::system_error(ENOENT, std::generic_category(), "no program named");
    std::error_code lookupError;
    const std::filesystem::path program = findProgram(argv.front(), lookupError);
    if (lookupError)
        throw std::system_error(lookupError.value(), std::generic_category(), "cannot find " + argv.front());

    std::vector<std::string> arguments = argv;
    std::vector<char*> words;
    for (std::string& argument : arguments) words.push_back(argument.data());
    words.push_back(nullptr);

    // The child shares our memory until it runs the program instead of copying it (a fork of a large program
    // costs its page tables): the C library's spawn does that safely, and reports a failed exec itself.
    SpawnSetup setup;
    const std::string what = "cannot start " + argv.front();
    // Its own group, so that stopping it also ends whatever it starts; no blocked or ignored signals carried
    // over (an ignored SIGPIPE would change how a child writing to a closed pipe ends).
    sigset_t none;
    sigemptyset(&none);
    sigset_t all;
    sigfillset(&all);
    Check(posix_spawnattr_setflags(&setup.attributes,
                                   POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF),
          what);
    Check(posix_spawnattr_setpgroup(&setup.attributes, 0), what);
    Check(posix_spawnattr_setsigmask(&setup.attributes, &none), what);
    Check(posix_spawnattr_setsigdefault(&setup.attributes, &all), what);
    if (!workingDirectory.empty())
        Check(posix_spawn_file_actions_addchdir_np(&setup.actions, workingDirectory.c_str()), what);
    for (int target = 0; target < 3; ++target)
        Check(posix_spawn_file_actions_adddup2(&setup.actions, standardDescriptors[target], target), what);
    // Descriptors opened elsewhere in the program without close-on-exec must not reach the child either.
    Check(posix_spawn_file_actions_addclosefrom_np(&setup.actions, 3), what);

    pid_t pid = 0;
    Check(posix_spawn(&pid, program.c_str(), &setup.actions, &setup.attributes, words.data(), environ), what);
    return pid;
}

}  // namespace platform::process
