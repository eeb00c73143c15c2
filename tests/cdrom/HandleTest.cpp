// The drive list and handles: image drives first with their fixed texts, distinct handles that are never reused,
// several handles on one drive, clean failures for unknown drives and handles.
#include "CueImage.h"
#include "DiscLayouts.h"
#include "DriveAt.h"
#include "ImageDrives.h"
#include "tests/support/ScratchFolder.h"

#include "platform/cdrom/CdAudio.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace platform::cdrom;
using cdrom_test::CueImage;

namespace {

class HandleTest : public ::testing::Test {
  protected:
    testsupport::ScratchFolder folder;
    CueImage first = CueImage::Write(folder.path(), "first", cdrom_test::PlainDisc());
    CueImage second = CueImage::Write(folder.path(), "a-rather-long-image-name", cdrom_test::PlainDisc());
    cdrom_test::ImageDrives drives{{first.cuePath(), second.cuePath()}};
};

}  // namespace

TEST_F(HandleTest, ListStartsWithTheImagesInTheirOrder) {
    TCDList list;
    list.max = MAX_CD_DRIVES;
    GetCDList(&list);
    ASSERT_GE(list.num, 2);
    EXPECT_STREQ(list.cd[0].vendor, "Image");
    EXPECT_STREQ(list.cd[0].productId, "first");
    EXPECT_STREQ(list.cd[1].productId, "a-rather-long-im") << "cut to 16 characters";
    EXPECT_NE(list.cd[0].ha, list.cd[1].ha);
    EXPECT_EQ(list.cd[0].tgt, 0);
    EXPECT_EQ(list.cd[0].lun, 0);

    TCDList one;
    one.max = 1;
    GetCDList(&one);
    EXPECT_EQ(one.num, 1) << "never more entries than the caller has room for";
    EXPECT_EQ(one.cd[1].vendor[0], '\0');
}

TEST_F(HandleTest, DriveKeepsItsNumberWhileTheListChanges) {
    TCDList before;
    before.max = MAX_CD_DRIVES;
    GetCDList(&before);
    cdrom_test::ImageDrives reordered({second.cuePath(), first.cuePath()});
    TCDList after;
    after.max = MAX_CD_DRIVES;
    GetCDList(&after);
    EXPECT_EQ(after.cd[0].ha, before.cd[1].ha);
    EXPECT_EQ(after.cd[1].ha, before.cd[0].ha);
}

TEST_F(HandleTest, HandlesAreDistinctAndNeverReused) {
    const HCDROM a = OpenDriveAt(0);
    const HCDROM b = OpenDriveAt(0);  // a second handle on the same drive
    const HCDROM c = OpenDriveAt(1);
    ASSERT_NE(a, 0u);
    ASSERT_NE(b, 0u);
    ASSERT_NE(c, 0u);
    EXPECT_NE(a, b);
    EXPECT_NE(b, c);
    EXPECT_NE(a, c);

    TTableOfContents toc;
    EXPECT_EQ(ReadTOC(a, &toc), 1u);
    EXPECT_EQ(ReadTOC(b, &toc), 1u);

    EXPECT_EQ(CloseCDHandle(a), 1);
    EXPECT_EQ(ReadTOC(b, &toc), 1u) << "closing one handle leaves the other open";
    EXPECT_EQ(CloseCDHandle(a), 0) << "already closed";
    EXPECT_EQ(ReadTOC(a, &toc), 0u);
    EXPECT_EQ(ModifyCDParms(a, 36, 1), 0);

    const HCDROM d = OpenDriveAt(0);
    EXPECT_NE(d, a);
    EXPECT_NE(d, b);
    EXPECT_NE(d, c);
    EXPECT_EQ(ModifyCDParms(d, 36, 1), 1);
    for (HCDROM handle : {b, c, d}) EXPECT_EQ(CloseCDHandle(handle), 1);
}

TEST_F(HandleTest, UnknownDrivesAndHandlesFailCleanly) {
    EXPECT_EQ(CloseCDHandle(0), 0);
    EXPECT_EQ(CloseCDHandle(0xFFFFFFF0u), 0);
    TCDList list;
    list.max = MAX_CD_DRIVES;
    GetCDList(&list);

    TGetCDHandleParams params;
    params.size = 12;
    params.ver = 1;
    params.ha = list.cd[0].ha;
    params.tgt = 1;
    EXPECT_EQ(GetCDHandle(&params), 0u) << "no such target";
    params.tgt = 0;
    params.ha = 0xFF;
    EXPECT_EQ(GetCDHandle(&params), 0u) << "no such adapter";
    EXPECT_EQ(GetCDHandle(nullptr), 0u);
    EXPECT_EQ(GetCDList(nullptr), 0u);
}
