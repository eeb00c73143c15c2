// rs: converts a WAV file to another rate, channel count and sample width, by running the sound converter.
#include "ResampleArguments.h"

#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    ResampleArguments arguments;
    std::string problem;
    if (!parseResampleArguments(std::vector<std::string>(argv + 1, argv + argc), arguments, problem)) {
        std::fprintf(stderr, "rs: %s\nusage: rs [-r rate] [-c channels] [-b bits] source destination\n",
                     problem.c_str());
        return 1;
    }
    std::vector<std::string> command = soundConverterCommand(arguments);
    std::vector<char*> words;
    for (std::string& word : command) words.push_back(word.data());
    words.push_back(nullptr);
    // Replaced rather than waited for: stopping rs then stops the conversion itself.
    execvp(words.front(), words.data());
    std::fprintf(stderr, "rs: cannot run %s: %s\n", words.front(), std::strerror(errno));
    return 127;
}
