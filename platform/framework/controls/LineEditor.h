#pragma once
// Single-line text editing in UTF-8: the caret moves and deletes whole code points.
#include <cstddef>
#include <string>

namespace framework {

class LineEditor {
  public:
    const std::string& Text() const { return text_; }
    // The caret goes to the end.
    void SetText(const std::string& text);
    std::size_t Caret() const { return caret_; }
    void SetCaret(std::size_t caret);
    // False when it would exceed maxLength code points (0: no limit).
    bool Insert(char32_t codePoint, std::size_t maxLength);
    bool Backspace();
    bool Delete();
    void Left();
    void Right();
    void Home() { caret_ = 0; }
    void End() { caret_ = text_.size(); }
    static std::size_t CodePointCount(const std::string& text);

  private:
    std::string text_;
    std::size_t caret_ = 0;
};

}  // namespace framework
