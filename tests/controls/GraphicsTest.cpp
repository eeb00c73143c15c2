// Fonts, bitmaps, shortcuts and single-line editing: the small pieces the controls are built from.
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "platform/framework/ControlTypes.h"
#include "platform/framework/Exception.h"
#include "platform/framework/ShortCut.h"
#include "platform/framework/controls/LineEditor.h"
#include "platform/framework/graphics/Bitmap.h"
#include "platform/framework/graphics/Canvas.h"
#include "platform/framework/graphics/Font.h"
#include "platform/testing/Settings.h"
#include "platform/user/Messages.h"

using namespace framework;

TEST(FontTest, PointSizesFollowThePixelsPerInch) {
    testdriver::ScopedSettings settings;
    TFont font;
    font.SetSize(9);
    EXPECT_EQ(font.Height(), -12);  // 9 pt * 96 / 72 = 12 px
    EXPECT_EQ(font.Size(), 9);
    testdriver::SetDpi(120);
    font.SetSize(9);
    EXPECT_EQ(font.Height(), -15);  // 9 * 120 / 72 = 15 px
    font.SetHeight(-11);
    EXPECT_EQ(font.Size(), 7);  // 11 * 72 / 120 = 6.6, rounded
}

TEST(ShortCutTest, TextNamesTheModifiersAndTheKey) {
    EXPECT_EQ(ShortCutToText(ShortCut('O', ssCtrl)), "Ctrl+O");
    EXPECT_EQ(ShortCutToText(ShortCut(win::VK_F1, 0)), "F1");
    EXPECT_EQ(ShortCutToText(ShortCut(win::VK_F1 + 11, ssShift | ssCtrl)), "Shift+Ctrl+F12");
    EXPECT_EQ(ShortCutToText(ShortCut(win::VK_DELETE, ssAlt)), "Alt+Del");
    EXPECT_EQ(ShortCut('A', ssCtrl), 0x4041);
}

TEST(BitmapTest, TransparentDrawingLeavesTheKeyColourOut) {
    TBitmap glyph;
    glyph.SetSize(4, 4);
    glyph.Canvas().Brush().SetColor(clFuchsia);
    glyph.Canvas().FillRect(win::RECT{0, 0, 4, 4});
    glyph.Canvas().SetPixel(1, 1, clRed);
    glyph.SetTransparent(true);
    EXPECT_EQ(glyph.TransparentColor(), static_cast<TColor>(clFuchsia)) << "the bottom-left pixel's colour";

    TBitmap target;
    target.SetSize(4, 4);
    target.Canvas().Brush().SetColor(clGreen);
    target.Canvas().FillRect(win::RECT{0, 0, 4, 4});
    target.Canvas().Draw(0, 0, glyph);
    EXPECT_EQ(target.Canvas().Pixel(1, 1), static_cast<TColor>(clRed));
    EXPECT_EQ(target.Canvas().Pixel(0, 0), static_cast<TColor>(clGreen));
    glyph.SetTransparent(false);
    target.Canvas().Draw(0, 0, glyph);
    EXPECT_EQ(target.Canvas().Pixel(0, 0), static_cast<TColor>(clFuchsia));
}

TEST(BitmapTest, AFileThatIsNoPictureRaisesWithItsName) {
    const std::string path = ::testing::TempDir() + "/not-a-picture.bmp";
    std::ofstream(path) << "BM but nothing after";
    TBitmap bitmap;
    try {
        bitmap.LoadFromFile(path);
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_NE(e.Message().find(path), std::string::npos);
    }
    EXPECT_THROW(bitmap.LoadFromFile(path + ".missing"), Exception);
    EXPECT_TRUE(bitmap.Empty());
}

TEST(LineEditorTest, EditsWholeCodePoints) {
    LineEditor editor;
    editor.SetText("a中b");
    editor.Left();
    EXPECT_EQ(editor.Caret(), 4u) << "before b, after the three bytes of 中";
    EXPECT_TRUE(editor.Backspace());
    EXPECT_EQ(editor.Text(), "ab");
    EXPECT_EQ(editor.Caret(), 1u);
    EXPECT_TRUE(editor.Insert(U'文', 0));
    EXPECT_EQ(editor.Text(), "a文b");
    EXPECT_TRUE(editor.Delete());
    EXPECT_EQ(editor.Text(), "a文");
    EXPECT_FALSE(editor.Delete());
    editor.Home();
    EXPECT_FALSE(editor.Backspace());
}

TEST(LineEditorTest, RejectsControlCharactersSurrogatesAndTextBeyondTheLimit) {
    LineEditor editor;
    EXPECT_FALSE(editor.Insert(U'\t', 0));
    EXPECT_FALSE(editor.Insert(0xD800, 0));
    EXPECT_FALSE(editor.Insert(0x110000, 0));
    EXPECT_TRUE(editor.Insert(U'1', 2));
    EXPECT_TRUE(editor.Insert(U'二', 2));
    EXPECT_FALSE(editor.Insert(U'3', 2));
    EXPECT_EQ(LineEditor::CodePointCount(editor.Text()), 2u);
    editor.SetCaret(2);
    EXPECT_EQ(editor.Caret(), 1u) << "a caret inside a code point moves to its start";
}
