#pragma once

namespace finch {

// The finchenc program: encodes argv[2] into the Finch file argv[3] at rate argv[1] and, given a
// fourth name, decodes the Finch file back into that WAVE file. Returns the exit status.
int runFinchenc(int argc, char** argv);

}  // namespace finch
