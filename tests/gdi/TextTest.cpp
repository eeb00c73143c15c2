#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "TestCanvas.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Surface.h"
#include "platform/gdi/Text.h"

// Expected positions come from the layer's own measurement; pictures are compared with text put down by
// TextOut at the position worked out here, so no test looks inside a glyph.
namespace {

using namespace win;

constexpr COLORREF kWhite = RGB(255, 255, 255);

HFONT MakeFont(const char* face, int height, LONG weight = FW_NORMAL) {
    LOGFONT logfont;
    logfont.lfHeight = height;
    logfont.lfWeight = weight;
    std::strncpy(logfont.lfFaceName, face, LF_FACESIZE - 1);
    return CreateFontIndirect(&logfont);
}

// A canvas with a font selected and transparent black text.
class TextCanvas : public TestCanvas {
  public:
    TextCanvas(int width, int height, const char* face = "Tahoma", int fontHeight = -11)
        : TestCanvas(width, height), font_(MakeFont(face, fontHeight)), previous_(SelectObject(dc(), font_)) {
        SetBkMode(dc(), TRANSPARENT);
    }
    ~TextCanvas() {
        SelectObject(dc(), previous_);
        DeleteObject(font_);
    }
    SIZE extent(const char* text) const {
        SIZE size{};
        GetTextExtentPoint32(dc(), text, -1, &size);
        return size;
    }
    bool samePixels(const TextCanvas& other) const {
        return surface().pixels().size() == other.surface().pixels().size() &&
               std::equal(surface().pixels().begin(), surface().pixels().end(), other.surface().pixels().begin());
    }

  private:
    HFONT font_;
    HGDIOBJ previous_;
};

TEST(TextExtent, GrowsWithTheTextAndIsEmptyForNothing) {
    TextCanvas canvas(10, 10);
    const SIZE one = canvas.extent("W");
    const SIZE two = canvas.extent("WW");
    EXPECT_GT(one.cx, 0);
    EXPECT_GT(one.cy, 0);
    EXPECT_EQ(two.cx, 2 * one.cx);
    EXPECT_EQ(two.cy, one.cy);
    EXPECT_EQ(canvas.extent("").cx, 0);
}

TEST(TextExtent, MalformedUtf8CountsOneReplacementPerBadByte) {
    TextCanvas canvas(10, 10);
    const int replacement = canvas.extent("\xEF\xBF\xBD").cx;  // U+FFFD
    ASSERT_GT(replacement, 0);
    EXPECT_EQ(canvas.extent("\xFF").cx, replacement);
    EXPECT_EQ(canvas.extent("\xC3").cx, replacement);              // cut-off sequence at the end
    EXPECT_EQ(canvas.extent("\xE4\xB8").cx, 2 * replacement);      // two bytes of a three-byte sequence
    EXPECT_EQ(canvas.extent("\xC0\xAF").cx, 2 * replacement);      // overlong "/"
    EXPECT_EQ(canvas.extent("\xED\xA0\x80").cx, 3 * replacement);  // a lone surrogate
}

TEST(TextOut, InkStaysInsideTheMeasuredCell) {
    TextCanvas canvas(100, 40);
    const SIZE size = canvas.extent("Hello");
    TextOut(canvas.dc(), 10, 10, "Hello", -1);
    EXPECT_GT(canvas.countNot(kWhite, 10, 10, 10 + size.cx, 10 + size.cy), 0);
    EXPECT_EQ(canvas.countNot(kWhite, 0, 0, 100, 40) - canvas.countNot(kWhite, 10, 10, 10 + size.cx, 10 + size.cy), 0);
}

TEST(TextOut, OpaqueModeFillsTheCellWithTheBackgroundColour) {
    TextCanvas canvas(60, 30);
    SetBkMode(canvas.dc(), OPAQUE);
    SetBkColor(canvas.dc(), RGB(0, 255, 0));
    SetTextColor(canvas.dc(), RGB(0, 0, 255));
    const SIZE size = canvas.extent("Ab");
    TextOut(canvas.dc(), 5, 6, "Ab", 2);
    // Corners of the cell are background: no glyph reaches the cell's top-left and top-right pixels.
    EXPECT_EQ(canvas.at(5, 6), RGB(0, 255, 0));
    EXPECT_EQ(canvas.at(5 + size.cx - 1, 6), RGB(0, 255, 0));
    EXPECT_EQ(canvas.at(5 + size.cx, 6), kWhite);
    EXPECT_EQ(canvas.at(5, 6 + size.cy), kWhite);
    EXPECT_EQ(canvas.countNot(kWhite, 0, 0, 60, 30), size.cx * size.cy);
}

TEST(DrawText, CalcRectMeasuresWithoutDrawing) {
    TextCanvas canvas(100, 60);
    const SIZE line = canvas.extent("abc");
    const SIZE wide = canvas.extent("abcdef");
    RECT r{4, 5, 6, 7};
    const int height = DrawText(canvas.dc(), "abc\nabcdef", -1, &r, DT_CALCRECT);
    EXPECT_EQ(height, 2 * line.cy);
    EXPECT_EQ(r.left, 4);
    EXPECT_EQ(r.top, 5);
    EXPECT_EQ(r.right, 4 + wide.cx);
    EXPECT_EQ(r.bottom, 5 + 2 * line.cy);
    EXPECT_EQ(canvas.countNot(kWhite, 0, 0, 100, 60), 0);
    RECT single{0, 0, 0, 0};
    DrawText(canvas.dc(), "abc\nabcdef", -1, &single, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(single.bottom, line.cy);
    EXPECT_EQ(single.right, canvas.extent("abcabcdef").cx);
    for (const char* nothing : {"", "&"}) {
        RECT empty{3, 4, 50, 50};
        EXPECT_EQ(DrawText(canvas.dc(), nothing, -1, &empty, DT_CALCRECT), 0) << nothing;
        EXPECT_EQ(empty.right, 3);
        EXPECT_EQ(empty.bottom, 4);
    }
    RECT twoEmpty{0, 0, 0, 0};
    EXPECT_EQ(DrawText(canvas.dc(), "\n", -1, &twoEmpty, DT_CALCRECT), 2 * line.cy);
}

TEST(DrawText, AlignmentFlagsPlaceTheLineLikeTextOut) {
    struct Case {
        UINT format;
        int expectX;  // filled below from the measured width
        int expectY;
    };
    const RECT frame{10, 8, 110, 48};
    TextCanvas probe(1, 1);
    const SIZE size = probe.extent("Menu");
    const Case cases[] = {
        {DT_LEFT, 10, 8},
        {DT_CENTER, 10 + (100 - size.cx) / 2, 8},
        {DT_RIGHT, 110 - size.cx, 8},
        {DT_SINGLELINE | DT_VCENTER, 10, 8 + (40 - size.cy) / 2},
        {DT_SINGLELINE | DT_BOTTOM | DT_RIGHT, 110 - size.cx, 48 - size.cy},
        {DT_VCENTER, 10, 8},  // without DT_SINGLELINE vertical centring does nothing
        {DT_CENTER | DT_RTLREADING, 10 + (100 - size.cx) / 2, 8},
    };
    for (const Case& c : cases) {
        TextCanvas drawn(120, 60);
        TextCanvas expected(120, 60);
        RECT r = frame;
        DrawText(drawn.dc(), "Menu", -1, &r, c.format);
        TextOut(expected.dc(), c.expectX, c.expectY, "Menu", 4);
        EXPECT_TRUE(drawn.samePixels(expected)) << "format " << c.format;
        EXPECT_GT(drawn.countNot(kWhite, 0, 0, 120, 60), 0);
    }
}

TEST(DrawText, LinesStackByTheLineHeight) {
    TextCanvas drawn(80, 60);
    TextCanvas expected(80, 60);
    const SIZE size = drawn.extent("x");
    RECT r{0, 0, 80, 60};
    EXPECT_EQ(DrawText(drawn.dc(), "one\r\ntwo", -1, &r, DT_LEFT), 2 * size.cy);
    TextOut(expected.dc(), 0, 0, "one", 3);
    TextOut(expected.dc(), 0, size.cy, "two", 3);
    EXPECT_TRUE(drawn.samePixels(expected));
}

TEST(DrawText, ExpandTabsToEightAverageCharacters) {
    TextCanvas drawn(200, 30);
    TextCanvas expected(200, 30);
    const int tab = 8 * drawn.extent("x").cx;
    RECT r{0, 0, 200, 30};
    DrawText(drawn.dc(), "a\tb", -1, &r, DT_EXPANDTABS | DT_SINGLELINE);
    TextOut(expected.dc(), 0, 0, "a", 1);
    TextOut(expected.dc(), tab, 0, "b", 1);
    EXPECT_TRUE(drawn.samePixels(expected));

    TextCanvas custom(200, 30);
    TextCanvas customExpected(200, 30);
    DRAWTEXTPARAMS params;
    params.iTabLength = 3;
    r = {0, 0, 200, 30};
    DrawTextEx(custom.dc(), "a\tb", -1, &r, DT_EXPANDTABS | DT_SINGLELINE, &params);
    TextOut(customExpected.dc(), 0, 0, "a", 1);
    TextOut(customExpected.dc(), 3 * drawn.extent("x").cx, 0, "b", 1);
    EXPECT_TRUE(custom.samePixels(customExpected));
    EXPECT_EQ(params.uiLengthDrawn, 3u);
}

TEST(DrawText, DoubleAmpersandIsALiteralAmpersand) {
    TextCanvas drawn(100, 30);
    TextCanvas expected(100, 30);
    RECT r{0, 0, 100, 30};
    DrawText(drawn.dc(), "A&&B", -1, &r, DT_SINGLELINE);
    TextOut(expected.dc(), 0, 0, "A&B", 3);
    EXPECT_TRUE(drawn.samePixels(expected));
    RECT calc{0, 0, 0, 0};
    DrawText(drawn.dc(), "A&&B", -1, &calc, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(calc.right, drawn.extent("A&B").cx);
}

TEST(DrawText, PrefixUnderlinesOnlyTheMarkedCharacter) {
    TextCanvas drawn(100, 30);
    TextCanvas expected(100, 30);
    RECT r{3, 2, 100, 30};
    DrawText(drawn.dc(), "O&pen", -1, &r, DT_SINGLELINE);
    TextOut(expected.dc(), 3, 2, "Open", 4);
    const int from = 3 + drawn.extent("O").cx;
    const int to = 3 + drawn.extent("Op").cx;
    const int cellBottom = 2 + drawn.extent("O").cy;
    // Every changed pixel lies on one row, under "p", inside the cell; the whole width under "p" is marked.
    int row = -1;
    int changed = 0;
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 100; ++x) {
            if (drawn.at(x, y) == expected.at(x, y)) {
                continue;
            }
            ++changed;
            EXPECT_GE(x, from);
            EXPECT_LT(x, to);
            EXPECT_TRUE(row == -1 || row == y);
            row = y;
        }
    }
    ASSERT_NE(row, -1);
    EXPECT_LT(row, cellBottom);
    for (int x = from; x < to; ++x) {
        EXPECT_EQ(drawn.at(x, row), RGB(0, 0, 0)) << x;
    }
    EXPECT_LE(changed, to - from);

    TextCanvas plain(100, 30);
    RECT p{3, 2, 100, 30};
    DrawText(plain.dc(), "O&pen", -1, &p, DT_SINGLELINE | DT_NOPREFIX);
    TextCanvas literal(100, 30);
    TextOut(literal.dc(), 3, 2, "O&pen", 5);
    EXPECT_TRUE(plain.samePixels(literal));
}

TEST(DrawText, OutputIsClippedToTheRectangle) {
    TextCanvas canvas(100, 30);
    RECT r{10, 5, 20, 12};
    DrawText(canvas.dc(), "WWWWWWWW", -1, &r, DT_LEFT);
    EXPECT_GT(canvas.countNot(kWhite, 10, 5, 20, 12), 0);
    EXPECT_EQ(canvas.countNot(kWhite, 0, 0, 100, 30) - canvas.countNot(kWhite, 10, 5, 20, 12), 0);
}

TEST(Fonts, ChineseTextRendersWithTheCjkFace) {
    TextCanvas canvas(80, 30, "宋体", -12);
    const SIZE one = canvas.extent("中");
    // Ideographs are square: one em per character.
    EXPECT_EQ(one.cx, 12);
    EXPECT_EQ(canvas.extent("中文").cx, 24);
    TextOut(canvas.dc(), 0, 0, "中", -1);
    TextOut(canvas.dc(), 40, 0, "文", -1);
    const int first = canvas.countNot(kWhite, 0, 0, 20, 30);
    EXPECT_GT(first, 10);
    EXPECT_GT(canvas.countNot(kWhite, 40, 0, 60, 30), 10);
    // Two different characters, not the same missing-glyph box twice.
    bool differ = false;
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 20; ++x) {
            differ = differ || canvas.at(x, y) != canvas.at(40 + x, y);
        }
    }
    EXPECT_TRUE(differ);
}

TEST(Fonts, ApplicationFaceNamesMapToInstalledFaces) {
    const auto render = [](const char* face, const char* text) {
        TextCanvas canvas(120, 30, face, -12);
        TextOut(canvas.dc(), 0, 0, text, -1);
        return std::vector<std::uint32_t>(canvas.surface().pixels().begin(), canvas.surface().pixels().end());
    };
    EXPECT_EQ(render("宋体", "中文 abc"), render("WenQuanYi Zen Hei", "中文 abc"));
    EXPECT_EQ(render("SimSun", "中文 abc"), render("WenQuanYi Zen Hei", "中文 abc"));
    EXPECT_EQ(render("Tahoma", "Options"), render("DejaVu Sans", "Options"));
    EXPECT_EQ(render("MS Sans Serif", "Options"), render("DejaVu Sans", "Options"));
    // A Latin face falls back to the CJK face for Chinese characters.
    EXPECT_EQ(render("Tahoma", "中"), render("宋体", "中"));
}

TEST(Fonts, NegativeHeightIsCharacterHeightPositiveIsCellHeight) {
    TextCanvas cell(10, 10, "DejaVu Sans", 20);
    TextCanvas character(10, 10, "DejaVu Sans", -20);
    const int cellHeight = cell.extent("W").cy;
    EXPECT_GE(cellHeight, 19);
    EXPECT_LE(cellHeight, 21);
    EXPECT_GT(character.extent("W").cy, cellHeight);
}

TEST(Fonts, BoldIsWider) {
    TextCanvas normal(10, 10, "DejaVu Sans", -12);
    const HFONT bold = MakeFont("DejaVu Sans", -12, FW_BOLD);
    TestCanvas canvas(10, 10);
    const HGDIOBJ old = SelectObject(canvas.dc(), bold);
    SIZE size{};
    GetTextExtentPoint32(canvas.dc(), "Options", -1, &size);
    EXPECT_GT(size.cx, normal.extent("Options").cx);
    SelectObject(canvas.dc(), old);
    DeleteObject(bold);
}

}  // namespace
