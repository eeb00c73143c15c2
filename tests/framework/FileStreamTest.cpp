#include "platform/framework/TFileStream.h"

#include <gtest/gtest.h>
#include <sys/file.h>

#include <cstdint>
#include <string>

#include "platform/framework/EInOutError.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ScratchFolder.h"

using namespace testsupport;

using namespace framework;

TEST(FileStream, CreateWritesSeeksAndRewritesAHeader) {
    ScratchFolder folder;
    const std::string path = folder.file("Track1.wav");
    writeFileText(path, "old content that must go");
    {
        TFileStream stream(path, fmCreate);
        EXPECT_EQ(stream.Size(), 0);
        stream.WriteBuffer("HDR0", 4);
        stream.WriteBuffer("audio", 5);
        EXPECT_EQ(stream.Position(), 9);
        EXPECT_EQ(stream.Seek(0, soBeginning), 0);
        stream.WriteBuffer("HDR9", 4);
        EXPECT_EQ(stream.Size(), 9);
        EXPECT_EQ(stream.Seek(-2, soEnd), 7);
    }
    EXPECT_EQ(readFileText(path), "HDR9audio");
}

TEST(FileStream, ReadsWhatIsThere) {
    ScratchFolder folder;
    const std::string path = folder.file("a.wav");
    writeFileText(path, "0123456789");
    TFileStream stream(path, fmOpenRead);
    char buffer[8] = {};
    EXPECT_EQ(stream.Read(buffer, 4), 4);
    EXPECT_EQ(std::string(buffer, 4), "0123");
    stream.SetPosition(8);
    EXPECT_EQ(stream.Read(buffer, 8), 2);
    stream.SetPosition(8);
    EXPECT_THROW(stream.ReadBuffer(buffer, 4), EInOutError);
}

TEST(FileStream, ACreatedFileIsHeldExclusively) {
    ScratchFolder folder;
    const std::string path = folder.file("Track1.wav");
    TFileStream writer(path, fmCreate);
    writer.WriteBuffer("data", 4);
    EXPECT_THROW(TFileStream(path, fmOpenRead), EInOutError);
    // A second creator neither gets the file nor empties it.
    EXPECT_THROW(TFileStream(path, fmCreate), EInOutError);
    EXPECT_EQ(writer.Size(), 4);
}

TEST(FileStream, ReadersShareButKeepCreatorsOut) {
    ScratchFolder folder;
    const std::string path = folder.file("a.wav");
    writeFileText(path, "abc");
    TFileStream first(path, fmOpenRead);
    TFileStream second(path, fmOpenRead);
    EXPECT_EQ(second.Size(), 3);
    try {
        TFileStream writer(path, fmCreate);
        FAIL() << "created a file that is being read";
    } catch (const EInOutError& error) {
        EXPECT_NE(error.Message().find(path), std::string::npos);
    }
    EXPECT_EQ(readFileText(path), "abc");
}

TEST(FileStream, OpeningAMissingFileRaisesWithItsCause) {
    ScratchFolder folder;
    try {
        TFileStream stream(folder.file("none.wav"), fmOpenRead);
        FAIL() << "opened a missing file";
    } catch (const EInOutError& error) {
        EXPECT_EQ(error.ErrorCode(), ENOENT);
        EXPECT_NE(error.Message().find("No such file or directory"), std::string::npos);
    }
    EXPECT_THROW(TFileStream(folder.file("no-folder/a.wav"), fmCreate), EInOutError);
}
