#pragma once

#include <cstdio>

namespace tesk {

// The whole teskenc run: settings from the control file named by argv[1], the encoder pass, then the decoder
// pass. Prints nothing on success; on an error one message on errors. Returns the exit status (0 or 1).
int runTeskenc(int argc, const char* const* argv, std::FILE* errors);

}  // namespace tesk
