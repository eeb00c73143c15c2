#pragma once
// An edit with an input mask. The mask is kept for code that reads it; where it asks only for digits ("0" and
// "9" positions), only digits are accepted.
#include "platform/framework/controls/Edit.h"

namespace framework {

class TMaskEdit : public TCustomEdit {
  public:
    using TCustomEdit::TCustomEdit;

    const std::string& EditMask() const { return editMask_; }
    void SetEditMask(const std::string& mask) { editMask_ = mask; }

  protected:
    bool Accepts(char32_t key) const override;

  private:
    std::string editMask_;
};

}  // namespace framework
