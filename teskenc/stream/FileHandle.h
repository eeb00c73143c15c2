#pragma once

#include <cstdio>
#include <memory>

namespace tesk {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// A C file stream closed when its owner goes away.
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

}  // namespace tesk
