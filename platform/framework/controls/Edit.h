#pragma once
// A single-line edit. Its border is native: sunken with the 3-D look, one black line without, none at all with
// BorderStyle bsNone; changing either changes the frame in place. OnChange runs whenever the text changes.
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
    int SelStart() const { return static_cast<int>(editor_.Caret()); }
    void SetSelStart(int start) { editor_.SetCaret(static_cast<std::size_t>(std::max(start, 0))); }

    TNotifyEvent OnChange;

  protected:
    void WndProc(TMessage& message) override;
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void KeyDown(int& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    bool FocusOnClick() const override { return true; }
    // Whether the user may type this character; a mask edit or a number edit narrows it.
    virtual bool Accepts(char32_t key) const;
    virtual void Change();
    // Text typed by the user; the control's caption follows it.
    void UserEdited();

    LineEditor editor_;

  private:
    TBorderStyle borderStyle_ = bsSingle;
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
