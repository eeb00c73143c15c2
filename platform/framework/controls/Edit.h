#pragma once
// A single-line edit. Its border is native: sunken with the 3-D look, one black line without, none at all with
// BorderStyle bsNone; changing either changes the frame in place. OnChange runs whenever the text changes.
// Text is selected with the mouse (press and drag, Shift+click, a double click takes a word) and with Shift and
// the arrow, Home and End keys; Ctrl+A selects all. Ctrl+C or Ctrl+Insert copy, Ctrl+X or Shift+Delete cut,
// Ctrl+V or Shift+Insert paste, through the clipboard. Text longer than the edit scrolls to keep the caret seen.
#include <string>

#include "platform/framework/controls/LineEditor.h"
#include "platform/framework/controls/WinControl.h"

namespace framework {

class TCustomEdit : public TWinControl {
  public:
    explicit TCustomEdit(TComponent* owner);

    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style);
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int length) { maxLength_ = length; }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
    bool Modified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }
    // Byte offsets into the UTF-8 text. Setting the start drops the selection and puts the caret there.
    int SelStart() const { return static_cast<int>(editor_.SelectionStart()); }
    void SetSelStart(int start);
    int SelLength() const { return static_cast<int>(editor_.SelectionEnd() - editor_.SelectionStart()); }
    void SetSelLength(int length);
    std::string SelText() const { return editor_.SelectedText(); }
    void SelectAll();
    bool WantsCharacters() const override { return true; }
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();

    TNotifyEvent OnChange;

  protected:
    void WndProc(TMessage& message) override;
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void KeyDown(int& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    bool FocusOnClick() const override { return true; }
    // Whether the user may type this character; a mask edit or a number edit narrows it.
    virtual bool Accepts(char32_t key) const;
    virtual void Change();
    // Text typed by the user; the control's caption follows it.
    void UserEdited();

    LineEditor editor_;

  private:
    // The text offset nearest to a client x.
    std::size_t OffsetAt(int x);
    // Where a text offset is drawn: its advance from the text's start.
    int AdvanceOf(win::HDC dc, std::size_t offset) const;
    void EditByUser(bool changed);

    TBorderStyle borderStyle_ = bsSingle;
    // How far the text is scrolled to the left so that the caret stays inside the edit.
    int scrollX_ = 0;
    int maxLength_ = 0;
    bool readOnly_ = false;
    bool modified_ = false;
    bool syncing_ = false;
};

class TEdit : public TCustomEdit {
  public:
    using TCustomEdit::TCustomEdit;
};

}  // namespace framework
