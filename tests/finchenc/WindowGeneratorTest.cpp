#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/FileBytes.h"
#include "tests/support/RunProgram.h"
#include "tests/support/ScratchFolder.h"

namespace finch {
namespace {

// The checked-in table must be exactly what its generator writes from the checked-in coefficients.
TEST(WindowGenerator, ReproducesTheCheckedInTable) {
    testsupport::ScratchFolder dir;
    const std::string generated = dir.file("AnalysisWindow.cpp");
    const testsupport::ProgramRun run =
        testsupport::runProgram({testsupport::builtProgram("finch-window"),
                                 TRACKMILL_SOURCE_DIR "/tools/finch-window/analysis-window-c.txt", generated});
    ASSERT_EQ(run.exitStatus, 0) << run.standardError;
    const auto checkedIn = testsupport::readFileBytes(TRACKMILL_SOURCE_DIR "/finchenc/AnalysisWindow.cpp");
    ASSERT_FALSE(checkedIn.empty());
    EXPECT_EQ(testsupport::readFileBytes(generated), checkedIn);
}

TEST(WindowGenerator, RefusesATableThatIsNotMirrored) {
    testsupport::ScratchFolder dir;
    std::string table;
    for (int k = 0; k < 512; ++k) {
        table += k == 300 ? "0.000100000\n" : "0.000000000\n";
    }
    const std::string input = dir.file("c.txt");
    testsupport::writeFileText(input, table);
    const testsupport::ProgramRun run =
        testsupport::runProgram({testsupport::builtProgram("finch-window"), input, dir.file("out.cpp")});
    EXPECT_EQ(run.exitStatus, 1);
}

}  // namespace
}  // namespace finch
