#pragma once
// A pair of arrow buttons, one above the other, that step a value up or down.
#include "platform/framework/controls/WinControl.h"

namespace framework {

// Scoped: the media player's buttons use the plain names.
enum class TUDBtnType { Next, Prev };
using TUDClickEvent = TMethod<void(TObject* sender, TUDBtnType button)>;

class TUpDown : public TWinControl {
  public:
    explicit TUpDown(TComponent* owner);

    TUDClickEvent OnClick;

  protected:
    void WndProc(TMessage& message) override;
    void Paint() override;

  private:
    int pressed_ = -1;  // 0 upper, 1 lower
};

}  // namespace framework
