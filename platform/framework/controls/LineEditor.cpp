#include "platform/framework/controls/LineEditor.h"

#include <algorithm>

namespace framework {

namespace {

bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

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

}  // namespace

void LineEditor::SetText(const std::string& text) {
    text_ = text;
    caret_ = text_.size();
}

void LineEditor::SetCaret(std::size_t caret) {
    caret_ = std::min(caret, text_.size());
    while (caret_ > 0 && caret_ < text_.size() && IsContinuation(text_[caret_])) --caret_;
}

std::size_t LineEditor::CodePointCount(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) { return !IsContinuation(c); }));
}

bool LineEditor::Insert(char32_t codePoint, std::size_t maxLength) {
    if (codePoint < 0x20 || codePoint == 0x7F || (codePoint >= 0xD800 && codePoint < 0xE000)) return false;
    if (maxLength > 0 && CodePointCount(text_) >= maxLength) return false;
    const std::string bytes = Encode(codePoint);
    if (bytes.empty()) return false;
    text_.insert(caret_, bytes);
    caret_ += bytes.size();
    return true;
}

bool LineEditor::Backspace() {
    if (caret_ == 0) return false;
    std::size_t start = caret_ - 1;
    while (start > 0 && IsContinuation(text_[start])) --start;
    text_.erase(start, caret_ - start);
    caret_ = start;
    return true;
}

bool LineEditor::Delete() {
    if (caret_ >= text_.size()) return false;
    std::size_t end = caret_ + 1;
    while (end < text_.size() && IsContinuation(text_[end])) ++end;
    text_.erase(caret_, end - caret_);
    return true;
}

void LineEditor::Left() {
    if (caret_ == 0) return;
    --caret_;
    while (caret_ > 0 && IsContinuation(text_[caret_])) --caret_;
}

void LineEditor::Right() {
    if (caret_ >= text_.size()) return;
    ++caret_;
    while (caret_ < text_.size() && IsContinuation(text_[caret_])) ++caret_;
}

}  // namespace framework
