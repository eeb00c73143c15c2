#pragma once
// A status bar showing one sunken panel of text, with a size grip.
#include "platform/framework/controls/WinControl.h"

namespace framework {

class TStatusBar : public TWinControl {
  public:
    explicit TStatusBar(TComponent* owner);

    bool SimplePanel() const { return simplePanel_; }
    void SetSimplePanel(bool simplePanel);
    const std::string& SimpleText() const { return simpleText_; }
    void SetSimpleText(const std::string& text);
    bool SizeGrip() const { return sizeGrip_; }
    void SetSizeGrip(bool sizeGrip);
    // The grip shows only where it can size something: in a window with a sizing frame.
    bool ShowsSizeGrip();

  protected:
    void Paint() override;

  private:
    bool simplePanel_ = true;
    std::string simpleText_;
    bool sizeGrip_ = true;
};

}  // namespace framework
