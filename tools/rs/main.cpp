// rs: converts a WAV file to another rate, channel count and sample width.
#include <cstdio>

#include "tools/rs/ResampleArguments.h"
#include "tools/rs/WaveResampler.h"

int main(int argc, char** argv) {
    ResampleArguments arguments;
    std::string problem;
    if (!parseResampleArguments(std::vector<std::string>(argv + 1, argv + argc), arguments, problem)) {
        std::fprintf(stderr, "rs: %s\nusage: rs [-r rate] [-c channels] [-b bits] source destination\n",
                     problem.c_str());
        return 1;
    }
    problem = resampleWave(arguments);
    if (!problem.empty()) {
        std::fprintf(stderr, "rs: %s\n", problem.c_str());
        return 1;
    }
    return 0;
}
