#include "platform/gdi/SurfaceScaling.h"

#include <gtest/gtest.h>

namespace {

using namespace win;

constexpr COLORREF kKey = RGB(255, 0, 255);

TEST(ScaledSurface, DoublingRepeatsEveryPixel) {
    gdi::Surface source(2, 1);
    source.setPixel(0, 0, RGB(10, 20, 30));
    source.setPixel(1, 0, RGB(200, 100, 50));
    const gdi::Surface scaled = gdi::ScaledSurface(source, RECT{0, 0, 2, 1}, 4, 2);
    for (int y = 0; y < 2; ++y) {
        EXPECT_EQ(scaled.pixel(0, y), RGB(10, 20, 30));
        EXPECT_EQ(scaled.pixel(1, y), RGB(10, 20, 30));
        EXPECT_EQ(scaled.pixel(2, y), RGB(200, 100, 50));
        EXPECT_EQ(scaled.pixel(3, y), RGB(200, 100, 50));
    }
}

// At one and a half times, the middle new pixel lies half over each old one.
TEST(ScaledSurface, APixelBetweenTwoAveragesThem) {
    gdi::Surface source(2, 1);
    source.setPixel(0, 0, RGB(0, 0, 0));
    source.setPixel(1, 0, RGB(200, 100, 50));
    const gdi::Surface scaled = gdi::ScaledSurface(source, RECT{0, 0, 2, 1}, 3, 1);
    EXPECT_EQ(scaled.pixel(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(scaled.pixel(1, 0), RGB(100, 50, 25));
    EXPECT_EQ(scaled.pixel(2, 0), RGB(200, 100, 50));
}

TEST(ScaledSurface, KeyPixelsStayOutOfTheAverages) {
    gdi::Surface source(2, 1);
    source.setPixel(0, 0, kKey);
    source.setPixel(1, 0, RGB(200, 100, 50));
    const gdi::Surface scaled = gdi::ScaledSurface(source, RECT{0, 0, 2, 1}, 3, 1, kKey);
    EXPECT_EQ(scaled.pixel(0, 0), kKey);
    EXPECT_EQ(scaled.pixel(1, 0), RGB(200, 100, 50)) << "half over the key: opaque, untinted";
    EXPECT_EQ(scaled.pixel(2, 0), RGB(200, 100, 50));

    gdi::Surface mostlyKey(4, 1, kKey);
    mostlyKey.setPixel(3, 0, RGB(1, 2, 3));
    EXPECT_EQ(gdi::ScaledSurface(mostlyKey, RECT{0, 0, 4, 1}, 1, 1, kKey).pixel(0, 0), kKey);
}

TEST(ScaledSurface, OnlyThePartIsScaled) {
    gdi::Surface source(4, 1, RGB(9, 9, 9));
    source.setPixel(2, 0, RGB(50, 60, 70));
    source.setPixel(3, 0, RGB(50, 60, 70));
    const gdi::Surface scaled = gdi::ScaledSurface(source, RECT{2, 0, 4, 1}, 3, 2);
    for (int x = 0; x < 3; ++x) EXPECT_EQ(scaled.pixel(x, 1), RGB(50, 60, 70));
}

}  // namespace
