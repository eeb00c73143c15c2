#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "PngReader.h"
#include "platform/gdi/Surface.h"
#include "platform/gdi/SysColors.h"
#include "platform/present/PngWriter.h"
#include "tests/support/ScratchFolder.h"

using namespace win;

namespace {

TEST(PngDump, PixelsRoundTripAsRgb) {
    gdi::Surface surface(3, 2, RGB(1, 2, 3));
    surface.setPixel(0, 0, RGB(255, 0, 0));
    surface.setPixel(2, 1, RGB(0, 128, 255));
    const testsupport::ScratchFolder folder;
    const auto path = folder / "roundtrip.png";
    ASSERT_EQ(present::WritePng(surface, path.string()), "");
    presenttest::RgbImage image;
    ASSERT_TRUE(presenttest::ReadPng(path.string(), &image));
    EXPECT_EQ(image.width, 3);
    EXPECT_EQ(image.height, 2);
    EXPECT_EQ(image.colour(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(image.colour(1, 0), RGB(1, 2, 3));
    EXPECT_EQ(image.colour(2, 1), RGB(0, 128, 255));
}

TEST(PngDump, UnwritablePathReportsTheReason) {
    const std::string error = present::WritePng(gdi::Surface(1, 1), "/nonexistent-dir/x.png");
    EXPECT_NE(error.find("No such file or directory"), std::string::npos) << error;
}

// The demo program, run headless: its dump shows the desktop, the window with its shapes and the open popup menu,
// and the program ends by itself once it is written (the time-out only catches one that does not).
TEST(PngDump, DemoWindowDump) {
    const testsupport::ScratchFolder folder;
    const auto path = folder / "demo.png";
    const std::string command = "TRACKMILL_HEADLESS=1 timeout 30 '" TRACKMILL_BIN_DIR "/platform-demo' --png '" +
                                path.string() + "' > /dev/null";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0);
    presenttest::RgbImage image;
    ASSERT_TRUE(presenttest::ReadPng(path.string(), &image));
    EXPECT_EQ(image.width, 1024);
    EXPECT_EQ(image.height, 768);
    EXPECT_EQ(image.colour(5, 5), GetSysColor(COLOR_BACKGROUND));
    // Window at (60, 40) with a sizing frame (4), caption (19) and menu bar (19): client origin (64, 82). The yellow
    // rectangle fills client (21..119, 21..89).
    EXPECT_EQ(image.colour(64 + 70, 82 + 55), RGB(255, 220, 80));
    EXPECT_EQ(image.colour(64 + 2, 82 + 2), GetSysColor(COLOR_WINDOW));
    // The popup menu window at (320, 190): outer ring 3-D light, third ring the menu colour.
    EXPECT_EQ(image.colour(320, 200), GetSysColor(COLOR_3DLIGHT));
    EXPECT_EQ(image.colour(322, 200), GetSysColor(COLOR_MENU));
}

TEST(PngDump, TheDemoSaysSoWhenItCannotWriteItsPicture) {
    const int status = std::system("TRACKMILL_HEADLESS=1 timeout 30 '" TRACKMILL_BIN_DIR
                                   "/platform-demo' --png /nonexistent-dir/demo.png > /dev/null 2>&1");
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
}

}  // namespace
