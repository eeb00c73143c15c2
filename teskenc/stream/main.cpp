#include <cstdio>

#include "TeskencProgram.h"

int main(int argc, char** argv) { return runTeskenc(argc, argv, stderr); }
