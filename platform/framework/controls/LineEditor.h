#pragma once
// Single-line text editing in UTF-8: the caret moves and deletes whole code points, and a selection runs from an
// anchor to the caret. Typing, pasting and deleting replace the selection when there is one.
#include <cstddef>
#include <string>

namespace framework {

class LineEditor {
  public:
    const std::string& Text() const { return text_; }
    // The caret goes to the end; nothing is selected.
    void SetText(const std::string& text);
    std::size_t Caret() const { return caret_; }
    // Moves the caret to the code point boundary at or before caret; nothing stays selected.
    void SetCaret(std::size_t caret) { MoveCaret(caret, false); }
    // With extend the anchor stays, so the selection grows or shrinks; without, the selection is dropped.
    void MoveCaret(std::size_t caret, bool extend);
    // Without extend a selection collapses to its start (Left) or end (Right) instead of moving past it.
    void Left(bool extend = false);
    void Right(bool extend = false);
    void Home(bool extend = false) { MoveCaret(0, extend); }
    void End(bool extend = false) { MoveCaret(text_.size(), extend); }

    bool HasSelection() const { return anchor_ != caret_; }
    std::size_t SelectionStart() const { return anchor_ < caret_ ? anchor_ : caret_; }
    std::size_t SelectionEnd() const { return anchor_ < caret_ ? caret_ : anchor_; }
    std::string SelectedText() const { return text_.substr(SelectionStart(), SelectionEnd() - SelectionStart()); }
    // Byte offsets, snapped to code point boundaries; the caret ends at end.
    void Select(std::size_t start, std::size_t end);
    void SelectAll() { Select(0, text_.size()); }
    // The run of characters other than blanks around the offset, as a double click takes it.
    void SelectWordAt(std::size_t offset);

    // False when nothing could be inserted: a control character, or more than maxLength code points (0: no limit).
    bool Insert(char32_t codePoint, std::size_t maxLength);
    // Pasted text: its first line, without control characters, as far as maxLength allows. False when nothing
    // changed.
    bool InsertText(const std::string& utf8, std::size_t maxLength);
    bool Backspace();
    bool Delete();
    // False when nothing was selected.
    bool DeleteSelection();
    static std::size_t CodePointCount(const std::string& text);

  private:
    std::size_t Boundary(std::size_t offset) const;

    std::string text_;
    std::size_t caret_ = 0;
    std::size_t anchor_ = 0;
};

}  // namespace framework
