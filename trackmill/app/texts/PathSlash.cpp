#include "trackmill/app/texts/PathSlash.h"

std::string AppendPathSlash(const std::string& Dir) {
    if (Dir.empty() || Dir.back() == '/') return Dir;
    return Dir + "/";
}
