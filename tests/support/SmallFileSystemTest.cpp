#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "tests/support/SmallFileSystem.h"

using namespace testsupport;

namespace {

TEST(SmallFileSystem, RefusesWritesOnceFullAndGoesAway) {
    std::filesystem::path kept;
    {
        const SmallFileSystem disk(64 * 1024);
        if (!disk.mounted()) GTEST_SKIP() << disk.skipReason();
        kept = disk.path();
        EXPECT_LE(disk.fill(), 0u);
        std::FILE* f = std::fopen(disk.file("more").c_str(), "wb");
        ASSERT_NE(f, nullptr);
        const std::vector<char> bytes(8192, 'x');
        const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size() && std::fflush(f) == 0;
        EXPECT_FALSE(written);
        EXPECT_EQ(errno, ENOSPC);
        std::fclose(f);
    }
    EXPECT_FALSE(std::filesystem::exists(kept));
}

TEST(SmallFileSystem, LeavesRoomWhenAsked) {
    const SmallFileSystem disk(256 * 1024);
    if (!disk.mounted()) GTEST_SKIP() << disk.skipReason();
    const std::size_t left = disk.fill(16 * 1024);
    EXPECT_LE(left, 16u * 1024);
    EXPECT_GT(left, 0u);
}

}  // namespace
