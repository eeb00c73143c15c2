#include "finchenc/ProgramMessages.h"

#include <cstdio>
#include <cstring>

namespace finch {

void printOpenError(const char* name) { std::printf("Error on open file \"%s\" !\n", name); }

// The decoded file's open error names a fixed file, whatever the command line said.
void printSynthesizedOpenError() { std::fputs("Error on open file qbx.wav !!\n", stdout); }

void printOpenError(const char* name, int error) {
    std::printf("Error on open file \"%s\" : %s !\n", name, std::strerror(error));
}

void printReadError(const char* name, int error) {
    std::printf("Error on read file \"%s\" : %s !\n", name, std::strerror(error));
}

void printWriteError(const char* name, int error) {
    std::printf("Error on write file \"%s\" : %s !\n", name, std::strerror(error));
}

}  // namespace finch
