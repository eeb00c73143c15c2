#pragma once

namespace finch {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;

// The program's error lines on standard output. The first two are the texts callers know; the others
// name the file and the system's reason.
void printOpenError(const char* name);
void printSynthesizedOpenError();
void printOpenError(const char* name, int error);
void printReadError(const char* name, int error);
void printWriteError(const char* name, int error);

}  // namespace finch
