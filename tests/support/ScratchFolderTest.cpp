#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "tests/support/FileBytes.h"
#include "tests/support/ScratchFolder.h"

using namespace testsupport;

namespace {

TEST(ScratchFolder, EachIsFreshAndGoesWithEverythingInIt) {
    std::filesystem::path kept;
    {
        const ScratchFolder first;
        const ScratchFolder second;
        EXPECT_NE(first.path(), second.path());
        kept = first.path();
        std::filesystem::create_directory(first / "sub");
        writeFileText(first / "sub" / "f", "x");
        // Locked down by the test: removal must still succeed.
        ASSERT_EQ(::chmod(first.path().c_str(), 0500), 0);
    }
    EXPECT_FALSE(std::filesystem::exists(kept));
}

TEST(ScratchFolder, WritesFilesAndScripts) {
    const ScratchFolder folder;
    EXPECT_EQ(folder.write("b", {1, 2}), folder.file("b"));
    EXPECT_EQ(readFileBytes(folder / "b"), (Bytes{1, 2}));
    const auto script = folder.writeScript("s", "exit 0\n");
    EXPECT_EQ(readFileText(script), "#!/bin/sh\nexit 0\n");
    EXPECT_EQ(::access(script.c_str(), X_OK), 0);
}

}  // namespace
