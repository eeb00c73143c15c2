#pragma once
// Splitting text into lines, "&" prefix processing and character positions along a line.
#include <string>
#include <string_view>
#include <vector>

namespace gdi::detail {

class ScaledFont;

struct TextLine {
    std::u32string text;
    int underlined = -1;  // index of the character marked with "&", -1 for none
};

// Lines end at "\n" or "\r\n" unless singleLine. With prefixes, "&X" marks X (the last mark of a line wins)
// and
// "&&" is a literal "&"; a "&" at the end of a line is dropped.
std::vector<TextLine> SplitLines(std::u32string_view text, bool singleLine, bool prefixes);

// The pen position before each character and, last, the line's width. Control characters take no room; a tab
// moves to the next multiple of tabWidth when tabWidth > 0.
std::vector<int> CharacterOffsets(ScaledFont& font, std::u32string_view line, int tabWidth);

// The platform's average character width, which tab stops are counted in.
int AverageCharacterWidth(ScaledFont& font);

}  // namespace gdi::detail
