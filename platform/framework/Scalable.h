#pragma once
// A component of a stored layout that is not a control but has sizes of its own in pixels (an image list, a menu
// look with its font). The form that owns it scales it with the rest of the layout; controls scale through
// TControl::ChangeScale.
namespace framework {

class IScalable {
  public:
    // From a layout made at one resolution to another: sizes times multiplier / divisor.
    virtual void ChangeScale(int multiplier, int divisor) = 0;

  protected:
    ~IScalable() = default;
};

}  // namespace framework
