#include "platform/framework/controls/LineEditor.h"

#include <algorithm>

namespace framework {

namespace {

bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string Encode(char32_t cp) {
    std::string out;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x110000) {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return out;
}

bool Typeable(char32_t cp) { return cp >= 0x20 && cp != 0x7F && !(cp >= 0xD800 && cp < 0xE000) && cp < 0x110000; }

// The code point starting at text[at] and its length; length 0 for a broken sequence.
char32_t DecodeAt(const std::string& text, std::size_t at, std::size_t& length) {
    const auto lead = static_cast<unsigned char>(text[at]);
    length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || at + length > text.size()) {
        length = 0;
        return 0;
    }
    char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if (!IsContinuation(text[at + i])) {
            length = 0;
            return 0;
        }
        cp = (cp << 6) | (static_cast<unsigned char>(text[at + i]) & 0x3F);
    }
    return cp;
}

}  // namespace

std::size_t LineEditor::Boundary(std::size_t offset) const {
    offset = std::min(offset, text_.size());
    while (offset > 0 && offset < text_.size() && IsContinuation(text_[offset])) --offset;
    return offset;
}

void LineEditor::SetText(const std::string& text) {
    text_ = text;
    caret_ = anchor_ = text_.size();
}

void LineEditor::MoveCaret(std::size_t caret, bool extend) {
    caret_ = Boundary(caret);
    if (!extend) anchor_ = caret_;
}

void LineEditor::Left(bool extend) {
    if (HasSelection() && !extend) {
        MoveCaret(SelectionStart(), false);
        return;
    }
    std::size_t to = caret_;
    if (to > 0) --to;
    while (to > 0 && IsContinuation(text_[to])) --to;
    MoveCaret(to, extend);
}

void LineEditor::Right(bool extend) {
    if (HasSelection() && !extend) {
        MoveCaret(SelectionEnd(), false);
        return;
    }
    std::size_t to = caret_;
    if (to < text_.size()) ++to;
    while (to < text_.size() && IsContinuation(text_[to])) ++to;
    MoveCaret(to, extend);
}

void LineEditor::Select(std::size_t start, std::size_t end) {
    anchor_ = Boundary(start);
    caret_ = Boundary(end);
}

void LineEditor::SelectWordAt(std::size_t offset) {
    offset = Boundary(offset);
    std::size_t start = offset;
    std::size_t end = offset;
    const bool blank = offset < text_.size() && IsBlank(text_[offset]);
    while (start > 0 && IsBlank(text_[start - 1]) == blank) --start;
    while (end < text_.size() && IsBlank(text_[end]) == blank) ++end;
    Select(start, end);
}

std::size_t LineEditor::CodePointCount(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) { return !IsContinuation(c); }));
}

bool LineEditor::DeleteSelection() {
    if (!HasSelection()) return false;
    const std::size_t start = SelectionStart();
    text_.erase(start, SelectionEnd() - start);
    caret_ = anchor_ = start;
    return true;
}

bool LineEditor::Insert(char32_t codePoint, std::size_t maxLength) {
    if (!Typeable(codePoint)) return false;
    const std::size_t kept = CodePointCount(text_) - CodePointCount(SelectedText());
    if (maxLength > 0 && kept >= maxLength) return false;
    DeleteSelection();
    const std::string bytes = Encode(codePoint);
    text_.insert(caret_, bytes);
    caret_ += bytes.size();
    anchor_ = caret_;
    return true;
}

bool LineEditor::InsertText(const std::string& utf8, std::size_t maxLength) {
    std::size_t room = std::string::npos;
    if (maxLength > 0) {
        const std::size_t kept = CodePointCount(text_) - CodePointCount(SelectedText());
        room = kept >= maxLength ? 0 : maxLength - kept;
    }
    std::string insert;
    for (std::size_t at = 0, length = 0; at < utf8.size() && room > 0; at += std::max<std::size_t>(length, 1)) {
        const char32_t cp = DecodeAt(utf8, at, length);
        if (cp == '\r' || cp == '\n') break;
        if (length == 0 || !Typeable(cp)) continue;
        insert.append(utf8, at, length);
        if (room != std::string::npos) --room;
    }
    if (insert.empty()) return DeleteSelection();
    DeleteSelection();
    text_.insert(caret_, insert);
    caret_ += insert.size();
    anchor_ = caret_;
    return true;
}

bool LineEditor::Backspace() {
    if (DeleteSelection()) return true;
    if (caret_ == 0) return false;
    std::size_t start = caret_ - 1;
    while (start > 0 && IsContinuation(text_[start])) --start;
    text_.erase(start, caret_ - start);
    caret_ = anchor_ = start;
    return true;
}

bool LineEditor::Delete() {
    if (DeleteSelection()) return true;
    if (caret_ >= text_.size()) return false;
    std::size_t end = caret_ + 1;
    while (end < text_.size() && IsContinuation(text_[end])) ++end;
    text_.erase(caret_, end - caret_);
    return true;
}

}  // namespace framework
