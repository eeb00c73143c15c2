#include <gtest/gtest.h>

#include "platform/gdi/Objects.h"
#include "platform/gdi/Region.h"
#include "platform/gdi/Regions.h"

namespace {

using namespace win;

TEST(Regions, RectangleRegionExcludesRightAndBottomEdges) {
    const HRGN rgn = CreateRectRgn(2, 3, 6, 8);
    EXPECT_TRUE(PtInRegion(rgn, 2, 3));
    EXPECT_TRUE(PtInRegion(rgn, 5, 7));
    EXPECT_FALSE(PtInRegion(rgn, 6, 7));
    EXPECT_FALSE(PtInRegion(rgn, 5, 8));
    EXPECT_FALSE(PtInRegion(rgn, 1, 3));
    RECT box{};
    EXPECT_EQ(GetRgnBox(rgn, &box), SIMPLEREGION);
    EXPECT_EQ(box.left, 2);
    EXPECT_EQ(box.bottom, 8);
    DeleteObject(rgn);
}

TEST(Regions, CombineOrOfTwoRectanglesIsTheirUnion) {
    const HRGN a = CreateRectRgn(0, 0, 10, 4);
    const HRGN b = CreateRectRgn(6, 2, 12, 9);
    const HRGN both = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(CombineRgn(both, a, b, RGN_OR), COMPLEXREGION);
    RECT box{};
    GetRgnBox(both, &box);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.top, 0);
    EXPECT_EQ(box.right, 12);
    EXPECT_EQ(box.bottom, 9);
    EXPECT_TRUE(PtInRegion(both, 0, 0));
    EXPECT_TRUE(PtInRegion(both, 11, 8));
    EXPECT_TRUE(PtInRegion(both, 9, 3));
    EXPECT_FALSE(PtInRegion(both, 2, 6));  // inside the box, outside both rectangles
    EXPECT_FALSE(PtInRegion(both, 11, 1));
    for (HRGN r : {a, b, both}) {
        EXPECT_TRUE(DeleteObject(r));
    }
}

TEST(Regions, UnionThatFormsARectangleIsSimple) {
    const HRGN a = CreateRectRgn(0, 0, 5, 5);
    const HRGN b = CreateRectRgn(5, 0, 9, 5);
    EXPECT_EQ(CombineRgn(a, a, b, RGN_OR), SIMPLEREGION);
    EXPECT_TRUE(PtInRegion(a, 8, 4));
    DeleteObject(a);
    DeleteObject(b);
}

TEST(Regions, AndDiffXorAndCopy) {
    const HRGN a = CreateRectRgn(0, 0, 10, 10);
    const HRGN b = CreateRectRgn(5, 5, 15, 15);
    const HRGN out = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(CombineRgn(out, a, b, RGN_AND), SIMPLEREGION);
    EXPECT_TRUE(PtInRegion(out, 5, 5));
    EXPECT_FALSE(PtInRegion(out, 4, 5));
    EXPECT_EQ(CombineRgn(out, a, b, RGN_DIFF), COMPLEXREGION);
    EXPECT_TRUE(PtInRegion(out, 4, 9));
    EXPECT_FALSE(PtInRegion(out, 5, 5));
    EXPECT_EQ(CombineRgn(out, a, b, RGN_XOR), COMPLEXREGION);
    EXPECT_TRUE(PtInRegion(out, 14, 14));
    EXPECT_FALSE(PtInRegion(out, 7, 7));
    EXPECT_EQ(CombineRgn(out, b, nullptr, RGN_COPY), SIMPLEREGION);
    EXPECT_TRUE(PtInRegion(out, 14, 14));
    const HRGN far = CreateRectRgn(20, 20, 30, 30);
    EXPECT_EQ(CombineRgn(out, a, far, RGN_AND), NULLREGION);
    for (HRGN r : {a, b, out, far}) {
        DeleteObject(r);
    }
}

TEST(Regions, ShapeIsSharedWithTheWindowLayer) {
    const gdi::Region shape = gdi::Region(RECT{0, 0, 4, 4}).united(gdi::Region(RECT{10, 10, 12, 12}));
    const HRGN rgn = gdi::CreateRegionHandle(shape);
    ASSERT_TRUE(gdi::RegionOf(rgn).has_value());
    EXPECT_EQ(*gdi::RegionOf(rgn), shape);
    EXPECT_EQ(gdi::SetRegionShape(rgn, gdi::Region(RECT{1, 1, 2, 2})), SIMPLEREGION);
    EXPECT_TRUE(PtInRegion(rgn, 1, 1));
    EXPECT_FALSE(PtInRegion(rgn, 10, 10));
    DeleteObject(rgn);
    EXPECT_FALSE(gdi::RegionOf(rgn).has_value());
}

TEST(Regions, StaleHandlesFailCleanly) {
    const HRGN rgn = CreateRectRgn(0, 0, 4, 4);
    const HRGN other = CreateRectRgn(0, 0, 4, 4);
    ASSERT_TRUE(DeleteObject(rgn));
    EXPECT_FALSE(DeleteObject(rgn));
    RECT box{};
    EXPECT_EQ(GetRgnBox(rgn, &box), ERROR);
    EXPECT_FALSE(PtInRegion(rgn, 1, 1));
    EXPECT_EQ(CombineRgn(rgn, other, other, RGN_OR), ERROR);
    EXPECT_EQ(CombineRgn(other, rgn, other, RGN_OR), ERROR);
    EXPECT_EQ(gdi::SetRegionShape(rgn, gdi::Region()), ERROR);
    DeleteObject(other);
}

TEST(RegionShape, EqualityIsBySetOfPixels) {
    const gdi::Region split = gdi::Region(RECT{0, 0, 2, 4}).united(gdi::Region(RECT{2, 0, 4, 4}));
    EXPECT_EQ(split, gdi::Region(RECT{0, 0, 4, 4}));
    EXPECT_FALSE(split == gdi::Region(RECT{0, 0, 4, 5}));
    EXPECT_TRUE(gdi::Region(RECT{3, 3, 3, 9}).empty());
}

}  // namespace
