#pragma once
// TControlSubClass: puts its own window procedure in front of one control's (windowless controls included), lets
// the control handle every message first, keeps track of mouse, focus and press state, and paints the control flat
// over what the control drew. It belongs to the flat look that selected the control and lets go of the control
// when that look is switched off, when the control's window is destroyed for good, or when the control goes.
#include <cstdint>

#include "platform/framework/Message.h"
#include "platform/framework/TComponent.h"

namespace framework {
class TControl;
class TWinControl;
}  // namespace framework

namespace components {

class TFlatLook;

class TControlSubClass : public framework::TComponent {
  public:
    explicit TControlSubClass(TFlatLook* owner);
    // Gives the control back the procedure it had, where the control still runs this restyler.
    ~TControlSubClass() override;

    framework::TControl* Control = nullptr;
    bool KeepOnDestroy = false;  // the control's window is being rebuilt: the hook survives WM_DESTROY
    bool Hot = false;            // mouse inside or keyboard focus arrived
    bool LeftDown = false;
    bool SpaceDown = false;
    bool SpacePainted = false;  // the pressed look of the held space key has been painted
    bool Focused = false;       // the control had the focus when painting last began
    framework::TWndMethod SavedWindowProc;
    TFlatLook* Menu = nullptr;
    bool SavedCtl3D = false;
    std::uint8_t SavedBorderStyle = 0;  // 0 none, 1 single
    win::UINT LastMessage = 0;

    void ControlWndProc(framework::TMessage& message);
    void PaintControl();
    // Points the control's procedure at this restyler, unless it already runs one.
    void Hook(framework::TControl& control);
    // Whether the control's procedure is this restyler's.
    bool Hooked() const;
    // Gives the control back its procedure (where it still runs this restyler), its 3-D look and its border.
    void GiveBack();
    // GiveBack, then frees this restyler.
    void Restore();

    void Notification(framework::TComponent* component, framework::TOperation operation) override;

  private:
    // One running call of ControlWndProc; told when the restyler is freed under it.
    struct Call {
        bool alive = true;
        Call* outer = nullptr;
    };
    void Run(framework::TMessage& message, const Call& call);
    void React(framework::TMessage& message);
    void Release();
    void SwitchOff(framework::TMessage& message);
    // A windowless control repaints (or invalidates) itself; any other one is painted flat at once.
    void RepaintGraphicOrPaint(bool invalidateOnly);

    Call* calls_ = nullptr;  // the innermost running call
};

// The restyler of control: the one already running on it, given to look, or a new one owned by look.
TControlSubClass* RestyleControl(TFlatLook& look, framework::TControl& control);
// Restores every control inside container that look restyled (see TControlSubClass::Restore).
void RestoreControlsIn(TFlatLook& look, const framework::TWinControl& container);
// The restyler whose procedure control runs, or null.
TControlSubClass* RestylerOf(const framework::TControl& control);

}  // namespace components
