#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "teskenc/codec/CodecError.h"
#include "teskenc/stream/EventFile.h"
#include "teskenc/stream/TeskError.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ScratchFolder.h"
#include "tests/teskenc/stream/TestFiles.h"

using namespace testsupport;

namespace tesk {
namespace {

std::vector<EventLine> readAll(const std::string& text) {
    ScratchFolder dir;
    writeFileText(dir.file("events.txt"), text);
    EventFile events(dir.file("events.txt"));
    std::vector<EventLine> lines;
    while (std::optional<EventLine> line = events.next()) lines.push_back(*line);
    return lines;
}

std::string errorOf(const std::string& text) {
    try {
        readAll(text);
    } catch (const TeskError& e) {
        return e.what();
    } catch (const CodecError& e) {
        return e.what();
    }
    return "";
}

TEST(EventFileTest, LinesAreRoundedAndShortLinesSkipped) {
    const std::vector<EventLine> lines = readAll("1000 4 3\n\n512\n0 256 5\r\n-1 5\n-200 6 1\n  130\t7  \nx 1 2\n");
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0].position, 896);
    EXPECT_EQ(lines[0].rate, 4);
    EXPECT_EQ(lines[0].eventId, 3);
    EXPECT_EQ(lines[1].position, 0);
    EXPECT_EQ(lines[1].rate, 256);
    EXPECT_EQ(lines[1].eventId, 5);
    EXPECT_EQ(lines[2].position, 0);  // -1 rounds toward zero
    EXPECT_EQ(lines[2].eventId, 0);   // a missing event id is no event
    EXPECT_EQ(lines[3].position, -128);
    EXPECT_EQ(lines[4].position, 128);
    EXPECT_EQ(lines[4].rate, 7);
}

TEST(EventFileTest, LongLinesKeepTheirFirst1023CharactersAndDropTheRest) {
    // The tail of a long line must not come back as a line of its own; the second line's event lies past 1023.
    const std::vector<EventLine> lines = readAll(std::string(1000, ' ') + "384 5 1" + std::string(3000, ' ') + "9 9\n" +
                                                 std::string(1023, ' ') + "512 4\n");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].position, 384);
    EXPECT_EQ(lines[0].rate, 5);
    EXPECT_EQ(lines[0].eventId, 1);
}

TEST(EventFileTest, OutOfRangeFieldsAreRejected) {
    const std::string eventIdMessage = "event id must be in 0 ~ 126 (0 indicates no event)\n";
    const std::string rateMessage = "event rate must be in 0 ~ 2, 4 ~ 9 or 256 (256 indicates no rate change)\n";
    EXPECT_EQ(errorOf("0 256 127\n"), eventIdMessage);
    EXPECT_EQ(errorOf("0 256 -1\n"), eventIdMessage);
    EXPECT_EQ(errorOf("0 256 126\n"), "");
    EXPECT_EQ(errorOf("0 3 0\n"), "rate_id error for teska (0 ~ 2)\n");
    EXPECT_EQ(errorOf("0 10 0\n"), "change teskb data rate error\n");
    EXPECT_EQ(errorOf("0 255 0\n"), "change teskb data rate error\n");
    EXPECT_EQ(errorOf("0 257 0\n"), rateMessage);
    EXPECT_EQ(errorOf("0 -1 0\n"), rateMessage);
    EXPECT_EQ(errorOf("0 9 0\n4 0 0\n"), "");
}

TEST(EventFileTest, MissingFileGivesTheOpenMessage) {
    try {
        EventFile events("/nonexistent/events.txt");
        FAIL() << "opened a missing file";
    } catch (const TeskError& e) {
        EXPECT_STREQ(e.what(), "open event file [/nonexistent/events.txt] error\n");
    }
}

}  // namespace
}  // namespace tesk
