// Whether a step that reports nothing wrote its output.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <ctime>

#include "tests/support/FileBytes.h"
#include "tests/support/ScratchFolder.h"
#include "trackmill/app/jobs/StepOutput.h"

namespace {

class StepOutputTest : public ::testing::Test {
  protected:
    testsupport::ScratchFolder folder;
    const std::string path = folder.file("out.LRK");

    // Sets the file's modification time to a fixed moment in the past.
    void Age() {
        const timespec times[2] = {{1000000000, 0}, {1000000000, 0}};
        ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
    }
};

TEST_F(StepOutputTest, ANewFileLongerThanItsHeader) {
    const TStepOutput output(path, 44);
    EXPECT_FALSE(output.Produced());
    folder.write("out.LRK", testsupport::Bytes(44, 1));
    EXPECT_FALSE(output.Produced());
    folder.write("out.LRK", testsupport::Bytes(45, 1));
    EXPECT_TRUE(output.Produced());
}

TEST_F(StepOutputTest, AnOldFileLeftAsItWasIsNothingWritten) {
    folder.write("out.LRK", testsupport::Bytes(500, 1));
    Age();
    const TStepOutput output(path, 2);
    EXPECT_FALSE(output.Produced());
    folder.write("out.LRK", testsupport::Bytes(500, 2));
    EXPECT_TRUE(output.Produced());
}

TEST_F(StepOutputTest, AnOldFileCutToItsHeaderIsNothingWritten) {
    folder.write("out.LRK", testsupport::Bytes(500, 1));
    Age();
    const TStepOutput output(path, 2);
    folder.write("out.LRK", testsupport::Bytes(2, 1));
    EXPECT_FALSE(output.Produced());
}

}  // namespace
