#include "platform/framework/TFileStream.h"

#include <gtest/gtest.h>
#include <sys/file.h>

#include <cstdint>
#include <string>

#include "TempFolder.h"
#include "platform/framework/EInOutError.h"

using namespace framework;

TEST(FileStream, CreateWritesSeeksAndRewritesAHeader) {
    TempFolder folder;
    const std::string path = folder.File("Track1.wav");
    WriteWholeFile(path, "old content that must go");
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
    EXPECT_EQ(ReadWholeFile(path), "HDR9audio");
}

TEST(FileStream, ReadsWhatIsThere) {
    TempFolder folder;
    const std::string path = folder.File("a.wav");
    WriteWholeFile(path, "0123456789");
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
    TempFolder folder;
    const std::string path = folder.File("Track1.wav");
    TFileStream writer(path, fmCreate);
    writer.WriteBuffer("data", 4);
    EXPECT_THROW(TFileStream(path, fmOpenRead), EInOutError);
    // A second creator neither gets the file nor empties it.
    EXPECT_THROW(TFileStream(path, fmCreate), EInOutError);
    EXPECT_EQ(writer.Size(), 4);
}

TEST(FileStream, ReadersShareButKeepCreatorsOut) {
    TempFolder folder;
    const std::string path = folder.File("a.wav");
    WriteWholeFile(path, "abc");
    TFileStream first(path, fmOpenRead);
    TFileStream second(path, fmOpenRead);
    EXPECT_EQ(second.Size(), 3);
    try {
        TFileStream writer(path, fmCreate);
        FAIL() << "created a file that is being read";
    } catch (const EInOutError& error) {
        EXPECT_NE(error.Message().find(path), std::string::npos);
    }
    EXPECT_EQ(ReadWholeFile(path), "abc");
}

TEST(FileStream, OpeningAMissingFileRaisesWithItsCause) {
    TempFolder folder;
    try {
        TFileStream stream(folder.File("none.wav"), fmOpenRead);
        FAIL() << "opened a missing file";
    } catch (const EInOutError& error) {
        EXPECT_EQ(error.ErrorCode(), ENOENT);
        EXPECT_NE(error.Message().find("No such file or directory"), std::string::npos);
    }
    EXPECT_THROW(TFileStream(folder.File("no-folder/a.wav"), fmCreate), EInOutError);
}
