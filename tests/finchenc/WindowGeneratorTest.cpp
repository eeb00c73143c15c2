#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "FinchTestFiles.h"

namespace finch {
namespace {

// The checked-in table must be exactly what its generator writes from the checked-in coefficients.
TEST(WindowGenerator, ReproducesTheCheckedInTable) {
    test::ScratchDir dir;
    const std::string generated = dir.path("AnalysisWindow.cpp");
    const std::string command = std::string(TRACKMILL_BIN_DIR "/finch-window ") +
                                TRACKMILL_SOURCE_DIR "/tools/finch-window/analysis-window-c.txt " + generated;
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0);
    const auto checkedIn = test::readBytes(TRACKMILL_SOURCE_DIR "/finchenc/AnalysisWindow.cpp");
    ASSERT_FALSE(checkedIn.empty());
    EXPECT_EQ(test::readBytes(generated), checkedIn);
}

TEST(WindowGenerator, RefusesATableThatIsNotMirrored) {
    test::ScratchDir dir;
    std::string table;
    for (int k = 0; k < 512; ++k) {
        table += k == 300 ? "0.000100000\n" : "0.000000000\n";
    }
    const std::string input = dir.path("c.txt");
    test::writeBytes(input, std::vector<unsigned char>(table.begin(), table.end()));
    const std::string command =
        std::string(TRACKMILL_BIN_DIR "/finch-window ") + input + " " + dir.path("out.cpp") + " 2>/dev/null";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
}

}  // namespace
}  // namespace finch
