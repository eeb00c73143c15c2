// Injected faults give the failure results the application checks for: 0 handles, failed closes, a failing read in
// the middle of a track, and the operations after it.
#include "CdFaults.h"
#include "CueImage.h"
#include "DiscLayouts.h"
#include "DriveAt.h"
#include "ImageDrives.h"
#include "TrackBuffer.h"
#include "tests/support/ScratchFolder.h"

#include "platform/cdrom/CdAudio.h"

#include <gtest/gtest.h>

using namespace platform::cdrom;
using cdrom_test::CdFaults;
using cdrom_test::CueImage;

namespace {

class FaultTest : public ::testing::Test {
  protected:
    testsupport::ScratchFolder folder;
    CueImage image = CueImage::Write(folder.path(), "disc", cdrom_test::PlainDisc());
    cdrom_test::ImageDrives drives{{image.cuePath()}};
    CdFaults faults;

    DWORD ReadSector(HCDROM handle, int lsn) {
        TrackBuffer buffer(1);
        buffer->startFrame = static_cast<DWORD>(lsn);
        buffer->numFrames = 1;
        return ReadCDAudioLBA(handle, buffer.get());
    }
};

}  // namespace

TEST_F(FaultTest, HandleRequestFailsWhileTheFaultLasts) {
    faults.fail(CdOperation::GetHandle);
    EXPECT_EQ(OpenDriveAt(0), 0u);
    faults.heal(CdOperation::GetHandle);
    const HCDROM handle = OpenDriveAt(0);
    EXPECT_NE(handle, 0u);
    CloseCDHandle(handle);
}

TEST_F(FaultTest, FailedCloseLeavesTheHandleOpen) {
    const HCDROM handle = OpenDriveAt(0);
    faults.fail(CdOperation::CloseHandle);
    EXPECT_EQ(CloseCDHandle(handle), 0);
    TTableOfContents toc;
    EXPECT_EQ(ReadTOC(handle, &toc), 1u);
    faults.heal(CdOperation::CloseHandle);
    EXPECT_EQ(CloseCDHandle(handle), 1);
}

TEST_F(FaultTest, ParameterAndTableFailures) {
    const HCDROM handle = OpenDriveAt(0);
    faults.fail(CdOperation::ModifyParms);
    faults.fail(CdOperation::ReadToc);
    EXPECT_EQ(ModifyCDParms(handle, 36, 1), 0);
    TTableOfContents toc;
    EXPECT_EQ(ReadTOC(handle, &toc), 0u);
    faults.heal(CdOperation::ModifyParms);
    faults.heal(CdOperation::ReadToc);
    EXPECT_EQ(ModifyCDParms(handle, 36, 1), 1);
    EXPECT_EQ(ReadTOC(handle, &toc), 1u);
    CloseCDHandle(handle);
}

TEST_F(FaultTest, ReadFailsAtTheChosenCountOnly) {
    const HCDROM handle = OpenDriveAt(0);
    faults.failReadNumber(3);
    EXPECT_EQ(ReadSector(handle, 0), 1u);
    EXPECT_EQ(ReadSector(handle, 1), 1u);
    TrackBuffer buffer(1);
    buffer->startFrame = 2;
    buffer->numFrames = 1;
    EXPECT_EQ(ReadCDAudioLBA(handle, buffer.get()), 0u);
    EXPECT_EQ(buffer->len, 0u) << "a failed read returns no audio";
    EXPECT_EQ(ReadSector(handle, 3), 1u);
    CloseCDHandle(handle);
}

TEST_F(FaultTest, EveryReadFailsWhileReadsFail) {
    const HCDROM handle = OpenDriveAt(0);
    faults.fail(CdOperation::ReadAudio);
    EXPECT_EQ(ReadSector(handle, 0), 0u);
    EXPECT_EQ(ReadSector(handle, 10), 0u);
    faults.heal(CdOperation::ReadAudio);
    EXPECT_EQ(ReadSector(handle, 10), 1u);
    CloseCDHandle(handle);
}
