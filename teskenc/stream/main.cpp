#include <cstdio>

#include "teskenc/stream/TeskencProgram.h"

int main(int argc, char** argv) { return tesk::runTeskenc(argc, argv, stderr); }
