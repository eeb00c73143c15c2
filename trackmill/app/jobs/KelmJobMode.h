#pragma once
#include <cstdint>

// The kind of one step of a speech-compression run: which program runs, and whether it has pipes to read.
enum TKelmJobMode : std::int32_t { jmLarkEncode = 101, jmFinchEncode = 102, jmResample = 103 };
