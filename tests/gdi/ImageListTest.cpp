#include <gtest/gtest.h>

#include "TestCanvas.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/ImageList.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Surface.h"

namespace {

using namespace win;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kKey = RGB(255, 0, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kFrameworkNone = 0x1FFFFFFF;

// Two 3x2 images side by side: image 0 red with a key-coloured left column, image 1 all blue.
HBITMAP TwoImages() {
    gdi::Surface pixels(6, 2, kRed);
    for (int y = 0; y < 2; ++y) {
        pixels.setPixel(0, y, kKey);
        for (int x = 3; x < 6; ++x) {
            pixels.setPixel(x, y, kBlue);
        }
    }
    return gdi::CreateBitmap(pixels);
}

class ImageListTest : public testing::Test {
  protected:
    void SetUp() override {
        list = ImageList_Create(3, 2, ILC_MASK | ILC_COLOR32, 2, 1);
        const HBITMAP images = TwoImages();
        ASSERT_EQ(ImageList_AddMasked(list, images, kKey), 0);
        DeleteObject(images);
    }
    void TearDown() override { ImageList_Destroy(list); }
    HIMAGELIST list = nullptr;
};

TEST_F(ImageListTest, SizeAndCount) {
    EXPECT_EQ(ImageList_GetImageCount(list), 2);
    int width = 0;
    int height = 0;
    ASSERT_TRUE(ImageList_GetIconSize(list, &width, &height));
    EXPECT_EQ(width, 3);
    EXPECT_EQ(height, 2);
}

TEST_F(ImageListTest, TransparentDrawLeavesMaskedPixelsAndIgnoresNoColour) {
    TestCanvas canvas(8, 4, kWhite);
    ASSERT_TRUE(ImageList_DrawEx(list, 0, canvas.dc(), 1, 1, 0, 0, kFrameworkNone, kFrameworkNone, ILD_TRANSPARENT));
    EXPECT_EQ(canvas.at(1, 1), kWhite);
    EXPECT_EQ(canvas.at(1, 2), kWhite);
    EXPECT_EQ(canvas.countNot(kRed, 2, 1, 4, 3), 0);
    EXPECT_EQ(canvas.countNot(kWhite, 0, 0, 8, 4), 4);
}

TEST_F(ImageListTest, NormalDrawFillsMaskedPixelsWithTheBackground) {
    TestCanvas canvas(4, 2, kWhite);
    ImageList_DrawEx(list, 0, canvas.dc(), 0, 0, 0, 0, RGB(0, 255, 0), CLR_NONE, ILD_NORMAL);
    EXPECT_EQ(canvas.at(0, 0), RGB(0, 255, 0));
    EXPECT_EQ(canvas.at(1, 0), kRed);
    ImageList_DrawEx(list, 0, canvas.dc(), 1, 0, 0, 0, kFrameworkNone, kFrameworkNone, ILD_NORMAL);
    EXPECT_EQ(canvas.at(1, 0), kRed);  // "no colour" keeps what is underneath
}

TEST_F(ImageListTest, IndexOutOfRangeDrawsNothing) {
    TestCanvas canvas(4, 4, kWhite);
    EXPECT_FALSE(ImageList_DrawEx(list, 2, canvas.dc(), 0, 0, 0, 0, kFrameworkNone, kFrameworkNone, ILD_TRANSPARENT));
    EXPECT_FALSE(ImageList_DrawEx(list, -1, canvas.dc(), 0, 0, 0, 0, kFrameworkNone, kFrameworkNone, ILD_TRANSPARENT));
    EXPECT_EQ(canvas.countNot(kWhite, 0, 0, 4, 4), 0);
    ASSERT_TRUE(ImageList_DrawEx(list, 1, canvas.dc(), 0, 0, 2, 1, CLR_NONE, CLR_NONE, ILD_TRANSPARENT));
    EXPECT_EQ(canvas.countNot(kWhite, 0, 0, 4, 4), 2);  // the requested part only
}

TEST(ImageList, MaskBitmapMarksTransparentPixels) {
    const HIMAGELIST list = ImageList_Create(2, 1, ILC_MASK, 1, 1);
    const HBITMAP image = gdi::CreateBitmap(gdi::Surface(2, 1, kBlue));
    gdi::Surface maskPixels(2, 1, 0);
    maskPixels.setPixel(1, 0, kWhite);
    const HBITMAP mask = gdi::CreateBitmap(maskPixels);
    EXPECT_EQ(ImageList_Add(list, image, mask), 0);
    TestCanvas canvas(2, 1, kWhite);
    ImageList_DrawEx(list, 0, canvas.dc(), 0, 0, 0, 0, CLR_NONE, CLR_NONE, ILD_TRANSPARENT);
    EXPECT_EQ(canvas.at(0, 0), kBlue);
    EXPECT_EQ(canvas.at(1, 0), kWhite);
    // Without ILC_MASK every pixel is drawn.
    const HIMAGELIST opaque = ImageList_Create(2, 1, 0, 1, 1);
    ImageList_Add(opaque, image, mask);
    ImageList_DrawEx(opaque, 0, canvas.dc(), 0, 0, 0, 0, CLR_NONE, CLR_NONE, ILD_TRANSPARENT);
    EXPECT_EQ(canvas.at(1, 0), kBlue);
    EXPECT_EQ(ImageList_Add(opaque, nullptr, nullptr), -1);
    DeleteObject(image);
    DeleteObject(mask);
    ImageList_Destroy(list);
    ImageList_Destroy(opaque);
    EXPECT_FALSE(ImageList_Destroy(opaque));
    EXPECT_EQ(ImageList_GetImageCount(opaque), 0);
}

}  // namespace
