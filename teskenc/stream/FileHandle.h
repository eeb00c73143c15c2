#pragma once

#include <cstdio>
#include <memory>

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// A C file stream closed when its owner goes away.
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;
