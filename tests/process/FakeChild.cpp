// A stand-in for the outside programs, driven by its arguments:
//   argv                         writes every argument after "argv", each followed by a NUL, to stdout
//   pattern <bytes>              writes <bytes> bytes of patternByte() to stdout and exits at once
//   script <o|e>:<ms>:<text>...  per item: sleeps <ms>, then writes <text> (\n, \r, \\ unescaped) to
//                                stdout (o) or stderr (e); exits 0 after the last
//   exit <code>                  exits at once with <code>
//   hang                         never exits
//   silent <ms> <stampfile>      writes nothing, sleeps <ms>, writes its CLOCK_MONOTONIC time in
//                                nanoseconds to <stampfile>, exits 0
//   flood [ignore-term] [grandchild <pidfile>]
//                                writes to stdout without end; optionally ignores SIGTERM and forks a
//                                silent second process in its group whose id goes to <pidfile>
//   report <file>                writes its working directory, whether it leads its process group and
//                                the target of every open descriptor to <file>
#include "PatternByte.h"

#include <fcntl.h>
#include <unistd.h>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <string>
#include <thread>

namespace {

void writeAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = write(fd, bytes.data() + done, bytes.size() - done);
        if (wrote <= 0) std::exit(3);
        done += static_cast<std::size_t>(wrote);
    }
}

std::string unescape(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            const char next = text[++i];
            out += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
        } else {
            out += text[i];
        }
    }
    return out;
}

void sleepMs(long ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

int runScript(int argc, char** argv) {
    for (int i = 2; i < argc; ++i) {
        const std::string item = argv[i];
        const std::size_t second = item.find(':', 2);
        if (item.size() < 4 || item[1] != ':' || second == std::string::npos) return 2;
        sleepMs(std::stol(item.substr(2, second - 2)));
        writeAll(item[0] == 'e' ? 2 : 1, unescape(item.substr(second + 1)));
    }
    return 0;
}

int runPattern(long bytes) {
    std::string block;
    for (long i = 0; i < bytes; ++i) {
        block += static_cast<char>(patternByte(static_cast<std::size_t>(i)));
        if (block.size() == 4096 || i + 1 == bytes) {
            writeAll(1, block);
            block.clear();
        }
    }
    return 0;
}

[[noreturn]] void flood() {
    const std::string block(65536, 'x');
    while (true) writeAll(1, block);
}

int runFlood(int argc, char** argv) {
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "ignore-term") == 0) {
            std::signal(SIGTERM, SIG_IGN);
        } else if (std::strcmp(argv[i], "grandchild") == 0 && i + 1 < argc) {
            const pid_t pid = fork();
            if (pid == 0) {
                // Writes nothing: only the group's end, not a broken pipe, can stop it.
                while (true) pause();
            }
            std::ofstream(argv[++i]) << pid << '\n';
        }
    }
    flood();
}

[[noreturn]] void runSilent(long ms, const char* stampFile) {
    sleepMs(ms);
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    std::ofstream(stampFile) << static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec << '\n';
    // At once, so that the stamp is the moment of the end: exit handlers (a sanitizer's leak check) can
    // take longer than the end is allowed to take to be seen.
    _exit(0);
}

int runReport(const char* file) {
    std::string report;
    char cwd[4096];
    report += std::string("cwd ") + (getcwd(cwd, sizeof cwd) ? cwd : "?") + "\n";
    report += std::string("leader ") + (getpgrp() == getpid() ? "yes" : "no") + "\n";
    // Probed with fcntl, which opens nothing that would show up in the list itself.
    for (int fd = 0; fd < 1024; ++fd) {
        if (fcntl(fd, F_GETFD) < 0) continue;
        char target[4096] = {};
        const std::string link = "/proc/self/fd/" + std::to_string(fd);
        const ssize_t length = readlink(link.c_str(), target, sizeof target - 1);
        report += "fd " + std::to_string(fd) + " " + (length > 0 ? std::string(target, length) : "?") + "\n";
    }
    std::ofstream(file) << report;
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "argv") {
        for (int i = 2; i < argc; ++i) writeAll(1, std::string(argv[i]) + '\0');
        return 0;
    }
    if (mode == "pattern" && argc == 3) return runPattern(std::stol(argv[2]));
    if (mode == "script") return runScript(argc, argv);
    if (mode == "exit" && argc == 3) return std::atoi(argv[2]);
    if (mode == "hang") {
        while (true) pause();
    }
    if (mode == "silent" && argc == 4) runSilent(std::stol(argv[2]), argv[3]);
    if (mode == "flood") return runFlood(argc, argv);
    if (mode == "report" && argc == 3) return runReport(argv[2]);
    std::fputs("fakechild: unknown mode\n", stderr);
    return 2;
}
