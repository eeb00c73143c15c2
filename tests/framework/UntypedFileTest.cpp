#include "platform/framework/UntypedFile.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "platform/framework/EInOutError.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ScratchFolder.h"

using namespace testsupport;

using namespace framework;

TEST(UntypedFile, CopiesInBlocksWithCountsAndSize) {
    ScratchFolder folder;
    std::string content(5000, '\0');
    for (std::size_t i = 0; i < content.size(); ++i) content[i] = static_cast<char>(i % 253);
    writeFileText(folder.file("Track1.wav"), content);

    UntypedFile source;
    UntypedFile target;
    AssignFile(source, folder.file("Track1.wav"));
    Reset(source);
    AssignFile(target, folder.file("Track1.nor"));
    Rewrite(target);
    EXPECT_EQ(FileSize(source), 5000);
    char block[2048];
    std::int64_t got = 0;
    std::int64_t written = 0;
    std::string counts;
    do {
        BlockRead(source, block, sizeof block, got);
        BlockWrite(target, block, got, written);
        counts += std::to_string(got) + " ";
    } while (got != 0 && written == got);
    CloseFile(source);
    CloseFile(target);
    EXPECT_EQ(counts, "2048 2048 904 0 ");
    EXPECT_EQ(readFileText(folder.file("Track1.nor")), content);
}

TEST(UntypedFile, RewriteEmptiesAnExistingFile) {
    ScratchFolder folder;
    writeFileText(folder.file("a.nor"), "leftover");
    UntypedFile file;
    AssignFile(file, folder.file("a.nor"));
    Rewrite(file);
    EXPECT_EQ(FileSize(file), 0);
}

TEST(UntypedFile, FailuresRaiseWithTheCause) {
    ScratchFolder folder;
    UntypedFile file;
    AssignFile(file, folder.file("missing.wav"));
    try {
        Reset(file);
        FAIL() << "opened a missing file";
    } catch (const EInOutError& error) {
        EXPECT_EQ(error.ErrorCode(), ENOENT);
    }
    char byte = 0;
    std::int64_t got = 0;
    EXPECT_THROW(BlockRead(file, &byte, 1, got), EInOutError);
    EXPECT_THROW(CloseFile(file), EInOutError);
}
