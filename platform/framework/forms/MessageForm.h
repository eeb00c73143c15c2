#pragma once
// The dialog behind a message box: icon, text and buttons laid out to fit. It is not one of the program's forms,
// so closing it does not count as a change of the program's active form.
#include <string>
#include <vector>

#include "platform/framework/forms/Form.h"

namespace framework {

class TButton;

class TMessageForm : public TCustomForm {
  public:
    TMessageForm(const std::string& text, const std::string& caption, win::UINT type);
    bool IsProgramForm() const override { return false; }

    // Presses the button with this id once the modal loop runs.
    void PostAnswer(int id);

  protected:
    void WndProc(TMessage& message) override;
    void Paint() override;

  private:
    std::string text_;
    win::UINT type_;
    win::RECT textRect_{};
    std::vector<TButton*> buttons_;
};

}  // namespace framework
