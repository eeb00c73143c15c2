#pragma once
// Where the flat look's walk hands the controls it selects. The control restyler puts its own window procedure in
// front of the control's and paints the control flat while its flat look is active; the walk only decides which
// controls qualify and repaints them.
namespace framework {
class TControl;
}

namespace components {

class TFlatLook;

class ControlRestyling {
  public:
    virtual ~ControlRestyling() = default;
    // Called while look activates, for a control that qualifies and is not marked to stay plain (Tag 999).
    virtual void Restyle(TFlatLook& look, framework::TControl& control) = 0;
};

}  // namespace components
