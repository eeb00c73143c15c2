#include "platform/gdi/detail/TextLayout.h"

#include "platform/gdi/detail/FontEngine.h"

namespace gdi::detail {
namespace {

TextLine StripPrefixes(std::u32string_view raw) {
    TextLine line;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] != U'&') {
            line.text.push_back(raw[i]);
            continue;
        }
        if (i + 1 == raw.size()) {
            break;
        }
        ++i;
        if (raw[i] != U'&') {
            line.underlined = int(line.text.size());
        }
        line.text.push_back(raw[i]);
    }
    return line;
}

}  // namespace

std::vector<TextLine> SplitLines(std::u32string_view text, bool singleLine, bool prefixes) {
    std::vector<std::u32string_view> pieces;
    if (singleLine) {
        pieces.push_back(text);
    } else {
        std::size_t start = 0;
        for (std::size_t i = 0; i <= text.size(); ++i) {
            if (i == text.size() || text[i] == U'\n') {
                std::size_t end = i;
                if (end > start && text[end - 1] == U'\r') {
                    --end;
                }
                pieces.push_back(text.substr(start, end - start));
                start = i + 1;
            }
        }
    }
    std::vector<TextLine> lines;
    for (std::u32string_view piece : pieces) {
        lines.push_back(prefixes ? StripPrefixes(piece) : TextLine{std::u32string(piece), -1});
    }
    return lines;
}

std::vector<int> CharacterOffsets(ScaledFont& font, std::u32string_view line, int tabWidth) {
    std::vector<int> offsets;
    offsets.reserve(line.size() + 1);
    int x = 0;
    for (char32_t character : line) {
        offsets.push_back(x);
        if (character == U'\t' && tabWidth > 0) {
            x = (x / tabWidth + 1) * tabWidth;
        } else if (character >= 0x20) {
            x += font.glyph(character).advance;
        }
    }
    offsets.push_back(x);
    return offsets;
}

int AverageCharacterWidth(ScaledFont& font) { return font.glyph(U'x').advance; }

}  // namespace gdi::detail
