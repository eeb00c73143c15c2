#include "finchenc/FinchencProgram.h"

int main(int argc, char** argv) { return finch::runFinchenc(argc, argv); }
