#include <gtest/gtest.h>

#include <memory>

#include "TestCanvas.h"
#include "platform/gdi/Blit.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Region.h"
#include "platform/gdi/Surface.h"

namespace {

using namespace win;

constexpr COLORREF kWhite = RGB(255, 255, 255);

TEST(BitBlt, CopiesTheBlockAndNothingElse) {
    TestCanvas source(4, 4);
    TestCanvas target(8, 8);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            SetPixel(source.dc(), x, y, RGB(x * 10, y * 10, 7));
        }
    }
    ASSERT_TRUE(BitBlt(target.dc(), 3, 2, 2, 3, source.dc(), 1, 1, SRCCOPY));
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 2; ++x) {
            EXPECT_EQ(target.at(3 + x, 2 + y), RGB((1 + x) * 10, (1 + y) * 10, 7));
        }
    }
    EXPECT_EQ(target.countNot(kWhite, 0, 0, 8, 8), 6);
}

TEST(BitBlt, SrcAndCombinesBitwise) {
    TestCanvas source(2, 1);
    TestCanvas target(2, 1);
    SetPixel(source.dc(), 0, 0, 0x00F0F00F);
    SetPixel(source.dc(), 1, 0, 0x00000000);
    SetPixel(target.dc(), 0, 0, 0x003C3CFF);
    ASSERT_TRUE(BitBlt(target.dc(), 0, 0, 2, 1, source.dc(), 0, 0, SRCAND));
    EXPECT_EQ(target.at(0, 0), 0x0030300Fu);
    EXPECT_EQ(target.at(1, 0), 0u);
}

TEST(BitBlt, OverlappingCopyWithinOneDcReadsBeforeWriting) {
    TestCanvas canvas(6, 1);
    for (int x = 0; x < 4; ++x) {
        SetPixel(canvas.dc(), x, 0, RGB(x + 1, 0, 0));
    }
    BitBlt(canvas.dc(), 2, 0, 4, 1, canvas.dc(), 0, 0, SRCCOPY);
    EXPECT_EQ(canvas.at(2, 0), RGB(1, 0, 0));
    EXPECT_EQ(canvas.at(3, 0), RGB(2, 0, 0));
    EXPECT_EQ(canvas.at(4, 0), RGB(3, 0, 0));
    EXPECT_EQ(canvas.at(5, 0), RGB(4, 0, 0));
}

TEST(BitBlt, LandsAtTheDestinationOriginInsideItsClip) {
    TestCanvas source(4, 4, RGB(9, 9, 9));
    auto surface = std::make_shared<gdi::Surface>(10, 10, kWhite);
    const HDC dest = gdi::CreateSurfaceDC(surface, POINT{2, 1}, gdi::Region(RECT{0, 0, 4, 10}), nullptr);
    ASSERT_TRUE(BitBlt(dest, 0, 0, 4, 4, source.dc(), 0, 0, SRCCOPY));
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            const bool copied = x >= 2 && x < 4 && y >= 1 && y < 5;
            EXPECT_EQ(surface->pixel(x, y), copied ? RGB(9, 9, 9) : kWhite) << x << "," << y;
        }
    }
    DeleteDC(dest);
}

TEST(StretchBlt, OneRowOntoTwoFromAnotherDc) {
    TestCanvas source(3, 1);
    TestCanvas target(3, 4);
    for (int x = 0; x < 3; ++x) {
        SetPixel(source.dc(), x, 0, RGB(0, 50 * x, 9));
    }
    ASSERT_TRUE(StretchBlt(target.dc(), 0, 1, 3, 2, source.dc(), 0, 0, 3, 1, SRCCOPY));
    for (int x = 0; x < 3; ++x) {
        EXPECT_EQ(target.at(x, 1), RGB(0, 50 * x, 9));
        EXPECT_EQ(target.at(x, 2), RGB(0, 50 * x, 9));
        EXPECT_EQ(target.at(x, 0), kWhite);
        EXPECT_EQ(target.at(x, 3), kWhite);
    }
}

// The popup frame covers its top margin this way: row 3 copied into rows 1 and 2 of the same DC.
TEST(StretchBlt, OneRowOntoTwoWithinTheSameDc) {
    TestCanvas canvas(6, 6);
    for (int x = 1; x < 6; ++x) {
        SetPixel(canvas.dc(), x, 3, RGB(x, 100, 0));
    }
    ASSERT_TRUE(StretchBlt(canvas.dc(), 1, 1, 5, 2, canvas.dc(), 1, 3, 5, 1, SRCCOPY));
    for (int x = 1; x < 6; ++x) {
        EXPECT_EQ(canvas.at(x, 1), RGB(x, 100, 0));
        EXPECT_EQ(canvas.at(x, 2), RGB(x, 100, 0));
        EXPECT_EQ(canvas.at(x, 3), RGB(x, 100, 0));
    }
    EXPECT_EQ(canvas.countNot(kWhite, 0, 0, 6, 1), 0);
    EXPECT_EQ(canvas.countNot(kWhite, 0, 0, 1, 6), 0);
}

TEST(StretchBlt, ShrinksByPickingSourcePixels) {
    TestCanvas source(4, 1);
    TestCanvas target(2, 1);
    for (int x = 0; x < 4; ++x) {
        SetPixel(source.dc(), x, 0, RGB(x, 0, 0));
    }
    StretchBlt(target.dc(), 0, 0, 2, 1, source.dc(), 0, 0, 4, 1, SRCCOPY);
    EXPECT_EQ(target.at(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(target.at(1, 0), RGB(2, 0, 0));
}

TEST(Blits, UnknownOperationsAndStaleDcsFail) {
    TestCanvas canvas(2, 2);
    EXPECT_FALSE(BitBlt(canvas.dc(), 0, 0, 1, 1, canvas.dc(), 0, 0, 0x00EE0086));
    EXPECT_FALSE(BitBlt(canvas.dc(), 0, 0, 1, 1, nullptr, 0, 0, SRCCOPY));
    EXPECT_FALSE(StretchBlt(canvas.dc(), 0, 0, -1, 1, canvas.dc(), 0, 0, 1, 1, SRCCOPY));
}

}  // namespace
